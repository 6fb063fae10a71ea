// table: one row per ocular and D on one setup; with --all, the whole kit (kit_walk.cpp).

#include "calculator/catalog/lookup.h"
#include "calculator/core/numbers.h"
#include "cli/command_table.h"
#include "cli/setup_options.h"
#include "cli/table_rows.h"

#include <algorithm>
#include <cmath>

namespace vkp2::cli {

Result runTableAll(const Context &cx);

namespace {

// Above this a table is more likely a mistyped step than a plan.
constexpr qsizetype kMaxRows = 100000;

struct Distances {
    double from = limits::kDistanceDLowest;
    double to = limits::kDistanceDHighest;
    double step = 50;
};

Distances distancesOf(const Context &cx, const planner::Setup &base)
{
    const Arguments &a = cx.args;
    Distances r;
    if (a.has(QStringLiteral("--d"))) {
        r.from = r.to = numbers::parse(base.d).value_or(limits::kDistanceDDefault);
        return r;
    }
    if (a.has(QStringLiteral("--d-from")))
        r.from = cx.number(QStringLiteral("--d-from"));
    if (a.has(QStringLiteral("--d-to")))
        r.to = cx.number(QStringLiteral("--d-to"));
    if (a.has(QStringLiteral("--d-step")))
        r.step = cx.number(QStringLiteral("--d-step"));
    if (!(r.step > 0))
        fail(QStringLiteral("--d-step"), QStringLiteral("must be greater than 0"));
    if (r.to < r.from)
        fail(QStringLiteral("--d-to"), QStringLiteral("is below --d-from"));
    return r;
}

} // namespace

Result runTable(const Context &cx)
{
    const Arguments &a = cx.args;
    if (a.has(QStringLiteral("--all")))
        return runTableAll(cx);
    if (a.has(QStringLiteral("--d"))
        && (a.has(QStringLiteral("--d-from")) || a.has(QStringLiteral("--d-to"))
            || a.has(QStringLiteral("--d-step"))))
        fail(QStringLiteral("--d"), QStringLiteral("give either --d or --d-from/--d-to/--d-step"));
    const BuiltSetup built = buildSetup(cx, Oculars::Several);
    const planner::Setup &base = built.setup;
    const Distances range = distancesOf(cx, base);
    // A step that lands on --d-to within rounding still reaches it.
    const double steps = std::floor((range.to - range.from) / range.step * (1 + 1e-12) + 1e-9);
    const QStringList oculars = chosenOculars(cx);
    const qsizetype projecting = oculars.size() - oculars.count(entries::NoVkp2);
    if (steps + 1 > double(kMaxRows)
        || double(projecting) * (steps + 1) + double(oculars.size() - projecting) > double(kMaxRows))
        fail(QStringLiteral("--d-step"), QStringLiteral("more than %1 rows; use a larger step or "
                                                        "a shorter range").arg(kMaxRows));
    const auto distances = qsizetype(steps) + 1;

    planner::KitWalk walk(base);
    const planner::Shown startShown = walk.shown();
    const QList<Message> startMessages = startShown.messages;
    // The mode is every row's; what choosing it shows (a refusal) belongs to every row.
    walk.calculator().clearMessages();
    walk.chooseBinning(base.binning);
    const QList<Message> modeMessages = walk.shown().messages;
    RowTable t = rowTable(cx);
    for (const QString &ocular : oculars) {
        // At prime focus D is locked at 0: one row says it all.
        const qsizetype n = ocular == entries::NoVkp2 ? 1 : distances;
        for (qsizetype i = 0; i < n; ++i) {
            const double d = std::min(range.from + double(i) * range.step, range.to);
            walk.calculator().clearMessages();
            walk.chooseOcular(ocular, base.tl, numbers::format(d));
            const planner::Shown sh = walk.shown();
            addRow(t, sh, modeMessages + sh.messages);
        }
    }
    return finishTable(cx, t, startMessages, startShown, built.warnings);
}

} // namespace vkp2::cli
