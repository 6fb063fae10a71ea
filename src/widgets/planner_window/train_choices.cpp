#include "widgets/planner_window/train_choices.h"

#include "calculator/core/numbers.h"
#include "planner/train_setup.h"

#include <QCoreApplication>

namespace vkp2::planner_window {

namespace {

struct TrainChoicesWords {
    Q_DECLARE_TR_FUNCTIONS(TrainChoices)
};

// A kit's entry is drawn as the kit's curve; only a typed or stacked train needs its own.
bool isKitCurve(const planner::Setup &s)
{
    const planner::Train &t = s.train;
    if (t.rear == planner::Rear::Vkp2)
        return t.lens && !t.lens->name.isEmpty() && !planner::hasVkp2Ocular(s);
    return t.rear == planner::Rear::Projection && !t.lens && !t.eyepieceName.isEmpty();
}

} // namespace

planner::Setup withoutTrain(planner::Setup setup)
{
    setup.train = planner::Train();
    return setup;
}

double startingProjectionDistance(double eyepieceMm)
{
    const auto r = planner::usableProjectionDistance(eyepieceMm);
    return r ? numbers::round2((r->lowMm + r->highMm) / 2) : 0;
}

QList<TrainChoice> trainChoices(const planner::Setup &setup, const storage::Kit &kit, bool ownSound)
{
    QList<TrainChoice> out;
    for (const storage::KitLens &k : kit.lenses) {
        TrainChoice c{withoutTrain(setup), k.name, false};
        c.setup.chooseOcular(entries::NoVkp2);
        c.setup.train.lens = planner::lensOf(k);
        out << c;
    }
    for (const storage::KitEyepiece &e : kit.eyepieces) {
        TrainChoice c{withoutTrain(setup), TrainChoicesWords::tr("%1 in projection").arg(e.name), false};
        c.setup.train.rear = planner::Rear::Projection;
        c.setup.train.eyepieceName = e.name;
        c.setup.train.eyepieceMm = e.focalLength;
        c.setup.train.projectionDistanceMm = startingProjectionDistance(e.focalLength);
        out << c;
    }
    if (ownSound && !setup.train.isPlainVkp2() && !isKitCurve(setup)) {
        QString name = planner::trainText(setup.train);
        const bool typed = setup.train.lens ? setup.train.lens->name.isEmpty()
                                            : setup.train.eyepieceName.isEmpty();
        if (typed)
            name = TrainChoicesWords::tr("%1 (typed)").arg(name);
        if (setup.train.rear == planner::Rear::Vkp2 && planner::hasVkp2Ocular(setup))
            name = TrainChoicesWords::tr("%1 + %2").arg(name, setup.ocular);
        out << TrainChoice{setup, name, true};
    }
    return out;
}

QString elementText(const planner::Setup &s)
{
    const planner::Train &t = s.train;
    QString element = planner::trainText(t);
    const bool vkp2 = t.rear == planner::Rear::Vkp2 && planner::hasVkp2Ocular(s);
    if (vkp2)
        element = element.isEmpty() ? s.ocular : TrainChoicesWords::tr("%1 + %2").arg(element, s.ocular);
    const auto mm = [](double v) { return numbers::format(numbers::round2(v)); };
    switch (planner::variableOf(s)) {
    case planner::TrainVariable::D:
        return TrainChoicesWords::tr("%1, D %2 mm").arg(element, s.d);
    case planner::TrainVariable::Spacing:
        return TrainChoicesWords::tr("%1, spacing %2 mm").arg(element, mm(planner::spacingOf(*t.lens).value_or(0)));
    case planner::TrainVariable::ProjectionDistance:
        return TrainChoicesWords::tr("%1, projection distance %2 mm").arg(element, mm(t.projectionDistanceMm));
    case planner::TrainVariable::None:
        break;
    }
    if (element.isEmpty())
        return TrainChoicesWords::tr("%1 (prime focus)").arg(entries::NoVkp2);
    return t.lens && t.rear == planner::Rear::Vkp2 ? TrainChoicesWords::tr("%1 at prime focus, fixed").arg(element)
                                                    : TrainChoicesWords::tr("%1, fixed").arg(element);
}

} // namespace vkp2::planner_window
