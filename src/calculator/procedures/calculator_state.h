#pragma once
// The calculator's named working values, kept for the calculator's whole life.

#include "calculator/core/working_value.h"

#include <QString>

#include <array>

namespace vkp2 {

struct CalculatorState {
    WorkingValue OcularOffset;       // mm, subtracted in the projection distance
    WorkingValue OcularLength;       // mm, added in the projection distance
    WorkingValue OcularFocalLength;  // mm; 0 means no ocular in the adapter (prime focus)
    WorkingValue FocalLength;        // mm, telescope
    WorkingValue ApertureDiameter;   // mm, telescope
    WorkingValue FocalRatio;         // FocalLength / ApertureDiameter, unrounded
    WorkingValue DistanceD;          // mm, camera focal distance D
    WorkingValue DistanceTL;         // mm, distance TL
    WorkingValue ProjectionDistance; // mm, ocular to image
    WorkingValue PixelWidth;         // micrometres
    WorkingValue PixelHeight;        // micrometres
    WorkingValue ChipWidthPx;        // pixels
    WorkingValue ChipHeightPx;       // pixels
    WorkingValue ChipWidthMm;        // mm
    WorkingValue ChipHeightMm;       // mm

    // Lines 1..12 of the user equipment file, read at start-up; index 0 is unused.
    std::array<QString, 13> UserData;
};

} // namespace vkp2
