#pragma once
// A full-disc mosaic of the Moon or the Sun, and how long a planet may be captured before its
// rotation blurs it. Widget-free; Qt Core only.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace vkp2::planner {

namespace mosaic_limits {
inline constexpr double kOverlapDefaultPercent = 15;
inline constexpr double kOverlapLowestPercent = 0;
inline constexpr double kOverlapHighestPercent = 50;
inline constexpr double kRotationDefaultDeg = 0;
// More panes than this is no plan anyone would shoot; the grid is refused instead.
inline constexpr int kPanesHighest = 10000;
} // namespace mosaic_limits

// An overlap the grid can use: 0 to 50 %.
bool overlapInRange(double percent);
// A camera rotation: any finite angle (it is reduced to a turn).
bool rotationInRange(double deg);
// The rotation, reduced to a turn, in radians: a huge angle turns the grid as its remainder.
double turnRadians(double rotationDeg);

// A pane's centre in arcsec from the disc's centre on the sky: x to the frame's unrotated
// width direction, y to its height direction (the camera turned by the rotation about the
// disc's centre turns the grid with it).
struct MosaicPane {
    int column = 0, row = 0; // in the camera's own grid, from 0
    double xArcsec = 0, yArcsec = 0;
};

struct Mosaic {
    int columns = 0, rows = 0;
    double frameWidthArcsec = 0, frameHeightArcsec = 0;
    double overlapPercent = 0, rotationDeg = 0;
    // Row by row, column by column; the grid's panes that touch the disc. One pane at the
    // centre when the disc fits the frame.
    QList<MosaicPane> panes;
};

// The smallest centred grid of frames overlapping by `overlapPercent` of their own size that
// covers a disc of `discArcsec` diameter. Nothing when an input is out of range (overlap
// outside 0 to 50 %, a size not above 0) or the grid would exceed kPanesHighest panes.
std::optional<Mosaic> planMosaic(double discArcsec, double frameWidthArcsec,
                                 double frameHeightArcsec,
                                 double overlapPercent = mosaic_limits::kOverlapDefaultPercent,
                                 double rotationDeg = mosaic_limits::kRotationDefaultDeg);

// "a mosaic needs a camera frame and at most 10000 panes": why there is none.
QString noMosaicText();

// The panes as CSV, a dot for decimals: pane (from 1), column, row, x_arcsec, y_arcsec.
QByteArray mosaicPanesCsv(const Mosaic &mosaic);

// Whether a point (arcsec from the disc's centre, the sky's axes) falls inside one of the panes.
bool mosaicCovers(const Mosaic &mosaic, double xArcsec, double yArcsec);

namespace derotation_limits {
// What a typed blur starts from in a window, in arcsec.
inline constexpr double kTypedBlurDefaultArcsec = 0.5;
} // namespace derotation_limits

// A blur the derotation limit can use: a finite angle above 0.
bool blurInRange(double arcsec);

// The longest capture before a feature at the centre of the disc moves by `blurArcsec`:
// t = blur × P / (π × d), P the rotation period, d the equatorial diameter. In seconds;
// nothing unless every input is a finite number above 0 and so is the result.
std::optional<double> derotationLimitSeconds(double blurArcsec, double rotationHours,
                                             double equatorialArcsec);

} // namespace vkp2::planner
