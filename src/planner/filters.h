#pragma once
// The wavelengths imagers choose by their filter, and the rules they sample by. Widget-free;
// Qt Core only.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace vkp2::planner {

namespace filter_limits {
inline constexpr double kWavelengthLowestNm = 300;
inline constexpr double kWavelengthHighestNm = 1100;
} // namespace filter_limits

struct FilterPreset {
    const char *key;  // for the command line, e.g. "halpha"
    const char *name; // for display, e.g. "H-alpha"
    double wavelengthNm;
};

// Luminance, at the advice's default 550 nm.
inline constexpr const char *kDefaultFilterKey = "l";
const FilterPreset &defaultFilter();

// UV to methane, in order of wavelength.
std::span<const FilterPreset> filterPresets();
QStringList filterKeys();
// By key, ignoring case; nothing for an unknown key.
std::optional<FilterPreset> findFilter(QStringView key);
// Whether a typed wavelength is one the advice can use (300 to 1100 nm).
bool wavelengthInRange(double nm);

// How finely to sample at lunar and planetary focal ratios: practitioners differ.
enum class SamplingRule {
    Nyquist,     // N = 2p/λ, well sampled to 1.5 N
    PixelTimes5, // the rule of thumb N = 5 × pixel in µm, well sampled to 7 × pixel
};

struct SamplingRuleInfo {
    SamplingRule id;
    const char *key;  // "nyquist", "5x"
    const char *name; // for display
    const char *source;
};
std::span<const SamplingRuleInfo> samplingRules();
const SamplingRuleInfo &samplingRuleInfo(SamplingRule rule);
std::optional<SamplingRule> findSamplingRule(QStringView key);

// A colour-matrix (Bayer) sensor repeats each colour every second pixel: the critical focal
// ratio times 2, or 1.5 as many find enough; 1 when so many frames are stacked that drizzling
// recovers the resolution.
namespace colour_factors {
inline constexpr double kDefault = 2;
inline constexpr double kChoices[] = {1, 1.5, 2};
} // namespace colour_factors
bool isColourFactor(double factor);

} // namespace vkp2::planner
