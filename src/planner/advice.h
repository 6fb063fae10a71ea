#pragma once
// What the planner advises on a setup the calculator has shown: one source for the command
// line and the planner window, so both give the same verdicts. Widget-free; Qt Core only.
//
// Every number here is worked out from what the calculator shows (its boxes, and the
// magnification its own calculation used), never from a second copy of its formulas:
//  - pixel scales from the EFL as shown and the pixel size in effect, before the boxes round
//    them, so a verdict at a band edge does not move with that rounding;
//  - the sampling pitch is the larger pixel side: the focal ratio must serve both directions;
//  - the critical focal ratio whenever a pixel size is known, whatever the target.

#include "calculator/core/limits.h"
#include "planner/ephemeris.h"
#include "planner/filters.h"
#include "planner/mosaic.h"
#include "planner/sampling.h"
#include "planner/setup.h"
#include "planner/targets.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vkp2::planner {

// What a derotation limit lets a feature move by: one pixel at the setup's scale (the finer
// side), the Dawes limit of the aperture, or a typed angle.
struct Blur {
    enum class Kind { Pixel, Dawes, Arcsec };
    Kind kind = Kind::Pixel;
    double arcsec = 0; // for Kind::Arcsec
};

struct MosaicRequest {
    double overlapPercent = mosaic_limits::kOverlapDefaultPercent;
    double rotationDeg = mosaic_limits::kRotationDefaultDeg;
};

struct AdviceOptions {
    double seeingArcsec = limits::kSeeingArcsec; // FWHM
    double wavelengthNm = limits::kWavelengthNm; // for the critical focal ratio and Rayleigh
    QString filterName;                          // the preset the wavelength is from; empty: typed
    bool colourSensor = false;                   // a colour-matrix (Bayer) sensor
    double colourFactor = colour_factors::kDefault; // what a colour sensor multiplies N by
    SamplingRule rule = SamplingRule::Nyquist;
    std::optional<Target> target;                // a target to fit into the frame
    // The night planned for: the target's size and shape then. Nothing: its sizes over the
    // years only.
    std::optional<QDateTime> moment;
    Blur blur;
    // A full-disc mosaic of the Moon or the Sun; asked for, not always wanted.
    std::optional<MosaicRequest> mosaic;
};

// A verdict per side of the pixel; the two differ only for non-square pixels.
struct SideSampling {
    std::optional<Sampling> width, height;
};

// The target at one of its sizes on the frame.
struct FitAt {
    enum class Size { Only, Smallest, Largest, OnDate };
    Size which = Size::Only;
    double sizeArcsec = 0;        // along the frame's width
    std::optional<TargetFit> fit; // nothing without a camera frame
    double heightArcsec = 0;      // along its height: the size again for a disc
};

// The target on the planned night.
struct TargetOnDate {
    QDateTime moment;
    BodyView view;
    // Where the date's size (the outline's width) lies between the smallest (0) and the
    // largest (100); outside 0 to 100 when the ephemeris goes beyond the table's range.
    double rangePercent = 0;
};

enum class AdviceNote {
    ProjectionReduces, // magnification below 1: the image is smaller than at prime focus
    NoRealImage,       // magnification 0 or below: the ocular forms no image there
    SpacingUnusable,   // a lens spaced outside the range it stays usable in
};
// E.g. "magnification below 1: the projection reduces the image".
QString noteText(AdviceNote note);

struct Advice {
    std::optional<double> magnification;
    std::optional<double> focalRatio;              // EFL / aperture, unrounded
    std::optional<double> scaleWidth, scaleHeight; // arcsec/px, unrounded
    std::optional<double> samplingPitchUm;         // the larger pixel side
    SideSampling seeing;                           // pixel scale against the seeing
    std::optional<double> criticalFocalRatio;      // N; needs a pixel size
    std::optional<Band> focalRatioBand;            // N to 1.5 N
    std::optional<Sampling> focalRatioVerdict;     // needs N and a focal ratio
    std::optional<double> dawesArcsec, rayleighArcsec; // Rayleigh at 550 nm
    std::optional<double> rayleighAtWavelengthArcsec;   // at the chosen wavelength
    double colourFactor = 1; // what the critical focal ratio was multiplied by; 1 for mono
    // A Moon, planet or Sun target: lucky imaging beats the seeing, so the seeing verdict only
    // holds for long exposures.
    bool seeingLongExposureOnly = false;
    // The target's smallest and largest size, or its only one; then its outline on the date.
    QList<FitAt> fits;
    std::optional<TargetOnDate> onDate; // a body and a moment in the ephemeris years
    std::optional<double> blurArcsec;   // the derotation limit's blur
    std::optional<double> derotationLimitS; // a planet that rotates visibly, on the date
    std::optional<Mosaic> mosaic; // the Moon or the Sun, a mosaic asked for and a camera frame
    QList<AdviceNote> notes;
};

// "long exposures only: lucky imaging of the Moon, Sun and planets beats the seeing".
QString seeingLongExposureText();
// Whether that holds for a target: a named body, not a typed size.
bool seeingLongExposureOnlyFor(const std::optional<Target> &target);
// "the longest capture before a feature at the centre of the disc moves by the blur;
// derotation software (WinJUPOS) can stack longer".
QString derotationText();

Advice adviseOn(const Shown &shown, const AdviceOptions &options);

// "well sampled", or "under-sampled (width), well sampled (height)" for non-square pixels;
// empty when there is nothing to judge (no camera, no focal length).
QString seeingVerdictText(const Advice &advice, Wording wording = Wording::Shown);
// The focal-ratio verdict's word; empty when there is none.
QString focalRatioVerdictText(const Advice &advice, Wording wording = Wording::Shown);

// The pixel pitch the focal-ratio advice uses: the larger side; nothing without a camera.
std::optional<double> samplingPitchUm(const Shown &shown);

// The order the kit walk visits the camera entries in (indexes into `cameras`, leaving out
// "None or Film" and "User-Defined"): alike binning, pixel and chip sizes next to each other,
// so each choice rewrites few boxes and the calculator's handlers nest less.
QList<qsizetype> cameraVisitOrder(const QStringList &cameras);

} // namespace vkp2::planner
