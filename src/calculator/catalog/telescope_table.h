#pragma once
// Telescope catalogue, in list order (after "User-Defined" at position 0).
// Focal length and aperture in whole millimetres.

#include <array>

namespace vkp2::catalog {

struct TelescopeRow {
    const char *name;
    double focalLength;
    double aperture;
};

inline constexpr std::array<TelescopeRow, 19> kTelescopes{{
    {"AR-50", 400, 50},
    {"AR-60", 500, 60},
    {"BR-60X", 355, 60},
    {"CR-65", 320, 65},
    {"AR-65", 500, 65},
    {"CR-76", 487, 76},
    {"AR-76", 600, 76},
    {"BR-78", 630, 78},
    {"CR-100", 640, 100},
    {"AR-100", 800, 100},
    {"AR-100L", 1000, 100},
    {"BR-102", 820, 102},
    {"DR-106", 530, 106},
    {"CR-125", 705, 125},
    {"CR-125L", 1000, 125},
    {"BR-128", 1040, 128},
    {"CR-150", 1050, 150},
    {"AR-150", 1700, 150},
    {"BR-152", 1216, 152},
}};

inline constexpr const char *kDefaultTelescope = "DR-106";

} // namespace vkp2::catalog
