#include "planner/solve.h"

#include "calculator/core/optics.h"

#include <algorithm>
#include <cmath>

namespace vkp2::planner {

namespace {

bool positive(double v) { return std::isfinite(v) && v > 0; }
// The calculator takes telescope focal lengths up to 10000 mm and computes nothing beyond.
bool telescopeFocalInRange(double v) { return positive(v) && v <= maxTelescopeFocalMm; }

bool tubeLengthAllowed(double tl)
{
    return std::isfinite(tl) && tl >= minTubeLengthMm && tl <= maxTubeLengthMm;
}

bool ocularUsable(const OcularGeometry &o)
{
    return positive(o.focalMm) && std::isfinite(o.offsetMm) && std::isfinite(o.lengthMm);
}

// A goal read off the forward formula at an end stop must solve back inside, despite the
// last-bit error of the round trip; a micrometre-scale slack is far below any real setting.
constexpr double distanceSlackMm = 1e-9;

// Whole mm, or 1 decimal under 10 mm; more decimals only while the rounded figure would
// still read as allowed (1000.3 must not read "1000").
QString distanceText(double d)
{
    int decimals = std::abs(d) < 10 ? 1 : 0;
    QString s = QString::number(d, 'f', decimals);
    while (decimals < 9) {
        const double shown = s.toDouble();
        if (shown < minDistanceMm || shown > maxDistanceMm)
            break;
        s = QString::number(d, 'f', ++decimals);
    }
    return s;
}

Solution invalid(const char *why) { return {SolveStatus::InvalidInput, 0, QString::fromLatin1(why)}; }

} // namespace

double projectionDistance(const OcularGeometry &ocular, double tubeLengthMm, double distanceMm)
{
    return optics::projectionDistance(ocular.lengthMm, tubeLengthMm, distanceMm, ocular.offsetMm);
}

std::optional<double> focalLengthAt(const Projection &setup, double distanceMm)
{
    if (!telescopeFocalInRange(setup.telescopeFocalMm) || !std::isfinite(distanceMm)
        || distanceMm < minDistanceMm || distanceMm > maxDistanceMm)
        return std::nullopt;
    if (!setup.ocular)
        return setup.telescopeFocalMm;
    if (!ocularUsable(*setup.ocular) || !tubeLengthAllowed(setup.tubeLengthMm))
        return std::nullopt;
    const double p = projectionDistance(*setup.ocular, setup.tubeLengthMm, distanceMm);
    const double efl = (p / setup.ocular->focalMm - 1) * setup.telescopeFocalMm;
    if (!(efl > 0))
        return std::nullopt;
    return efl;
}

std::optional<double> focalRatioAt(const Projection &setup, double apertureMm, double distanceMm)
{
    const auto efl = focalLengthAt(setup, distanceMm);
    if (!efl || !positive(apertureMm))
        return std::nullopt;
    return *efl / apertureMm;
}

std::optional<double> pixelScaleAt(const Projection &setup, double pixelUm, double distanceMm)
{
    const auto efl = focalLengthAt(setup, distanceMm);
    return efl ? pixelScale(*efl, pixelUm) : std::nullopt;
}

std::optional<double> pixelScale(double focalLengthMm, double pixelUm)
{
    if (!positive(focalLengthMm) || !positive(pixelUm))
        return std::nullopt;
    return optics::pixelScaleArcsec(pixelUm, focalLengthMm);
}

std::optional<double> focalLengthForPixelScale(double arcsecPerPx, double pixelUm)
{
    if (!positive(arcsecPerPx) || !positive(pixelUm))
        return std::nullopt;
    return arcsecPerRadian * (pixelUm / 1000) / arcsecPerPx;
}

std::optional<double> goalFocalLength(const Goal &goal)
{
    switch (goal.kind) {
    case Goal::Kind::FocalLength:
        return positive(goal.value) ? std::optional(goal.value) : std::nullopt;
    case Goal::Kind::FocalRatio:
        if (!positive(goal.value) || !positive(goal.apertureMm))
            return std::nullopt;
        return goal.value * goal.apertureMm;
    case Goal::Kind::PixelScale:
        return focalLengthForPixelScale(goal.value, goal.pixelUm);
    }
    return std::nullopt;
}

Solution solveDistance(const Projection &setup, const Goal &goal)
{
    if (!telescopeFocalInRange(setup.telescopeFocalMm))
        return invalid("the telescope focal length must be above 0 and at most 10000 mm");
    const auto efl = goalFocalLength(goal);
    if (!efl) {
        switch (goal.kind) {
        case Goal::Kind::FocalLength:
            return invalid("the focal length must be above 0");
        case Goal::Kind::FocalRatio:
            return invalid("the focal ratio and the aperture must be above 0");
        case Goal::Kind::PixelScale:
            return invalid("the pixel scale and the pixel size must be above 0");
        }
    }
    if (!setup.ocular)
        return {SolveStatus::PrimeFocus, 0,
                QStringLiteral("No-VKP2: at prime focus the focal length does not depend on D")};
    if (!ocularUsable(*setup.ocular))
        return invalid("the ocular focal length must be above 0");
    if (!tubeLengthAllowed(setup.tubeLengthMm))
        return invalid("TL must be 0 to 30 mm");

    const OcularGeometry &o = *setup.ocular;
    const double d = (*efl / setup.telescopeFocalMm + 1) * o.focalMm
        - (o.lengthMm + setup.tubeLengthMm + adapterFixedMm - o.offsetMm);
    if (d < minDistanceMm - distanceSlackMm || d > maxDistanceMm + distanceSlackMm) {
        return {SolveStatus::OutOfRange, d,
                QStringLiteral("needs D = %1 mm; the adapter allows %2 to %3")
                    .arg(distanceText(d), QString::number(minDistanceMm),
                         QString::number(maxDistanceMm))};
    }
    return {SolveStatus::Solved, std::clamp(d, minDistanceMm, maxDistanceMm), {}};
}

} // namespace vkp2::planner
