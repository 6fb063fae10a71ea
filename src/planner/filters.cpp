#include "planner/filters.h"

#include "planner/keyed_rows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vkp2::planner {

namespace {

// Centre wavelengths of the common planetary and solar filters: the Ca-K and H-alpha lines
// (393.4 and 656.3 nm), the methane band at 889 nm, the usual IR-pass edges 685, 742 and 807
// nm, and the middle of the B, G, R and luminance passbands.
constexpr std::array<FilterPreset, 11> kFilters{{
    {"uv", "UV", 365},
    {"cak", "Ca-K", 393.4},
    {"b", "B", 450},
    {"g", "G", 530},
    {"l", "L", 550},
    {"r", "R", 650},
    {"halpha", "H-alpha", 656.3},
    {"ir685", "IR 685", 685},
    {"ir742", "IR 742", 742},
    {"ir807", "IR 807", 807},
    {"ch4", QT_TRANSLATE_NOOP("Planner", "Methane"), 889},
}};

constexpr std::array<SamplingRuleInfo, 2> kRules{{
    {SamplingRule::Nyquist, "nyquist", QT_TRANSLATE_NOOP("Planner", "Nyquist (2 × pixel / wavelength)"),
     QT_TRANSLATE_NOOP("Planner", "Nyquist–Shannon sampling of the diffraction cut-off 1/(λN)")},
    {SamplingRule::PixelTimes5, "5x", QT_TRANSLATE_NOOP("Planner", "5 × pixel (up to 7 × in excellent seeing)"),
     QT_TRANSLATE_NOOP("Planner", "a rule of thumb widely quoted among planetary imagers; 1.37 × Nyquist at 550 nm")},
}};

} // namespace

std::span<const FilterPreset> filterPresets() { return kFilters; }

const FilterPreset &defaultFilter()
{
    return *rowWithKey(filterPresets(), QStringView(QString::fromLatin1(kDefaultFilterKey)));
}

QStringList filterKeys() { return keysOf(filterPresets()); }

std::optional<FilterPreset> findFilter(QStringView key)
{
    if (const FilterPreset *f = rowWithKey(filterPresets(), key))
        return *f;
    return std::nullopt;
}

bool wavelengthInRange(double nm)
{
    return std::isfinite(nm) && nm >= filter_limits::kWavelengthLowestNm
           && nm <= filter_limits::kWavelengthHighestNm;
}

std::span<const SamplingRuleInfo> samplingRules() { return kRules; }

const SamplingRuleInfo &samplingRuleInfo(SamplingRule rule)
{
    return kRules[static_cast<std::size_t>(rule)];
}

std::optional<SamplingRule> findSamplingRule(QStringView key)
{
    if (const SamplingRuleInfo *r = rowWithKey(samplingRules(), key))
        return r->id;
    return std::nullopt;
}

bool isColourFactor(double factor)
{
    return std::any_of(std::begin(colour_factors::kChoices), std::end(colour_factors::kChoices),
                       [factor](double c) { return c == factor; });
}

} // namespace vkp2::planner
