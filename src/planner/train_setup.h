#pragma once
// A setup's optical train at work: what it shows, the distance that reaches a goal, and the
// curve of its focal length against that distance. Widget-free; the command line and the
// planner window share it.

#include "planner/optical_train.h"
#include "planner/setup.h"
#include "planner/solve.h"

#include <QList>

#include <optional>

namespace vkp2::planner {

// The calculator's shown boxes with a train applied: EFL = VKP-2 magnification (1 at prime
// focus) x (A x F) x rear factor, the focal ratio from the unrounded EFL, field and scale from
// the EFL as shown, each rounded as the calculator rounds. The VKP-2 alone comes back as is.
// `calculatorShown` must come from a run whose ocular suits the train (No-VKP2 unless the
// rear is the VKP-2).
Shown withTrain(const Shown &calculatorShown, const Train &train);

// The setup the calculator runs for a train: its own, or at "No-VKP2" when the rear is no
// VKP-2 ocular.
Setup calculatorSetupOf(const Setup &setup);

// Whether the setup's ocular is one in the VKP-2 (not "No-VKP2").
bool hasVkp2Ocular(const Setup &setup);

// The distance a setup's train is solved and charted against, and its usable range: D 0 to
// 1000 mm, the lens's usable spacing, or the eyepiece's projection distances.
TrainVariable variableOf(const Setup &setup);
std::optional<DistanceRange> variableRange(const Setup &setup);

// The setup with its train's variable set to `mm`: the VKP-2's D (as typed, 2 decimals), the
// lens's spacing or the projection distance.
Setup withVariable(const Setup &setup, double mm);

// The chart's curve, by formula alone: the EFL of the setup's train with its variable at
// `mm`, from the optics the calculator shows (F, and for a VKP-2 ocular its geometry and TL).
// Nothing where the train forms no image or `mm` lies outside the variable's range.
std::optional<double> trainFocalLengthAt(const Projection &vkp2, const Train &train,
                                         TrainVariable variable, double mm);

struct SolvedTrain {
    TrainVariable variable = TrainVariable::None;
    // Solved: distanceMm is the variable's value. OutOfRange: the value it would need, and a
    // reason naming the usable range (and, for a lens, the extension beyond s0). Fixed: the
    // train has no distance to set (status PrimeFocus, with a reason).
    Solution solution;
    QString valueText; // the value as set, 2 decimals; empty unless solved
    Shown shown;       // what the train shows there; empty unless solved
    // For the reason's numbers: the usable range and the lens's design spacing and kind.
    std::optional<DistanceRange> range;
    std::optional<double> designSpacingMm;
    QString element;
    // A lens asked for a factor it cannot give (a Barlow below 1, a reducer above 1).
    std::optional<double> neededFactor;
    std::optional<LensKind> lensKind;
};

// The variable's value that reaches the goal, from what the calculator shows for the setup
// (focal length, aperture, TL, the pixel in effect), as solveEveryOcular does for the VKP-2.
// The variable's own value in the setup (a spacing, a projection distance) is not read.
SolvedTrain solveTrain(const Setup &setup, Goal::Kind kind, double value);

// The reason a solution gives, its numbers in the locale's form (the one held uses a dot), e.g.
// "needs a spacing of 400 mm, 300 mm beyond the design 100 mm; Barlow 2x is usable from 50 to
// 300 mm".
QString reasonText(const SolvedTrain &solved, const QLocale &locale);

// The chart's y for a train, from trainFocalLengthAt: the focal ratio on `apertureMm`, or the
// pixel scale of `pixelUm`; nothing where there is no focal length or the divisor is not > 0.
std::optional<double> trainFocalRatioAt(const Projection &vkp2, const Train &train,
                                        TrainVariable variable, double mm, double apertureMm);
std::optional<double> trainPixelScaleAt(const Projection &vkp2, const Train &train,
                                        TrainVariable variable, double mm, double pixelUm);

// A kit's Barlows and reducers as lenses, at their design spacing.
Lens lensOf(const storage::KitLens &lens);

} // namespace vkp2::planner
