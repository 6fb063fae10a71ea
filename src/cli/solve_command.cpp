// solve: the D each ocular needs to reach a goal, and what the calculator shows there.

#include "cli/columns.h"
#include "cli/command_table.h"
#include "cli/messages.h"
#include "cli/setup_options.h"
#include "cli/words.h"
#include "planner/solve_setup.h"

namespace vkp2::cli {

Result runSolveTrain(const Context &cx, const BuiltSetup &built, planner::Goal::Kind kind,
                     double wanted);

namespace {

struct SolvedRow {
    const planner::SolvedOcular &solved;
    const planner::Setup &base;
};

using Col = Column<SolvedRow>;

QList<Col> solveColumns(const Context &cx)
{
    // A box of the calculator at the solved D; empty when there is none.
    const auto box = [&cx](Box name) {
        return [&cx, name](const SolvedRow &r) {
            return r.solved.solution.ok() ? cx.box(r.solved.shown.box(name)) : Cell::num({});
        };
    };
    QList<Col> columns{
        {QStringLiteral("ocular"), Words::tr("Ocular"),
         [](const SolvedRow &r) { return Cell::str(r.solved.ocular); }},
        {keyOf(Box::Distance_tl), Words::tr("TL (mm)"),
         [&cx](const SolvedRow &r) {
             return cx.box(r.solved.solution.ok() ? r.solved.shown.box(Box::Distance_tl) : r.base.tl);
         }},
        {keyOf(Box::Distance_d), Words::tr("D (mm)"), box(Box::Distance_d)},
    };
    columns << resultColumns<SolvedRow>(box);
    columns << QList<Col>{
        {QStringLiteral("reason"), Words::tr("Why not"),
         [&cx](const SolvedRow &r) {
             return Cell::str(r.solved.solution.ok()
                                  ? QString()
                                  : planner::reasonText(r.solved.solution, cx.outputLocale()));
         }},
        {QStringLiteral("needed_d_mm"), QString(),
         [&cx](const SolvedRow &r) {
             return r.solved.solution.status == planner::SolveStatus::OutOfRange
                        ? cx.result(r.solved.solution.distanceMm)
                        : Cell::num({});
         },
         Col::Shown::DataOnly},
        {QStringLiteral("note"), Words::tr("Note"),
         [](const SolvedRow &r) {
             return Cell::str(r.solved.solution.ok() ? messagesText(r.solved.shown) : QString());
         },
         Col::Shown::Own, true},
    };
    return columns;
}

struct GoalOption {
    const char *option;
    planner::Goal::Kind kind;
};
constexpr GoalOption kGoals[] = {
    {"--focal-ratio", planner::Goal::Kind::FocalRatio},
    {"--pixel-scale", planner::Goal::Kind::PixelScale},
    {"--efl", planner::Goal::Kind::FocalLength},
};

} // namespace

Result runSolve(const Context &cx)
{
    const Arguments &a = cx.args;
    const GoalOption *goal = nullptr;
    for (const GoalOption &g : kGoals) {
        if (!a.has(QLatin1String(g.option)))
            continue;
        if (goal)
            fail(QLatin1String(g.option),
                 Words::tr("give one goal: --focal-ratio, --pixel-scale or --efl"));
        goal = &g;
    }
    if (!goal)
        fail(QStringLiteral("solve"), Words::tr("needs a goal: --focal-ratio N, "
                                                     "--pixel-scale ARCSEC or --efl MM"));
    const QString goalOption = QLatin1String(goal->option);
    const BuiltSetup built = buildSetup(cx, Oculars::Several, TrainUse::Solved);
    const planner::Setup &base = built.setup;
    // A fallback would solve every row from another TL or D than the one asked for.
    rangeCheck(cx, QStringLiteral("--tl"), base.tl, limits::kDistanceTlLowest, limits::kDistanceTlHighest);
    rangeCheck(cx, QStringLiteral("--d"), base.d, limits::kDistanceDLowest, limits::kDistanceDHighest);
    const double wanted = cx.number(goalOption);
    if (!(wanted > 0))
        fail(goalOption, Words::tr("must be greater than 0"));
    if (goal->kind == planner::Goal::Kind::PixelScale
        && !(planner::show(base).number(Box::Pixelsize_width).value_or(0) > 0))
        fail(goalOption, Words::tr("the setup has no camera; give --camera or --pixel"));

    if (!base.train.isPlainVkp2())
        return runSolveTrain(cx, built, goal->kind, wanted);

    const QList<Col> columns = solveColumns(cx);
    Table t = tableOf(columns);
    bool anyMessage = false;
    for (const auto &solved : planner::solveEveryOcular(base, goal->kind, wanted, chosenOculars(cx, base))) {
        anyMessage = anyMessage || (solved.solution.ok() && !solved.shown.messages.isEmpty());
        t.rows.append(cellsOf(columns, SolvedRow{solved, base}));
    }
    Result out;
    out.out = writeTable(t, cx.format);
    out.err += diagnosticsOf(built);
    out.status = anyMessage || !built.warnings.isEmpty() ? kExitCalculatorMessage : kExitOk;
    return out;
}

} // namespace vkp2::cli
