#include "cli/show_record.h"
#include "cli/words.h"

#include "planner/ephemeris.h"

namespace vkp2::cli {

namespace {

using planner::FitAt;

// Full precision for scripts; text rounds as the calculator's results are.
Cell precise(const Context &cx, double v)
{
    return cx.format == Format::Text ? cx.result(v) : cx.plain(v);
}

QString prefixOf(FitAt::Size which)
{
    switch (which) {
    case FitAt::Size::Only:
        return QStringLiteral("target_");
    case FitAt::Size::Smallest:
        return QStringLiteral("target_smallest_");
    case FitAt::Size::Largest:
        return QStringLiteral("target_largest_");
    case FitAt::Size::OnDate:
        return QStringLiteral("target_date_");
    }
    return {};
}

QString fitLabel(FitAt::Size which)
{
    switch (which) {
    case FitAt::Size::Only:
        return Words::tr("Fit");
    case FitAt::Size::Smallest:
        return Words::tr("Fit at its smallest");
    case FitAt::Size::Largest:
        return Words::tr("Fit at its largest");
    case FitAt::Size::OnDate:
        return Words::tr("Fit on the date");
    }
    return {};
}

// The date and the body's size and shape then.
void addDate(Record &r, const Context &cx, const planner::Target &t, const planner::TargetOnDate &d)
{
    const bool text = cx.format == Format::Text;
    r.add(QStringLiteral("date_utc"), Words::tr("Date"),
          Cell::str(text ? planner::momentText(d.moment) : planner::momentIsoText(d.moment)));
    r.add(QStringLiteral("target_equatorial_arcsec"), Words::tr("Equatorial diameter (arcsec)"),
          precise(cx, d.view.equatorialArcsec));
    r.add(QStringLiteral("target_polar_arcsec"), Words::tr("Polar diameter (arcsec)"),
          precise(cx, d.view.polarArcsec));
    if (t.hasRings())
        r.add(QStringLiteral("ring_opening_deg"), Words::tr("Ring opening (deg)"),
              d.view.subEarthLatitudeDeg ? precise(cx, *d.view.subEarthLatitudeDeg) : Cell::num({}),
              true);
    if (!t.singleSize())
        r.add(QStringLiteral("target_range_percent"),
              Words::tr("Between its smallest and largest (%)"), cx.result(d.rangePercent));
}

void addFit(Record &r, const Context &cx, const planner::Target &t, const FitAt &at)
{
    const QString prefix = prefixOf(at.which);
    const auto &fit = at.fit;
    // A --size target's name is the planner's placeholder word, said in the user's language.
    const QString name = QLatin1String(t.key) == QLatin1String("size") ? Words::tr("Target")
                                                                       : QLatin1String(t.name);
    r.add(prefix + QStringLiteral("arcsec"), QString(), cx.plain(at.sizeArcsec), false, false);
    if (at.which == FitAt::Size::OnDate)
        r.add(prefix + QStringLiteral("height_arcsec"), QString(), cx.plain(at.heightArcsec), false,
              false);
    r.add(prefix + QStringLiteral("width_px"), QString(),
          fit ? cx.result(fit->widthPx) : Cell::num({}), false, false);
    r.add(prefix + QStringLiteral("height_px"), QString(),
          fit ? cx.result(fit->heightPx) : Cell::num({}), false, false);
    r.add(prefix + QStringLiteral("fits"), QString(),
          fit ? Cell::boolean(fit->fits) : Cell{QString(), Cell::Kind::Bool}, false, false);
    QString sentence = Words::tr("no camera frame to fit");
    if (fit)
        sentence = planner::fitSentence(name, at.sizeArcsec, at.heightArcsec, *fit, cx.outputLocale());
    r.add(prefix + QStringLiteral("fit"), fitLabel(at.which), Cell::str(sentence));
}

QString jsonNumber(const Context &cx, double v) { return cx.plain(v).text; }

QString mosaicJson(const Context &cx, const planner::Mosaic &m)
{
    QStringList panes;
    for (const planner::MosaicPane &p : m.panes)
        panes << QStringLiteral("{\"column\": %1, \"row\": %2, \"x_arcsec\": %3, \"y_arcsec\": %4}")
                     .arg(p.column)
                     .arg(p.row)
                     .arg(jsonNumber(cx, p.xArcsec), jsonNumber(cx, p.yArcsec));
    return QStringLiteral("{\"columns\": %1, \"rows\": %2, \"overlap_percent\": %3, "
                          "\"rotation_deg\": %4, \"frame_width_arcsec\": %5, "
                          "\"frame_height_arcsec\": %6, \"panes\": [%7]}")
        .arg(m.columns)
        .arg(m.rows)
        .arg(jsonNumber(cx, m.overlapPercent), jsonNumber(cx, m.rotationDeg),
             jsonNumber(cx, m.frameWidthArcsec), jsonNumber(cx, m.frameHeightArcsec),
             panes.join(QStringLiteral(", ")));
}

} // namespace

void addTarget(Record &r, const Context &cx, const planner::Target &t, const planner::Advice &advice)
{
    // A --size target has no name of its own.
    const bool named = QLatin1String(t.key) != QLatin1String("size");
    r.add(QStringLiteral("target"), Words::tr("Target"),
          Cell::str(named ? QLatin1String(t.name) : QString()), true);
    for (const FitAt &at : advice.fits) {
        if (at.which == FitAt::Size::OnDate && advice.onDate)
            addDate(r, cx, t, *advice.onDate);
        addFit(r, cx, t, at);
    }
    if (advice.derotationLimitS) {
        r.add(QStringLiteral("blur_arcsec"), Words::tr("Blur (arcsec)"),
              precise(cx, advice.blurArcsec.value_or(0)));
        r.add(QStringLiteral("derotation_limit_s"), Words::tr("Derotation limit (s)"),
              precise(cx, *advice.derotationLimitS));
    }
    if (cx.advice.mosaic && cx.format == Format::Json)
        r.add(QStringLiteral("mosaic"), QString(),
              advice.mosaic ? Cell{mosaicJson(cx, *advice.mosaic), Cell::Kind::Json} : Cell::str({}),
              false, false);
}

QString mosaicLines(const Context &cx, const planner::Advice &advice)
{
    if (!advice.mosaic)
        return Words::tr("Mosaic: none; ") + planner::noMosaicText() + QLatin1Char('\n');
    const planner::Mosaic &m = *advice.mosaic;
    QString out = Words::tr("Mosaic: %1 × %2 grid, %n panes (%3 % overlap, %4° rotation)\n", nullptr,
                            int(m.panes.size()))
                      .arg(m.columns)
                      .arg(m.rows)
                      .arg(cx.numberText(m.overlapPercent), cx.numberText(m.rotationDeg));
    for (qsizetype i = 0; i < m.panes.size(); ++i) {
        const planner::MosaicPane &p = m.panes[i];
        out += Words::tr("  Pane %1 (column %2, row %3): centre at %4″, %5″\n")
                   .arg(i + 1)
                   .arg(p.column)
                   .arg(p.row)
                   .arg(cx.result(p.xArcsec).text, cx.result(p.yArcsec).text);
    }
    return out;
}

QByteArray mosaicCsv(const planner::Advice &advice)
{
    // Only the header without a mosaic: a script reading the panes finds none.
    return planner::mosaicPanesCsv(advice.mosaic.value_or(planner::Mosaic{}));
}

} // namespace vkp2::cli
