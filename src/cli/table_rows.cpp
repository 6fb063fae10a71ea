#include "cli/table_rows.h"

#include "cli/advice_cells.h"
#include "cli/messages.h"
#include "cli/night_options.h"
#include "cli/words.h"
#include "planner/advice.h"
#include "planner/optical_train.h"

namespace vkp2::cli {

namespace {

using Col = Column<KitRow>;

// The element beside the ocular column, and its distance.
QList<Col> trainColumns(const Context &cx, const TrainColumns &train)
{
    using planner::TrainField;
    const auto number = [&cx](std::optional<double> planner::TrainEffect::*member) {
        return [&cx, member](const KitRow &r) {
            return r.sh.train && (*r.sh.train.*member) ? cx.plain(*(*r.sh.train.*member))
                                                      : Cell::num({});
        };
    };
    const auto field = [](TrainField f) {
        const planner::TrainFieldInfo &i = planner::trainField(f);
        return std::pair{QLatin1String(i.key), fieldLabel(i.label)};
    };
    QList<Col> c;
    if (train.element)
        c << Col{QStringLiteral("element"), Words::tr("Element"),
                 [](const KitRow &r) { return Cell::str(r.sh.train ? r.sh.train->element : QString()); },
                 Col::Shown::Own, true};
    if (train.spacing) {
        const auto [key, label] = field(TrainField::Spacing);
        c << Col{key, label, number(&planner::TrainEffect::spacingMm), Col::Shown::Own, true};
    }
    if (train.projectionDistance) {
        const auto [key, label] = field(TrainField::ProjectionDistance);
        c << Col{key, label, number(&planner::TrainEffect::projectionDistanceMm), Col::Shown::Own,
                 true};
    }
    return c;
}

// table --filters: the focal-ratio verdict at each filter's wavelength, the rest as asked.
QList<Col> filterColumns(const Context &cx, const planner::AdviceOptions &options)
{
    QList<Col> c;
    for (const planner::FilterPreset &f : tableFilters(cx)) {
        planner::AdviceOptions at = options;
        at.wavelengthNm = f.wavelengthNm;
        at.filterName = QString::fromUtf8(f.name);
        at.target.reset();
        at.mosaic.reset();
        c << Col{QStringLiteral("focal_ratio_sampling_") + QLatin1String(f.key),
                 Words::tr("By focal ratio, %1").arg(at.filterName), [at, wording = cx.wording()](const KitRow &r) {
                     return Cell::str(focalRatioVerdictText(planner::adviseOn(r.sh, at), wording));
                 }};
    }
    return c;
}

QList<Col> kitColumns(const Context &cx, const TrainColumns &train,
                      const planner::AdviceOptions &options)
{
    const auto box = [&cx](Box name) {
        return [&cx, name](const KitRow &r) { return cx.box(r.sh.box(name)); };
    };
    QList<Col> c{
        {QStringLiteral("telescope"), Words::tr("Telescope"),
         [](const KitRow &r) { return Cell::str(r.telescope); }, Col::Shown::Own, true},
        {QStringLiteral("ocular"), Words::tr("Ocular"),
         [](const KitRow &r) { return Cell::str(r.sh.ocular); }, Col::Shown::Own, true},
    };
    c << trainColumns(cx, train);
    c << QList<Col>{
        {QStringLiteral("camera"), Words::tr("Camera"),
         [](const KitRow &r) { return Cell::str(r.camera); }, Col::Shown::Own, true},
        // The mode the list shows: after a refused mode, the one the calculator fell back to.
        {QStringLiteral("binning"), Words::tr("Binning"),
         [](const KitRow &r) {
             return Cell::str(planner::cameraHasBinning(r.sh.camera) ? r.sh.binning : QString());
         },
         Col::Shown::Own, true},
        {keyOf(Box::Distance_tl), Words::tr("TL (mm)"), box(Box::Distance_tl), Col::Shown::Own, true},
        {keyOf(Box::Distance_d), Words::tr("D (mm)"), box(Box::Distance_d)},
        {QStringLiteral("magnification"), Words::tr("Magnification"),
         [&cx](const KitRow &r) { return cx.result(r.advice.magnification); }},
    };
    c << resultColumns<KitRow>(box);
    c << QList<Col>{
        {QStringLiteral("sampling"),
         planner::seeingLongExposureOnlyFor(options.target) ? Words::tr("Sampling (long exposures)")
                                                            : Words::tr("Sampling"),
         [wording = cx.wording()](const KitRow &r) { return Cell::str(seeingVerdictText(r.advice, wording)); }},
    };
    if (cx.focalRatioAsked)
        c << Col{QStringLiteral("focal_ratio_sampling"), Words::tr("By focal ratio"),
                 [wording = cx.wording()](const KitRow &r) {
                     return Cell::str(focalRatioVerdictText(r.advice, wording));
                 }};
    c << filterColumns(cx, options);
    c << Col{QStringLiteral("note"), Words::tr("Note"),
             [](const KitRow &r) { return Cell::str(r.note); }, Col::Shown::Own, true};
    return c;
}

} // namespace

RowTable rowTable(const Context &cx, const TrainColumns &train, bool kitColourCamera)
{
    RowTable t;
    t.advice = adviceFor(cx, kitColourCamera);
    t.columns = kitColumns(cx, train, t.advice);
    t.table = tableOf(t.columns);
    return t;
}

QList<Cell> rowCells(const RowTable &t, const planner::Shown &sh, const QList<Message> &messages,
                     bool &hadMessage, const RowNames &names)
{
    const planner::Advice advice = planner::adviseOn(sh, t.advice);
    QStringList note;
    for (const Message &m : distinctMessages(messages))
        note << messageLine(m, sh);
    hadMessage = !note.isEmpty();
    if (!names.note.isEmpty())
        note.prepend(names.note);
    if (const QString n = notesText(advice); !n.isEmpty())
        note << n;
    const KitRow row{sh, advice, note.join(QStringLiteral("; ")),
                     names.telescope.isEmpty() ? sh.telescope : names.telescope,
                     names.camera.isEmpty() ? sh.camera : names.camera};
    return cellsOf(t.columns, row);
}

void addRow(RowTable &t, const planner::Shown &sh, const QList<Message> &messages,
            const RowNames &names)
{
    bool hadMessage = false;
    t.table.rows.append(rowCells(t, sh, messages, hadMessage, names));
    t.anyMessage = t.anyMessage || hadMessage;
}

Result finishTable(const Context &cx, const RowTable &t, const QList<Message> &startMessages,
                   const planner::Shown &startShown, const QStringList &warnings,
                   const QStringList &notices)
{
    Result out;
    for (const QString &w : warnings + notices)
        out.err += diagnostic(w);
    const QList<Message> start = distinctMessages(startMessages);
    for (const Message &m : start)
        out.err += diagnostic(Words::tr("the setup itself: %1").arg(messageLine(m, startShown)));
    out.out = writeTable(t.table, cx.format);
    out.status = t.anyMessage || !start.isEmpty() || !warnings.isEmpty() ? kExitCalculatorMessage
                                                                         : kExitOk;
    if (t.anyMessage)
        out.err += diagnostic(Words::tr("the calculator showed messages for some rows; see their note"));
    return out;
}

} // namespace vkp2::cli
