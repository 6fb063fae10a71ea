#include "cli/equipment_columns.h"

#include "cli/columns.h"
#include "cli/words.h"

#include <QStringList>

namespace vkp2::cli {

namespace {

using storage::KitCamera;
using storage::KitEyepiece;
using storage::KitLens;
using storage::KitTelescope;

template <typename Entry>
using Col = Column<Listed<Entry>>;

Cell optionalNumber(const Context &cx, const std::optional<double> &v)
{
    return v ? cx.plain(*v) : Cell::num({});
}

template <typename Entry>
Col<Entry> nameColumn(const QString &heading)
{
    return {QStringLiteral("name"), heading, [](const Listed<Entry> &r) { return Cell::str(r.entry.name); }};
}

template <typename Entry>
Col<Entry> numberColumn(const Context &cx, const QString &key, const QString &heading,
                        double Entry::*member,
                        typename Col<Entry>::Shown shown = Col<Entry>::Shown::Own)
{
    return {key, heading, [&cx, member](const Listed<Entry> &r) { return cx.plain(r.entry.*member); },
            shown};
}

template <typename Entry>
Col<Entry> optionalColumn(const Context &cx, const QString &key, const QString &heading,
                          std::optional<double> Entry::*member)
{
    return {key, heading,
            [&cx, member](const Listed<Entry> &r) { return optionalNumber(cx, r.entry.*member); }};
}

template <typename Entry>
Table entriesTable(QList<Col<Entry>> columns, const QList<Listed<Entry>> &rows, bool withSource)
{
    if (withSource)
        columns.insert(1, Col<Entry>{QStringLiteral("source"), Words::tr("From"),
                                     [](const Listed<Entry> &r) { return Cell::str(r.source); }});
    Table t = tableOf(columns);
    for (const Listed<Entry> &r : rows)
        t.rows.append(cellsOf(columns, r));
    return t;
}

// A value scripts read in CSV and JSON, a word in text.
QString colourText(const Context &cx, storage::Colour c)
{
    const char *word = nullptr;
    switch (c) {
    case storage::Colour::Colour:
        word = QT_TRANSLATE_NOOP("vkp2plan", "colour");
        break;
    case storage::Colour::Mono:
        word = QT_TRANSLATE_NOOP("vkp2plan", "mono");
        break;
    case storage::Colour::Unknown:
        return {};
    }
    return cx.format == Format::Text ? Words::tr(word) : QLatin1String(word);
}

} // namespace

QString binningText(const QList<int> &binning)
{
    QStringList modes;
    for (const int n : binning)
        modes << QStringLiteral("%1x%1").arg(n);
    return modes.join(QLatin1Char(' '));
}

Table equipmentTable(const Context &cx, const QList<Listed<KitTelescope>> &rows, bool withSource)
{
    return entriesTable<KitTelescope>(
        {nameColumn<KitTelescope>(Words::tr("Telescope")),
         numberColumn(cx, QStringLiteral("focal_length_mm"), Words::tr("Focal length (mm)"),
                      &KitTelescope::focalLength),
         numberColumn(cx, QStringLiteral("aperture_mm"), Words::tr("Aperture (mm)"),
                      &KitTelescope::aperture)},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitCamera>> &rows, bool withSource)
{
    using C = Col<KitCamera>;
    const auto count = [&cx](int KitCamera::*member) {
        return [&cx, member](const Listed<KitCamera> &r) { return cx.plain(r.entry.*member); };
    };
    return entriesTable<KitCamera>(
        {nameColumn<KitCamera>(Words::tr("Camera")),
         numberColumn(cx, QStringLiteral("pixel_width_um"), Words::tr("Pixel (µm)"),
                      &KitCamera::pixelWidth),
         numberColumn(cx, QStringLiteral("pixel_height_um"), QString(), &KitCamera::pixelHeight,
                      C::Shown::WithPrevious),
         C{QStringLiteral("width_px"), Words::tr("Chip (px)"), count(&KitCamera::width)},
         C{QStringLiteral("height_px"), QString(), count(&KitCamera::height), C::Shown::WithPrevious},
         C{QStringLiteral("colour"), Words::tr("Sensor"),
           [&cx](const Listed<KitCamera> &r) { return Cell::str(colourText(cx, r.entry.colour)); }},
         C{QStringLiteral("binning"), Words::tr("Binning"),
           [](const Listed<KitCamera> &r) { return Cell::str(binningText(r.entry.binning)); }}},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitLens>> &rows, bool withSource)
{
    return entriesTable<KitLens>(
        {nameColumn<KitLens>(Words::tr("Barlow or reducer")),
         numberColumn(cx, QStringLiteral("factor"), Words::tr("Factor"), &KitLens::factor),
         optionalColumn(cx, QStringLiteral("focal_length_mm"), Words::tr("Focal length (mm)"),
                        &KitLens::focalLength),
         optionalColumn(cx, QStringLiteral("design_spacing_mm"), Words::tr("Spacing (mm)"),
                        &KitLens::designSpacing)},
        rows, withSource);
}

Table equipmentTable(const Context &cx, const QList<Listed<KitEyepiece>> &rows, bool withSource)
{
    return entriesTable<KitEyepiece>(
        {nameColumn<KitEyepiece>(Words::tr("Eyepiece")),
         numberColumn(cx, QStringLiteral("focal_length_mm"), Words::tr("Focal length (mm)"),
                      &KitEyepiece::focalLength),
         optionalColumn(cx, QStringLiteral("apparent_field_deg"), Words::tr("Apparent field (°)"),
                        &KitEyepiece::apparentField),
         optionalColumn(cx, QStringLiteral("field_stop_mm"), Words::tr("Field stop (mm)"),
                        &KitEyepiece::fieldStop)},
        rows, withSource);
}

Table joinedTables(const QList<std::pair<QString, Table>> &byKind)
{
    Table out;
    out.add(Field{QStringLiteral("kind"), Words::tr("Kind")});
    QStringList keys{QStringLiteral("kind")};
    for (const auto &[kind, t] : byKind) {
        for (const Field &f : t.fields) {
            if (!keys.contains(f.key)) {
                keys << f.key;
                out.add(f);
            }
        }
    }
    for (const auto &[kind, t] : byKind) {
        for (const QList<Cell> &row : t.rows) {
            QList<Cell> cells(keys.size(), Cell::str({}));
            cells[0] = Cell::str(kind);
            for (qsizetype i = 0; i < t.fields.size(); ++i)
                cells[keys.indexOf(t.fields[i].key)] = row[i];
            out.rows.append(cells);
        }
    }
    return out;
}

} // namespace vkp2::cli
