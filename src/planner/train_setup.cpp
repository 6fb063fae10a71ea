#include "planner/train_setup.h"

#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"

#include <cmath>

namespace vkp2::planner {

namespace {

std::optional<double> positive(std::optional<double> v)
{
    return v && std::isfinite(*v) && *v > 0 ? v : std::nullopt;
}

// The factor behind the lens: the VKP-2's magnification (1 at prime focus), or the rear
// element's own.
std::optional<double> rearFactorOf(const Shown &calculatorShown, const Train &t)
{
    switch (t.rear) {
    case Rear::Vkp2:
        return calculatorShown.magnification ? calculatorShown.magnification : std::optional(1.0);
    case Rear::Projection:
        return projectionMagnification(t.eyepieceMm, t.projectionDistanceMm);
    case Rear::Afocal:
        return afocalFactor(t.eyepieceMm, t.cameraLensMm);
    }
    return std::nullopt;
}

void emptyResults(Shown &s)
{
    for (const Box b : {Box::efl, Box::efr, Box::Fov_width, Box::Fov_height, Box::Pixelscale_width,
                        Box::Pixelscale_height})
        s.boxes[indexOf(b)] = QString();
}

} // namespace

bool hasVkp2Ocular(const Setup &setup) { return setup.ocular != entries::NoVkp2; }

Setup calculatorSetupOf(const Setup &setup)
{
    if (setup.train.rear == Rear::Vkp2)
        return setup;
    Setup s = setup;
    s.chooseOcular(entries::NoVkp2);
    return s;
}

Shown withTrain(const Shown &calculatorShown, const Train &train)
{
    if (train.isPlainVkp2())
        return calculatorShown;
    Shown out = calculatorShown;
    TrainEffect effect;
    effect.element = trainText(train);
    if (train.rear == Rear::Projection)
        effect.projectionDistanceMm = train.projectionDistanceMm;
    const bool sound = !problemOf(train);
    if (sound && train.lens) {
        effect.lensFactor = factorOf(*train.lens);
        effect.spacingMm = spacingOf(*train.lens);
        const auto usable = usableSpacing(*train.lens);
        effect.outsideUsableRange = usable && effect.spacingMm
            && (*effect.spacingMm < usable->lowMm || *effect.spacingMm > usable->highMm);
    }
    const auto rear = sound ? rearFactorOf(calculatorShown, train) : std::nullopt;
    if (train.rear != Rear::Vkp2)
        effect.rearFactor = rear;
    if (train.rear == Rear::Projection)
        out.magnification = rear;
    else if (train.rear == Rear::Afocal)
        out.magnification.reset();

    const auto focal = positive(calculatorShown.number(Box::Flength));
    const double lens = effect.lensFactor.value_or(1);
    // A calculator that computed nothing (a rejected telescope) leaves nothing to multiply.
    const bool computed = numbers::isNumber(calculatorShown.box(Box::efl));
    if (!sound || !rear || !focal || !computed) {
        emptyResults(out);
        out.train = effect;
        return out;
    }
    const double efl = optics::extendedFocalLength(*rear, lens * *focal);
    effect.totalFactor = efl / *focal;
    out.boxes[indexOf(Box::efl)] = numbers::resultText(efl);
    out.boxes[indexOf(Box::efr)] =
        numbers::resultText(numbers::quotient(efl, calculatorShown.number(Box::Aperture)));

    // Field and scale follow the EFL as shown, as the calculator's do.
    const auto shownEfl = numbers::parse(out.box(Box::efl));
    // Without a camera the calculator works with zeros and shows 0; so does the train.
    const auto input = [&](Box box, Box result) -> std::optional<double> {
        const auto v = calculatorShown.number(box);
        return v || !numbers::isNumber(calculatorShown.box(result)) ? v : std::optional(0.0);
    };
    const auto pixelW = input(Box::Pixelsize_width, Box::Pixelscale_width);
    const auto pixelH = input(Box::Pixelsize_height, Box::Pixelscale_height);
    const auto chipW = input(Box::Chipsize_width, Box::Fov_width);
    const auto chipH = input(Box::Chipsize_height, Box::Fov_height);
    const auto fov = [&](std::optional<double> pixel, std::optional<double> count) -> std::optional<double> {
        if (!shownEfl || !(*shownEfl > 0) || !pixel || !count)
            return std::nullopt;
        return optics::fieldOfViewArcmin(optics::chipMillimetres(*pixel, *count), *shownEfl);
    };
    const auto scale = [&](std::optional<double> pixel) -> std::optional<double> {
        if (!shownEfl || !(*shownEfl > 0) || !pixel)
            return std::nullopt;
        return optics::pixelScaleArcsec(*pixel, *shownEfl);
    };
    out.boxes[indexOf(Box::Fov_width)] = numbers::resultText(fov(pixelW, chipW));
    out.boxes[indexOf(Box::Fov_height)] = numbers::resultText(fov(pixelH, chipH));
    out.boxes[indexOf(Box::Pixelscale_width)] = numbers::resultText(scale(pixelW));
    out.boxes[indexOf(Box::Pixelscale_height)] = numbers::resultText(scale(pixelH));
    out.train = effect;
    return out;
}

TrainVariable variableOf(const Setup &setup)
{
    return variableOf(setup.train, hasVkp2Ocular(setup));
}

std::optional<DistanceRange> variableRange(const Setup &setup)
{
    switch (variableOf(setup)) {
    case TrainVariable::None:
        return std::nullopt;
    case TrainVariable::D:
        return DistanceRange{minDistanceMm, maxDistanceMm};
    case TrainVariable::Spacing:
        return usableSpacing(*setup.train.lens);
    case TrainVariable::ProjectionDistance:
        return usableProjectionDistance(setup.train.eyepieceMm);
    }
    return std::nullopt;
}

Setup withVariable(const Setup &setup, double mm)
{
    Setup s = setup;
    switch (variableOf(setup)) {
    case TrainVariable::None:
        break;
    case TrainVariable::D:
        s.d = numbers::format(numbers::round2(mm));
        break;
    case TrainVariable::Spacing:
        s.train.lens->spacingMm = numbers::round2(mm);
        break;
    case TrainVariable::ProjectionDistance:
        s.train.projectionDistanceMm = numbers::round2(mm);
        break;
    }
    return s;
}

std::optional<double> trainFocalLengthAt(const Projection &vkp2, const Train &train,
                                         TrainVariable variable, double mm)
{
    const double focal = vkp2.telescopeFocalMm;
    if (!(std::isfinite(focal) && focal > 0) || problemOf(train))
        return std::nullopt;
    Train at = train;
    if (variable == TrainVariable::Spacing && at.lens)
        at.lens->spacingMm = mm;
    if (variable == TrainVariable::ProjectionDistance)
        at.projectionDistanceMm = mm;
    std::optional<double> lens = 1.0;
    if (at.lens) {
        if (variable == TrainVariable::Spacing) {
            const auto range = usableSpacing(*at.lens);
            if (!range || mm < range->lowMm || mm > range->highMm)
                return std::nullopt;
        }
        lens = factorOf(*at.lens);
    }
    if (!lens)
        return std::nullopt;
    switch (at.rear) {
    case Rear::Vkp2: {
        const auto base = variable == TrainVariable::D ? focalLengthAt(vkp2, mm)
                                                       : std::optional(focal);
        return base ? std::optional(*base * *lens) : std::nullopt;
    }
    case Rear::Projection: {
        const auto m = projectionMagnification(at.eyepieceMm, mm);
        if (!m || mm > train_limits::kProjectionDistanceHighest)
            return std::nullopt;
        return *m * (*lens * focal);
    }
    case Rear::Afocal: {
        const auto k = afocalFactor(at.eyepieceMm, at.cameraLensMm);
        return k ? std::optional(*k * (*lens * focal)) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<double> trainFocalRatioAt(const Projection &vkp2, const Train &train,
                                        TrainVariable variable, double mm, double apertureMm)
{
    const auto efl = trainFocalLengthAt(vkp2, train, variable, mm);
    if (!efl || !(std::isfinite(apertureMm) && apertureMm > 0))
        return std::nullopt;
    return *efl / apertureMm;
}

std::optional<double> trainPixelScaleAt(const Projection &vkp2, const Train &train,
                                        TrainVariable variable, double mm, double pixelUm)
{
    const auto efl = trainFocalLengthAt(vkp2, train, variable, mm);
    return efl ? pixelScale(*efl, pixelUm) : std::nullopt;
}

Lens lensOf(const storage::KitLens &k)
{
    Lens l;
    l.kind = k.isBarlow() ? LensKind::Barlow : LensKind::Reducer;
    l.name = k.name;
    l.factor = k.factor;
    l.designSpacingMm = k.designSpacing;
    l.focalMm = k.focalLength;
    return l;
}

} // namespace vkp2::planner
