#include "planner/solve.h"

#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "planner/words.h"

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

// D is typed with 2 decimals; one that rounds onto an end stop is set at that stop. This also
// absorbs the last-bit error of a goal read off the forward formula at an end stop.
bool reachable(double d)
{
    const double typed = numbers::round2(d);
    return typed >= minDistanceMm && typed <= maxDistanceMm;
}

// Whole mm, or 1 decimal under 10 mm; more decimals only while the rounded figure would
// still read as allowed (1000.3 must not read "1000").
QString distanceText(double d, const QLocale &locale)
{
    int decimals = std::abs(d) < 10 ? 1 : 0;
    QString s = QString::number(d, 'f', decimals);
    while (decimals < 9) {
        const double shown = s.toDouble();
        if (shown < minDistanceMm || shown > maxDistanceMm)
            break;
        s = QString::number(d, 'f', ++decimals);
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(s.toDouble(), 'f', decimals);
}

QString outOfRangeReason(double d, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return Words::tr("needs D = %1 mm; the adapter allows %2 to %3")
        .arg(distanceText(d, locale), plain.toString(minDistanceMm), plain.toString(maxDistanceMm));
}

Solution invalid(const QString &why) { return {SolveStatus::InvalidInput, 0, why}; }

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
        return invalid(Words::tr("the telescope focal length must be above 0 and at most %1 mm")
                           .arg(maxTelescopeFocalMm));
    const auto efl = goalFocalLength(goal);
    if (!efl) {
        switch (goal.kind) {
        case Goal::Kind::FocalLength:
            return invalid(Words::tr("the focal length must be above 0"));
        case Goal::Kind::FocalRatio:
            return invalid(Words::tr("the focal ratio and the aperture must be above 0"));
        case Goal::Kind::PixelScale:
            return invalid(Words::tr("the pixel scale and the pixel size must be above 0"));
        }
    }
    if (!setup.ocular)
        return {SolveStatus::PrimeFocus, 0,
                Words::tr("No-VKP2: at prime focus the focal length does not depend on D")};
    if (!ocularUsable(*setup.ocular))
        return invalid(Words::tr("the ocular focal length must be above 0"));
    if (!tubeLengthAllowed(setup.tubeLengthMm))
        return invalid(Words::tr("TL must be %1 to %2 mm").arg(minTubeLengthMm).arg(maxTubeLengthMm));

    const OcularGeometry &o = *setup.ocular;
    const double d = (*efl / setup.telescopeFocalMm + 1) * o.focalMm
        - (o.lengthMm + setup.tubeLengthMm + adapterFixedMm - o.offsetMm);
    if (!reachable(d))
        return {SolveStatus::OutOfRange, d, outOfRangeReason(d, QLocale::c())};
    return {SolveStatus::Solved, std::clamp(d, minDistanceMm, maxDistanceMm), {}};
}

QString reasonText(const Solution &solution, const QLocale &locale)
{
    if (solution.status == SolveStatus::OutOfRange)
        return outOfRangeReason(solution.distanceMm, locale);
    return solution.reason; // whole numbers only, alike in every locale
}

} // namespace vkp2::planner
