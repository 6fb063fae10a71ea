#pragma once
// Eyepiece projection through the VKP-2 adapter, forward (focal length at a distance D) and
// backward (the D that reaches a goal). Widget-free; Qt Core only.
//
//   P   = OL + TL + 3 + D - offset     projection distance, mm
//   M   = P / f - 1                    magnification of the projected image
//   EFL = M x F                        extended focal length, mm
// so the D for a wanted EFL is (EFL / F + 1) x f - (OL + TL + 3 - offset).

#include "calculator/core/limits.h"
#include "calculator/core/optics.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace vkp2::planner {

inline constexpr double minDistanceMm = limits::kDistanceDLowest;
inline constexpr double maxDistanceMm = limits::kDistanceDHighest;
inline constexpr double minTubeLengthMm = limits::kDistanceTlLowest;
inline constexpr double maxTubeLengthMm = limits::kDistanceTlHighest;
inline constexpr double maxTelescopeFocalMm = limits::kTelescopeHighest;
inline constexpr double adapterFixedMm = optics::kAdapterExtra; // fixed length the adapter adds to P
inline constexpr double arcsecPerRadian = optics::kArcsecPerRadian;

struct OcularGeometry {
    double offsetMm = 0;
    double lengthMm = 0; // OL
    double focalMm = 0;  // f
};

struct Projection {
    double telescopeFocalMm = 0;          // F
    std::optional<OcularGeometry> ocular; // none: prime focus ("No-VKP2"), EFL = F
    double tubeLengthMm = 0;              // TL
};

// P for an ocular; plain arithmetic, no range checks.
double projectionDistance(const OcularGeometry &ocular, double tubeLengthMm, double distanceMm);

// EFL at D, for the chart's curves. Nothing when F, f or TL is out of range, D is outside
// 0..1000, or the ocular would form no real image there (EFL <= 0).
std::optional<double> focalLengthAt(const Projection &setup, double distanceMm);
std::optional<double> focalRatioAt(const Projection &setup, double apertureMm, double distanceMm);
std::optional<double> pixelScaleAt(const Projection &setup, double pixelUm, double distanceMm);

// arcsec/px = 206265 x (pixel µm / 1000) / EFL, and back. Nothing unless both inputs are > 0.
std::optional<double> pixelScale(double focalLengthMm, double pixelUm);
std::optional<double> focalLengthForPixelScale(double arcsecPerPx, double pixelUm);

// What the user wants to reach.
struct Goal {
    enum class Kind { FocalLength, FocalRatio, PixelScale };
    Kind kind = Kind::FocalLength;
    double value = 0;      // mm, N, or arcsec/px
    double apertureMm = 0; // FocalRatio only
    double pixelUm = 0;    // PixelScale only

    static Goal focalLength(double mm) { return {Kind::FocalLength, mm, 0, 0}; }
    static Goal focalRatio(double n, double apertureMm) { return {Kind::FocalRatio, n, apertureMm, 0}; }
    static Goal pixelScale(double arcsecPerPx, double pixelUm)
    {
        return {Kind::PixelScale, arcsecPerPx, 0, pixelUm};
    }
};

// The EFL a goal asks for; nothing when one of its numbers is not above 0.
std::optional<double> goalFocalLength(const Goal &goal);

enum class SolveStatus { Solved, OutOfRange, PrimeFocus, InvalidInput };

struct Solution {
    SolveStatus status = SolveStatus::InvalidInput;
    // Solved: the D to set. OutOfRange: the D it would need. Otherwise 0.
    double distanceMm = 0;
    // Empty when solved; else e.g. "needs D = 1240 mm; the adapter allows 0 to 1000".
    QString reason;

    bool ok() const { return status == SolveStatus::Solved; }
};

// A D that rounds (to the 2 decimals it is typed with) onto an end stop counts as reached there.
Solution solveDistance(const Projection &setup, const Goal &goal);

// The reason a solution gives, with its numbers in the given locale's form. The reason held
// in Solution uses a dot.
QString reasonText(const Solution &solution, const QLocale &locale);

} // namespace vkp2::planner
