#pragma once
// How well a camera samples the image: against the seeing (deep sky) and against the
// telescope's diffraction limit (lunar and planetary). Widget-free; Qt Core only.
//
// Every function answers nothing (std::nullopt) when an input is not a finite number above 0.

#include "calculator/core/limits.h"
#include "planner/filters.h"

#include <QString>

#include <optional>

namespace vkp2::planner {

enum class Sampling {
    UnderSampled, // pixels too coarse for the detail on offer
    WellSampled,
    OverSampled,  // pixels finer than the detail: fainter per pixel, no gain
};

// Who a word is for: people read it in their language; CSV and JSON keep it the same in every
// language, so scripts can match it.
enum class Wording { Shown, Data };

// "under-sampled", "well sampled" or "over-sampled".
QString samplingWord(Sampling verdict, Wording wording = Wording::Shown);

// A closed interval; its ends count as inside.
struct Band {
    double low = 0;
    double high = 0;
};

// Seeing: a star's FWHM should span 2 to 3 pixels, so the pixel scale (arcsec/px) is well
// sampled from seeing/3 to seeing/2, under-sampled above, over-sampled below.
std::optional<Band> seeingBand(double seeingArcsec);
std::optional<Sampling> seeingVerdict(double scaleArcsecPerPx, double seeingArcsec);

// Resolving limits of an aperture in mm, in arcsec: Dawes 116/D, and Rayleigh 1.22 λ/D, at
// 550 nm 138.4/D.
std::optional<double> dawesLimitArcsec(double apertureMm);
std::optional<double> rayleighLimitArcsec(double apertureMm,
                                          double wavelengthNm = limits::kWavelengthNm);

// Lunar/planetary: the focal ratio N = 2p/λ at which the pixel pitch p samples the
// diffraction cut-off 1/(λN) at Nyquist. A colour-matrix (Bayer) sensor repeats each colour
// every second pixel, so it needs about twice that.
std::optional<double> criticalFocalRatio(double pixelUm, double wavelengthNm = limits::kWavelengthNm,
                                         bool colourSensor = false);

// Focal ratios from N to 1.5 N are well sampled, below N under-sampled, above 1.5 N
// over-sampled. 1.5 N leaves room for the common "f-ratio = 5 x pixel µm" rule (1.37 N at
// 550 nm) while still calling clearly empty magnification over-sampled.
inline constexpr double focalRatioBandWidth = 1.5;
std::optional<Band> focalRatioBand(double pixelUm, double wavelengthNm = limits::kWavelengthNm,
                                   bool colourSensor = false);
std::optional<Sampling> focalRatioVerdict(double focalRatio, double pixelUm,
                                          double wavelengthNm = limits::kWavelengthNm, bool colourSensor = false);

// The same judged by a chosen rule, wavelength and colour factor (the critical focal ratio
// times the factor; 1 for a mono sensor). Nyquist: N to 1.5 N as above. The 5 × pixel rule:
// N = 5 p, well sampled up to 7 p (the rule's "excellent seeing" end).
struct FocalRatioRule {
    SamplingRule rule = SamplingRule::Nyquist;
    double wavelengthNm = limits::kWavelengthNm;
    double colourFactor = 1;
};
inline constexpr double kPixelTimesLow = 5, kPixelTimesHigh = 7;
std::optional<double> criticalFocalRatio(double pixelUm, const FocalRatioRule &rule);
std::optional<Band> focalRatioBand(double pixelUm, const FocalRatioRule &rule);
std::optional<Sampling> focalRatioVerdict(double focalRatio, double pixelUm,
                                          const FocalRatioRule &rule);

} // namespace vkp2::planner
