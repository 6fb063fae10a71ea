#pragma once
// Solar System targets and whether one fits the camera frame. Widget-free; Qt Core only.

#include "planner/bodies.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace vkp2::planner {

// Apparent diameter from Earth, smallest and largest, in arcsec. For Saturn the figure is the
// ring system (outer edge of the A ring), not the globe: the rings are what must fit the frame.
struct Target {
    enum Flag : unsigned {
        Planetary = 1, // the Moon or a planet: lunar and planetary imaging, by focal ratio
        Rings = 2,     // the figures are a ring system's, drawn around the globe
        Sun = 4,       // needs a solar filter; deep-sky and planetary advice alike apply
    };
    const char *key;  // lower case, for the command line
    const char *name; // for display
    double minArcsec;
    double maxArcsec;
    unsigned flags = 0;
    // The body the ephemeris places on a date; nothing for a typed size.
    std::optional<Body> body;

    bool planetary() const { return flags & Planetary; }
    bool hasRings() const { return flags & Rings; }
    bool isSun() const { return flags & Sun; }
    // One size only (a typed size): nothing to tell between smallest and largest.
    bool singleSize() const { return minArcsec == maxArcsec; }
};

// Moon, Sun, then the planets outward from the Sun, Mercury to Neptune.
std::span<const Target> targets();
QStringList targetKeys();
// The name people read, in their language; `name` stays the English one a setting keeps.
QString shownName(const Target &target);
// By key, ignoring case; nothing for an unknown key.
std::optional<Target> findTarget(QStringView key);

enum class FrameSide { Width, Height };

struct TargetFit {
    double widthPx = 0;  // the disc's size on the sensor
    double heightPx = 0; // differs from widthPx when the pixels are not square
    bool fits = false;   // inside the frame on both sides
    // The side the disc fills most; the height when both are filled alike.
    FrameSide tighterSide = FrameSide::Height;
    double fillPercent = 0;  // of the tighter side
    double sparePercent = 0; // 100 - fillPercent; below 0 when it does not fit
};

// A disc of sizeArcsec on a chip of chipWidthPx x chipHeightPx pixels at the given pixel scales
// (arcsec/px). Nothing unless every input is above 0.
std::optional<TargetFit> fitTarget(double sizeArcsec, double scaleWidthArcsecPerPx,
                                   double scaleHeightArcsecPerPx, int chipWidthPx,
                                   int chipHeightPx);
// An ellipse of widthArcsec along the frame's width and heightArcsec along its height (a
// planet's equator, or Saturn's rings, along the width, as imagers turn the camera).
std::optional<TargetFit> fitShape(double widthArcsec, double heightArcsec,
                                  double scaleWidthArcsecPerPx, double scaleHeightArcsecPerPx,
                                  int chipWidthPx, int chipHeightPx);

// E.g. "Jupiter, 50.1″: 330 × 330 px, fits with 40 % to spare" or
// "Jupiter, 50.1″: 500 × 500 px, does not fit: 105 % of the frame height".
// Locale-free: '.' for decimals. Pixels are rounded to whole ones; the spare percent is rounded
// down and an overflow percent up, so neither flatters the fit.
QString fitSentence(const QString &targetName, double sizeArcsec, const TargetFit &fit);
// The same with its numbers in the given locale's form.
QString fitSentence(const QString &targetName, double sizeArcsec, const TargetFit &fit,
                    const QLocale &locale);
// For an ellipse: "Saturn, 42.3″ × 8.1″: …"; the one-size form when both are equal.
QString fitSentence(const QString &targetName, double widthArcsec, double heightArcsec,
                    const TargetFit &fit, const QLocale &locale);

} // namespace vkp2::planner
