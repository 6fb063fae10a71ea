#pragma once
// Ocular catalogue, in list order (after "No-VKP2" at position 0). All values in millimetres:
// the offset is subtracted from and the length added to the projection distance, which the
// ocular's focal length then divides.

#include <array>

namespace vkp2::catalog {

struct OcularRow {
    const char *name;
    double offset;
    double length;
    double focalLength;
};

inline constexpr std::array<OcularRow, 10> kOculars{{
    {"WS 5mm", 40.9, 58, 5},
    {"WS 7.5mm", 29.1, 58, 7.5},
    {"WS 12.5mm", 19.5, 58, 12.5},
    {"WS 18mm", 27.4, 58, 18},
    {"WS 24mm", 36.5, 58, 24},
    {"PT 5mm", 2.17, 54, 5},
    {"PT 7mm", 4.86, 54, 7},
    {"PT 9mm", 7.63, 54, 9},
    {"PT 18mm", 18.58, 54, 18},
    {"PT 25mm", 27.13, 54, 25},
}};

inline constexpr const char *kDefaultOcular = "WS 5mm";

} // namespace vkp2::catalog
