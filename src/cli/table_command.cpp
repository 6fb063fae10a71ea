// table: one row per ocular and D on one setup; with --kit, on every pair of the user's kit
// telescopes and cameras; with --all, the whole catalogue (kit_walk.cpp).

#include "calculator/catalog/lookup.h"
#include "calculator/core/numbers.h"
#include "cli/command_table.h"
#include "cli/messages.h"
#include "cli/setup_options.h"
#include "cli/table_rows.h"
#include "cli/user_kit.h"
#include "cli/words.h"
#include "planner/train_setup.h"

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
    qsizetype count = 1;
};

Distances distancesOf(const Context &cx, const planner::Setup &base, bool rangeByDefault)
{
    const Arguments &a = cx.args;
    Distances r;
    const bool ranged = a.has(QStringLiteral("--d-from")) || a.has(QStringLiteral("--d-to"))
                        || a.has(QStringLiteral("--d-step"));
    if (a.has(QStringLiteral("--d")) && ranged)
        fail(QStringLiteral("--d"), Words::tr("give either --d or --d-from/--d-to/--d-step"));
    if (a.has(QStringLiteral("--d")) || (!ranged && !rangeByDefault)) {
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
        fail(QStringLiteral("--d-step"), Words::tr("must be greater than 0"));
    if (r.to < r.from)
        fail(QStringLiteral("--d-to"), Words::tr("is below --d-from"));
    // A step that lands on --d-to within rounding still reaches it.
    const double steps = std::floor((r.to - r.from) / r.step * (1 + 1e-12) + 1e-9);
    if (steps + 1 > double(kMaxRows))
        fail(QStringLiteral("--d-step"), Words::tr("more than %1 rows; use a larger step or "
                                                        "a shorter range").arg(kMaxRows));
    r.count = qsizetype(steps) + 1;
    return r;
}

// `extra`: the rows each setup has beside its oculars' (table --kit's lenses and eyepieces).
void checkRowCount(const QStringList &oculars, const Distances &range, qsizetype setups,
                   qsizetype extra = 0)
{
    const qsizetype projecting = oculars.size() - oculars.count(entries::NoVkp2);
    const double rows = (double(projecting) * double(range.count) + double(oculars.size() - projecting)
                         + double(extra))
                        * double(setups);
    if (rows > double(kMaxRows))
        fail(QStringLiteral("--d-step"), Words::tr("more than %1 rows; use a larger step or "
                                                        "a shorter range").arg(kMaxRows));
}

// Every ocular at every D of the range, on a walk started from one setup, with the setup's
// train. `shared` are the messages every row of the walk has in common.
void walkOculars(RowTable &t, planner::KitWalk &walk, const planner::Setup &base,
                 const QStringList &oculars, const Distances &range, const QList<Message> &shared,
                 const RowNames &names)
{
    for (const QString &ocular : oculars) {
        // At prime focus D is locked at 0: one row says it all.
        const qsizetype n = ocular == entries::NoVkp2 ? 1 : range.count;
        for (qsizetype i = 0; i < n; ++i) {
            const double d = std::min(range.from + double(i) * range.step, range.to);
            walk.calculator().clearMessages();
            walk.chooseOcular(ocular, base.tl, numbers::format(d));
            const planner::Shown sh = planner::withTrain(walk.shown(), base.train);
            addRow(t, sh, shared + sh.messages, names);
        }
    }
}

// One --spacing or --projection-distance for every row: outside what any element takes it is
// bad input, not a note, whatever the kit holds.
void checkTrainDistances(const Context &cx)
{
    using planner::TrainField;
    const QString spacingOption = planner::optionOf(TrainField::Spacing);
    const QString distanceOption = planner::optionOf(TrainField::ProjectionDistance);
    const auto within = [&cx](const QString &option, double lo, double hi) {
        const double v = cx.number(option);
        if (!(v >= lo && v <= hi))
            fail(option, Words::tr("%1 mm is outside %2 to %3 mm")
                             .arg(cx.numberText(v), cx.numberText(lo), cx.numberText(hi)));
    };
    if (cx.args.has(spacingOption))
        within(spacingOption, planner::train_limits::kSpacingMin, planner::train_limits::kSpacingMax);
    if (cx.args.has(distanceOption))
        within(distanceOption, planner::train_limits::kSpacingMin,
               planner::train_limits::kProjectionDistanceHighest);
}

// The kit's lenses at prime focus (at --spacing where they have a spacing) and, with
// --projection-distance, its eyepieces projecting there: a train each.
QList<planner::Train> kitTrains(const Context &cx, const storage::Kit &kit)
{
    using planner::TrainField;
    const QString spacingOption = planner::optionOf(TrainField::Spacing);
    const QString distanceOption = planner::optionOf(TrainField::ProjectionDistance);
    QList<planner::Train> out;
    for (const storage::KitLens &l : kit.lenses) {
        planner::Train t;
        t.lens = planner::lensOf(l);
        if (cx.args.has(spacingOption) && planner::focalLengthOf(*t.lens))
            t.lens->spacingMm = cx.number(spacingOption);
        out << t;
    }
    if (cx.args.has(distanceOption)) {
        const double d = cx.number(distanceOption);
        for (const storage::KitEyepiece &e : kit.eyepieces) {
            planner::Train t;
            t.rear = planner::Rear::Projection;
            t.eyepieceName = e.name;
            t.eyepieceMm = e.focalLength;
            t.projectionDistanceMm = d;
            out << t;
        }
    }
    return out;
}

TrainColumns columnsFor(const QList<planner::Train> &trains)
{
    TrainColumns c;
    for (const planner::Train &t : trains) {
        c.element = true;
        c.spacing = c.spacing || t.lens;
        c.projectionDistance = c.projectionDistance || t.rear == planner::Rear::Projection;
    }
    return c;
}

// The rows of the kit's trains on one telescope, camera and mode, each at prime focus.
void walkTrains(RowTable &t, planner::KitWalk &walk, const QList<planner::Train> &trains,
                const QList<Message> &shared, const RowNames &names)
{
    for (const planner::Train &train : trains) {
        walk.calculator().clearMessages();
        walk.chooseOcular(entries::NoVkp2, {}, {});
        const planner::Shown sh = planner::withTrain(walk.shown(), train);
        RowNames named = names;
        // Only the spacing and the distance were typed; the rest is the kit entry's own.
        if (const auto p = planner::problemOf(train)) {
            const bool typed = p->field == planner::TrainField::Spacing
                || p->field == planner::TrainField::ProjectionDistance;
            named.note = (typed ? planner::optionOf(p->field) : planner::trainText(train))
                + QStringLiteral(": ") + p->what;
        }
        addRow(t, sh, shared + sh.messages, named);
    }
}

// table --kit: the rows name the kit's entries; each camera in every mode it offers.
Result runTableKit(const Context &cx)
{
    const Arguments &a = cx.args;
    QStringList refused{"--setup", "--telescope", "--focal-length", "--aperture", "--camera",
                        "--pixel", "--chip", "--binning", "--all"};
    // The kit's own lenses and eyepieces are walked; only their distances may be given.
    refused << QLatin1String(planner::reducerOption);
    for (const planner::TrainFieldInfo &f : planner::kTrainFields) {
        if (f.id != planner::TrainField::Spacing && f.id != planner::TrainField::ProjectionDistance)
            refused << QLatin1String(f.option);
    }
    for (const QString &o : refused) {
        if (a.has(o))
            fail(o, Words::tr("cannot be combined with --kit"));
    }
    checkTrainDistances(cx);
    const UserKit user = readUserKit();
    if (!user.problem.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::kitNotUsed(user.path, user.problem))};
    const storage::Kit &kit = user.kit;
    if (kit.telescopes.isEmpty() || kit.cameras.isEmpty())
        return {kExitFailed, {}, diagnostic(kit_messages::emptyKit())};
    const BuiltSetup start = buildSetup(cx, Oculars::Several, TrainUse::None);
    planner::Setup base; // the calculator's defaults, at the chosen distances
    base.tl = start.setup.tl;
    base.d = start.setup.d;
    rangeCheck(cx, QStringLiteral("--tl"), base.tl, limits::kDistanceTlLowest, limits::kDistanceTlHighest);
    const Distances range = distancesOf(cx, base, false);
    if (range.count == 1)
        rangeCheck(cx, QStringLiteral("--d"), base.d, limits::kDistanceDLowest, limits::kDistanceDHighest);
    const QStringList oculars = chosenOculars(cx, start.setup);
    const QList<planner::Train> trains = kitTrains(cx, kit);
    qsizetype setups = 0;
    for (const storage::KitCamera &c : kit.cameras)
        setups += c.binning.size() * kit.telescopes.size();
    checkRowCount(oculars, range, setups, trains.size());

    RowTable t = rowTable(cx, columnsFor(trains));
    for (const storage::KitTelescope &telescope : kit.telescopes) {
        for (const storage::KitCamera &camera : kit.cameras) {
            for (const int bin : camera.binning) {
                planner::Setup s = base;
                s.takeTelescope(telescope);
                s.takeCamera(camera, bin);
                planner::KitWalk walk(s);
                // What starting from the pair shows belongs to each of its rows.
                const QList<Message> shared = walk.shown().messages;
                walkOculars(t, walk, s, oculars, range, shared, {s.telescopeLabel, s.cameraLabel, {}});
                walkTrains(t, walk, trains, shared, {s.telescopeLabel, s.cameraLabel, {}});
            }
        }
    }
    return finishTable(cx, t, {}, planner::Shown{}, start.warnings, start.notices);
}

} // namespace

