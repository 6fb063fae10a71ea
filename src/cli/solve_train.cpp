// solve with an optical train: the spacing, projection distance or D (for each ocular behind
// a lens) that reaches a goal, each found by the engine's solveTrain.

#include "cli/columns.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/setup_options.h"
#include "planner/train_setup.h"

namespace vkp2::cli {

namespace {

using planner::TrainVariable;

struct TrainRow {
    const planner::SolvedTrain &solved;
    const planner::Setup &setup; // the row's: the base with its ocular
};

using Col = Column<TrainRow>;

// The columns the rows' variables need.
struct Variables {
    bool d = false, spacing = false, projection = false;
};

// A variable's column of what was solved, and of what it would have needed.
QList<Col> variableColumns(const Context &cx, TrainVariable variable, const QString &key,
                           const QString &heading,
                           std::function<std::optional<double>(const TrainRow &)> asSet)
{
    return {
        {key, heading,
         [&cx, variable, asSet](const TrainRow &r) {
             if (r.solved.variable == variable && !r.solved.solution.ok())
                 return Cell::num({});
             const auto v = asSet(r);
             return v ? cx.plain(*v) : Cell::num({});
         }},
        {QStringLiteral("needed_") + key, QString(),
         [&cx, variable](const TrainRow &r) {
             return r.solved.variable == variable
                            && r.solved.solution.status == planner::SolveStatus::OutOfRange
                            && r.solved.solution.distanceMm != 0
                        ? cx.result(r.solved.solution.distanceMm)
                        : Cell::num({});
         },
         Col::Shown::DataOnly},
    };
}

QList<Col> trainSolveColumns(const Context &cx, const Variables &vars)
{
    using planner::TrainField;
    const auto box = [&cx](Box name) {
        return [&cx, name](const TrainRow &r) {
            return r.solved.solution.ok() ? cx.box(r.solved.shown.box(name)) : Cell::num({});
        };
    };
    const auto effect = [](std::optional<double> planner::TrainEffect::*member) {
        return [member](const TrainRow &r) -> std::optional<double> {
            return r.solved.solution.ok() && r.solved.shown.train ? *r.solved.shown.train.*member
                                                                  : std::nullopt;
        };
    };
    QList<Col> columns{
        {QStringLiteral("element"), QStringLiteral("Element"),
         [](const TrainRow &r) { return Cell::str(planner::trainText(r.setup.train)); },
         Col::Shown::Own, true},
        {QStringLiteral("ocular"), QStringLiteral("Ocular"),
         [](const TrainRow &r) { return Cell::str(r.setup.ocular); }, Col::Shown::Own, true},
    };
    if (vars.d) {
        columns << Col{keyOf(Box::Distance_tl), QStringLiteral("TL (mm)"),
                       [&cx](const TrainRow &r) {
                           return cx.box(r.solved.solution.ok() ? r.solved.shown.box(Box::Distance_tl)
                                                                : r.setup.tl);
                       }};
        columns << variableColumns(cx, TrainVariable::D, keyOf(Box::Distance_d),
                                   QStringLiteral("D (mm)"), [](const TrainRow &r) {
                                       return r.solved.solution.ok()
                                                  ? r.solved.shown.number(Box::Distance_d)
                                                  : std::nullopt;
                                   });
    }
    const auto field = [](TrainField f) { return planner::trainField(f); };
    if (vars.spacing) {
        // A lens before an ocular or an eyepiece keeps the spacing it was given.
        const auto spacing = [effect](const TrainRow &r) {
            if (r.solved.variable != TrainVariable::Spacing && r.setup.train.lens)
                return planner::spacingOf(*r.setup.train.lens);
            return effect(&planner::TrainEffect::spacingMm)(r);
        };
        columns << variableColumns(cx, TrainVariable::Spacing,
                                   QLatin1String(field(TrainField::Spacing).key),
                                   fieldLabel(field(TrainField::Spacing).label), spacing);
    }
    if (vars.projection)
        columns << variableColumns(cx, TrainVariable::ProjectionDistance,
                                   QLatin1String(field(TrainField::ProjectionDistance).key),
                                   fieldLabel(field(TrainField::ProjectionDistance).label),
                                   effect(&planner::TrainEffect::projectionDistanceMm));
    columns << resultColumns<TrainRow>(box);
    columns << QList<Col>{
        {QStringLiteral("reason"), QStringLiteral("Why not"),
         [&cx](const TrainRow &r) {
             return Cell::str(r.solved.solution.ok() ? QString()
                                                     : planner::reasonText(r.solved, cx.outputLocale()));
         }},
        {QStringLiteral("note"), QStringLiteral("Note"),
         [](const TrainRow &r) {
             return Cell::str(r.solved.solution.ok() ? messagesText(r.solved.shown) : QString());
         },
         Col::Shown::Own, true},
    };
    return columns;
}

} // namespace

Result runSolveTrain(const Context &cx, const BuiltSetup &built, planner::Goal::Kind kind,
                     double wanted)
{
    QList<planner::Setup> setups;
    QList<planner::SolvedTrain> solved;
    for (const QString &ocular : chosenOculars(cx, built.setup)) {
        planner::Setup s = built.setup;
        s.chooseOcular(ocular);
        setups << s;
    }
    Variables vars;
    for (const planner::Setup &s : setups) {
        solved << planner::solveTrain(s, kind, wanted);
        vars.d = vars.d || planner::hasVkp2Ocular(s);
        vars.spacing = vars.spacing || s.train.lens.has_value();
        vars.projection = vars.projection || s.train.rear == planner::Rear::Projection;
    }
    const QList<Col> columns = trainSolveColumns(cx, vars);
    Table t = tableOf(columns);
    bool anyMessage = false;
    for (qsizetype i = 0; i < setups.size(); ++i) {
        anyMessage = anyMessage || (solved[i].solution.ok() && !solved[i].shown.messages.isEmpty());
        t.rows.append(cellsOf(columns, TrainRow{solved[i], setups[i]}));
    }
    Result out;
    out.out = writeTable(t, cx.format);
    out.err += diagnosticsOf(built);
    out.status = anyMessage || !built.warnings.isEmpty() ? kExitCalculatorMessage : kExitOk;
    return out;
}

} // namespace vkp2::cli
