#include "planner/sampling.h"

#include "calculator/core/optics.h"
#include "planner/words.h"

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

QString samplingWord(Sampling verdict, Wording wording)
{
    const char *word = nullptr;
    switch (verdict) {
    case Sampling::UnderSampled:
        word = QT_TRANSLATE_NOOP("Planner", "under-sampled");
        break;
    case Sampling::WellSampled:
        word = QT_TRANSLATE_NOOP("Planner", "well sampled");
        break;
    case Sampling::OverSampled:
        word = QT_TRANSLATE_NOOP("Planner", "over-sampled");
        break;
    }
    if (!word)
        return {};
    return wording == Wording::Shown ? Words::tr(word) : QString::fromLatin1(word);
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

std::optional<double> rayleighLimitArcsec(double apertureMm, double wavelengthNm)
{
    if (!positive(apertureMm) || !positive(wavelengthNm))
        return std::nullopt;
    // 1.22 λ/D in radians, λ and D both in mm.
    return 1.22 * (wavelengthNm * 1e-6) * optics::kArcsecPerRadian / apertureMm;
}

namespace {

FocalRatioRule ruleOf(double wavelengthNm, bool colourSensor)
{
    return {SamplingRule::Nyquist, wavelengthNm, colourSensor ? colour_factors::kDefault : 1.0};
}

} // namespace

std::optional<double> criticalFocalRatio(double pixelUm, double wavelengthNm, bool colourSensor)
{
    return criticalFocalRatio(pixelUm, ruleOf(wavelengthNm, colourSensor));
}

std::optional<Band> focalRatioBand(double pixelUm, double wavelengthNm, bool colourSensor)
{
    return focalRatioBand(pixelUm, ruleOf(wavelengthNm, colourSensor));
}

std::optional<Sampling> focalRatioVerdict(double focalRatio, double pixelUm, double wavelengthNm,
                                          bool colourSensor)
{
    return focalRatioVerdict(focalRatio, pixelUm, ruleOf(wavelengthNm, colourSensor));
}

std::optional<double> criticalFocalRatio(double pixelUm, const FocalRatioRule &rule)
{
    if (!positive(pixelUm) || !positive(rule.colourFactor))
        return std::nullopt;
    if (rule.rule == SamplingRule::PixelTimes5)
        return kPixelTimesLow * pixelUm * rule.colourFactor;
    if (!positive(rule.wavelengthNm))
        return std::nullopt;
    return 2 * (pixelUm * 1000) / rule.wavelengthNm * rule.colourFactor; // both in nm
}

std::optional<Band> focalRatioBand(double pixelUm, const FocalRatioRule &rule)
{
    const auto n = criticalFocalRatio(pixelUm, rule);
    if (!n)
        return std::nullopt;
    const double width =
        rule.rule == SamplingRule::PixelTimes5 ? kPixelTimesHigh / kPixelTimesLow : focalRatioBandWidth;
    return Band{*n, width * *n};
}

std::optional<Sampling> focalRatioVerdict(double focalRatio, double pixelUm,
                                          const FocalRatioRule &rule)
{
    const auto band = focalRatioBand(pixelUm, rule);
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