Result runTable(const Context &cx)
{
    const Arguments &a = cx.args;
    if (a.has(QStringLiteral("--all")))
        return runTableAll(cx);
    if (a.has(QStringLiteral("--kit")))
        return runTableKit(cx);
    const BuiltSetup built = buildSetup(cx, Oculars::Several);
    const planner::Setup &base = built.setup;
    const Distances range = distancesOf(cx, base, true);
    const QStringList oculars = chosenOculars(cx, base);
    checkRowCount(oculars, range, 1);

    planner::KitWalk walk(planner::calculatorSetupOf(base));
    const planner::Shown startShown = walk.shown();
    const QList<Message> startMessages = startShown.messages;
    // The mode is every row's; what choosing it shows (a refusal) belongs to every row.
    walk.calculator().clearMessages();
    walk.chooseBinning(base.binning);
    const QList<Message> modeMessages = walk.shown().messages;
    const planner::Train &train = base.train;
    RowTable t = train.isPlainVkp2()
        ? rowTable(cx, {}, built.colourCamera)
        : rowTable(cx, {true, train.lens.has_value(), train.rear == planner::Rear::Projection},
                   built.colourCamera);
    walkOculars(t, walk, base, oculars, range, modeMessages,
                {base.telescopeLabel, base.cameraLabel, {}});
    return finishTable(cx, t, startMessages, startShown, built.warnings, built.notices);
}

} // namespace vkp2::cli
