// The distance of a train that reaches a goal: D, a lens's spacing or a projection distance.

#include "planner/train_setup.h"
#include "planner/words.h"

#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/core/numbers.h"

#include <algorithm>
#include <cmath>

namespace vkp2::planner {

namespace {

std::optional<double> positive(std::optional<double> v)
{
    return v && std::isfinite(*v) && *v > 0 ? v : std::nullopt;
}

Solution invalid(const QString &why) { return {SolveStatus::InvalidInput, 0, why}; }

// As typed: up to 2 decimals, trailing zeros dropped ("16.5", "300").
QString lengthText(double v, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double typed = numbers::round2(v);
    int decimals = 0;
    while (decimals < 2 && QString::number(typed, 'f', decimals).toDouble() != typed)
        ++decimals;
    return plain.toString(typed, 'f', decimals);
}

QString outOfRange(const SolvedTrain &t, const QLocale &locale)
{
    // What a lens cannot do at all: a Barlow shortening, a reducer lengthening.
    if (t.neededFactor) {
        const bool barlow = t.lensKind == LensKind::Barlow;
        return (barlow ? Words::tr("needs a factor of %1: %2 lengthens the focal length, never shortens it")
                       : Words::tr("needs a factor of %1: %2 shortens the focal length, never lengthens it"))
            .arg(lengthText(*t.neededFactor, locale), t.element);
    }
    const double v = t.solution.distanceMm;
    const QString range = t.range ? Words::tr("%1 is usable from %2 to %3 mm")
                                        .arg(t.element, lengthText(t.range->lowMm, locale),
                                             lengthText(t.range->highMm, locale))
                                  : QString();
    if (t.variable == TrainVariable::Spacing) {
        if (!(v > 0))
            return Words::tr("needs a spacing of %1 mm, which no lens can have; %2")
                .arg(lengthText(v, locale), range);
        QString beyond;
        if (t.designSpacingMm && v > *t.designSpacingMm)
            beyond = Words::tr(", %1 mm beyond the design %2 mm")
                         .arg(lengthText(v - *t.designSpacingMm, locale),
                              lengthText(*t.designSpacingMm, locale));
        return Words::tr("needs a spacing of %1 mm%2; %3")
            .arg(lengthText(v, locale), beyond, range);
    }
    return Words::tr("needs a projection distance of %1 mm; the eyepiece projects from "
                          "above %2 to %3 mm")
        .arg(lengthText(v, locale), lengthText(t.range ? t.range->lowMm : 0, locale),
             lengthText(t.range ? t.range->highMm : 0, locale));
}

} // namespace

SolvedTrain solveTrain(const Setup &setup, Goal::Kind kind, double value)
{
    SolvedTrain out;
    out.variable = variableOf(setup);
    out.element = trainText(setup.train);
    if (out.element.isEmpty())
        out.element = Words::tr("the adapter");
    // The distance being solved for needs no sound value of its own.
    Train asked = setup.train;
    if (out.variable == TrainVariable::ProjectionDistance)
        asked.projectionDistanceMm = train_limits::kProjectionDistanceHighest;
    if (out.variable == TrainVariable::Spacing)
        asked.lens->spacingMm.reset();
    if (const auto p = problemOf(asked)) {
        out.solution = invalid(p->what);
        return out;
    }
    // What the calculator shows for the telescope, camera and VKP-2 part, without the train.
    Setup calculatorPart = calculatorSetupOf(setup);
    calculatorPart.train = Train();
    const Shown base = show(calculatorPart);
    const auto focal = positive(base.number(Box::Flength));
    if (!focal || !positive(base.number(Box::efl))) {
        out.solution = invalid(Words::tr("the calculator accepts no such telescope"));
        return out;
    }
    Goal goal;
    switch (kind) {
    case Goal::Kind::FocalLength:
        goal = Goal::focalLength(value);
        break;
    case Goal::Kind::FocalRatio:
        goal = Goal::focalRatio(value, base.number(Box::Aperture).value_or(0));
        break;
    case Goal::Kind::PixelScale:
        goal = Goal::pixelScale(value, base.number(Box::Pixelsize_width).value_or(0));
        break;
    }
    const auto efl = goalFocalLength(goal);
    if (!efl) {
        out.solution = solveDistance(Projection{*focal, std::nullopt, 0}, goal); // says which
        if (out.solution.ok() || out.solution.status == SolveStatus::PrimeFocus)
            out.solution = invalid(Words::tr("the goal must be above 0"));
        return out;
    }
    const Train &t = setup.train;
    const double lens = t.lens ? factorOf(*t.lens).value_or(1) : 1;
    out.range = variableRange(setup);
    if (t.lens)
        out.designSpacingMm = designSpacingOf(*t.lens);

    double x = 0;
    switch (out.variable) {
    case TrainVariable::None:
        out.solution = {SolveStatus::PrimeFocus, 0,
                        t.isPlainVkp2() || (!t.lens && t.rear == Rear::Vkp2)
                            ? Words::tr("No-VKP2: at prime focus the focal length does not depend on D")
                            : Words::tr("%1 has a fixed factor: no distance changes the focal length")
                                  .arg(out.element)};
        return out;
    case TrainVariable::D: {
        const auto *o = catalog::findByName(catalog::kOculars, base.ocular);
        const auto tl = base.number(Box::Distance_tl);
        if (!o || !tl) {
            out.solution = invalid(Words::tr("TL is not a number"));
            return out;
        }
        Projection p{*focal, OcularGeometry{o->offset, o->length, o->focalLength}, *tl};
        out.solution = solveDistance(p, Goal::focalLength(*efl / lens));
        if (!out.solution.ok())
            return out;
        x = out.solution.distanceMm;
        break;
    }
    case TrainVariable::Spacing: {
        const double factor = *efl / *focal;
        if ((t.lens->kind == LensKind::Barlow && factor < 1)
            || (t.lens->kind == LensKind::Reducer && factor > 1)) {
            out.neededFactor = factor;
            out.lensKind = t.lens->kind;
            out.solution = {SolveStatus::OutOfRange, 0, {}};
            out.solution.reason = outOfRange(out, QLocale::c());
            return out;
        }
        x = spacingForFactor(*focalLengthOf(*t.lens), factor).value_or(0);
        break;
    }
    case TrainVariable::ProjectionDistance:
        x = t.eyepieceMm * (*efl / (lens * *focal) + 1);
        break;
    }
    if (out.variable != TrainVariable::D) {
        if (!out.range || !(numbers::round2(x) >= numbers::round2(out.range->lowMm))
            || !(numbers::round2(x) <= numbers::round2(out.range->highMm))
            // Above fe only: d = fe forms no image.
            || (out.variable == TrainVariable::ProjectionDistance && !(numbers::round2(x) > out.range->lowMm))) {
            out.solution = {SolveStatus::OutOfRange, x, {}};
            out.solution.reason = outOfRange(out, QLocale::c());
            return out;
        }
        x = std::clamp(x, out.range->lowMm, out.range->highMm);
        out.solution = {SolveStatus::Solved, x, {}};
    }
    out.valueText = numbers::format(numbers::round2(x));
    out.shown = show(withVariable(setup, x));
    return out;
}

QString reasonText(const SolvedTrain &solved, const QLocale &locale)
{
    if (solved.solution.status != SolveStatus::OutOfRange || solved.solution.reason.isEmpty()
        || solved.variable == TrainVariable::D)
        return reasonText(solved.solution, locale);
    return outOfRange(solved, locale);
}

} // namespace vkp2::planner
