#pragma once
// The ranges the calculator accepts and the values it falls back to, and the planner's own
// defaults. The calculator, the planner engine, the planner window and the command line all
// read them here, so a limit cannot differ between them.

namespace vkp2::limits {

// A telescope's focal length and aperture in mm: the calculator computes nothing outside.
inline constexpr double kTelescopeLowest = 0;
inline constexpr double kTelescopeHighest = 10000;
// A bare "0" typed as either is replaced by this.
inline constexpr double kTelescopeZeroReplacement = 50;

// The distances of the adapter in mm, and what an out-of-range value falls back to.
inline constexpr double kDistanceDLowest = 0;
inline constexpr double kDistanceDHighest = 1000;
inline constexpr double kDistanceDDefault = 55;
inline constexpr double kDistanceTlLowest = 0;
inline constexpr double kDistanceTlHighest = 30;
inline constexpr double kDistanceTlDefault = 5;

// Planner defaults: the wavelength the sampling advice assumes, in nm, and the seeing, in arcsec.
inline constexpr double kWavelengthNm = 550;
inline constexpr double kSeeingArcsec = 2;

} // namespace vkp2::limits
