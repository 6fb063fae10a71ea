#include "planner/sampling.h"

#include "calculator/core/optics.h"

#include <cmath>

namespace vkp2::planner {

namespace {

bool positive(double v) { return std::isfinite(v) && v > 0; }

// Band ends such as seeing/3 are rounded binary fractions; a scale equal to the end in decimal
// may land a hair outside, so the ends get this much relative slack.
constexpr double edgeSlack = 1e-12;

enum class Place { Below, Inside, Above };

Place place(double value, Band band)
{
    if (value > band.high * (1 + edgeSlack))
        return Place::Above;
    if (value < band.low * (1 - edgeSlack))
        return Place::Below;
    return Place::Inside;
}

} // namespace

QString samplingWord(Sampling verdict)
{
    switch (verdict) {
    case Sampling::UnderSampled:
        return QStringLiteral("under-sampled");
    case Sampling::WellSampled:
        return QStringLiteral("well sampled");
    case Sampling::OverSampled:
        return QStringLiteral("over-sampled");
    }
    return {};
}

std::optional<Band> seeingBand(double seeingArcsec)
{
    if (!positive(seeingArcsec))
        return std::nullopt;
    return Band{seeingArcsec / 3, seeingArcsec / 2};
}

std::optional<Sampling> seeingVerdict(double scaleArcsecPerPx, double seeingArcsec)
{
    const auto band = seeingBand(seeingArcsec);
    if (!band || !positive(scaleArcsecPerPx))
        return std::nullopt;
    switch (place(scaleArcsecPerPx, *band)) {
    case Place::Above: // each pixel spans more sky than the seeing blurs
        return Sampling::UnderSampled;
    case Place::Below:
        return Sampling::OverSampled;
    case Place::Inside:
        break;
    }
    return Sampling::WellSampled;
}

std::optional<double> dawesLimitArcsec(double apertureMm)
{
    if (!positive(apertureMm))
        return std::nullopt;
    return 116.0 / apertureMm;
}

std::optional<double> rayleighLimitArcsec(double apertureMm)
{
    if (!positive(apertureMm))
        return std::nullopt;
    // 1.22 λ/D in radians, λ and D both in mm.
    constexpr double rayleighFactor = 1.22 * (limits::kWavelengthNm * 1e-6) * optics::kArcsecPerRadian;
    return rayleighFactor / apertureMm;
}

std::optional<double> criticalFocalRatio(double pixelUm, double wavelengthNm, bool colourSensor)
{
    if (!positive(pixelUm) || !positive(wavelengthNm))
        return std::nullopt;
    const double n = 2 * (pixelUm * 1000) / wavelengthNm; // both in nm
    return colourSensor ? 2 * n : n;
}

std::optional<Band> focalRatioBand(double pixelUm, double wavelengthNm, bool colourSensor)
{
    const auto n = criticalFocalRatio(pixelUm, wavelengthNm, colourSensor);
    if (!n)
        return std::nullopt;
    return Band{*n, focalRatioBandWidth * *n};
}

std::optional<Sampling> focalRatioVerdict(double focalRatio, double pixelUm, double wavelengthNm,
                                          bool colourSensor)
{
    const auto band = focalRatioBand(pixelUm, wavelengthNm, colourSensor);
    if (!band || !positive(focalRatio))
        return std::nullopt;
    // A higher focal ratio spreads the image over more pixels: the opposite of a pixel scale.
    switch (place(focalRatio, *band)) {
    case Place::Above:
        return Sampling::OverSampled;
    case Place::Below:
        return Sampling::UnderSampled;
    case Place::Inside:
        break;
    }
    return Sampling::WellSampled;
}

} // namespace vkp2::planner
