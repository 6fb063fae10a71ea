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
#include "planner/sampling.h"
#include "planner/setup.h"
#include "planner/targets.h"

#include <QList>
#include <QString>

#include <optional>

namespace vkp2::planner {

struct AdviceOptions {
    double seeingArcsec = limits::kSeeingArcsec; // FWHM
    double wavelengthNm = limits::kWavelengthNm; // for the critical focal ratio
    bool colourSensor = false;                   // a colour-matrix (Bayer) sensor
    std::optional<Target> target;                // a target to fit into the frame
};

// A verdict per side of the pixel; the two differ only for non-square pixels.
struct SideSampling {
    std::optional<Sampling> width, height;
};

// The target at one of its sizes on the frame.
struct FitAt {
    enum class Size { Only, Smallest, Largest };
    Size which = Size::Only;
    double sizeArcsec = 0;
    std::optional<TargetFit> fit; // nothing without a camera frame
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
    QList<FitAt> fits; // the target's smallest and largest size, or its only one
    QList<AdviceNote> notes;
};

Advice adviseOn(const Shown &shown, const AdviceOptions &options);

// "well sampled", or "under-sampled (width), well sampled (height)" for non-square pixels;
// empty when there is nothing to judge (no camera, no focal length).
QString seeingVerdictText(const Advice &advice);
// The focal-ratio verdict's word; empty when there is none.
QString focalRatioVerdictText(const Advice &advice);

// The pixel pitch the focal-ratio advice uses: the larger side; nothing without a camera.
std::optional<double> samplingPitchUm(const Shown &shown);

// The order the kit walk visits the camera entries in (indexes into `cameras`, leaving out
// "None or Film" and "User-Defined"): alike binning, pixel and chip sizes next to each other,
// so each choice rewrites few boxes and the calculator's handlers nest less.
QList<qsizetype> cameraVisitOrder(const QStringList &cameras);

} // namespace vkp2::planner
