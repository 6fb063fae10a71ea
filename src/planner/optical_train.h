#pragma once
// The ways of lengthening (or shortening) the telescope's focal length beside the VKP-2, each
// as its own thin-lens formula, and a train made of them. Widget-free; Qt Core only.
//
//   Barlow or reducer, a thin lens of focal length f at spacing s before the image:
//       A = 1 - s / f              f < 0 for a Barlow (A grows with s), f > 0 for a reducer
//       f = s0 / (1 - A0)          from the nominal factor A0 at the design spacing s0
//   eyepiece projection:   M = d / fe - 1,  EFL = F x M
//   afocal:                EFL = F x fc / fe
// A train is telescope -> lens (optional) -> VKP-2 ocular, eyepiece projection or afocal
// camera -> sensor; its factors multiply in that order.

#include "storage/kit_checks.h"

#include <QString>

#include <array>
#include <optional>

namespace vkp2::planner {

enum class LensKind { Barlow, Reducer };

struct Lens {
    LensKind kind = LensKind::Barlow;
    QString name;                          // the kit or database entry; empty when typed
    double factor = 0;                     // A0, the nominal factor
    std::optional<double> designSpacingMm; // s0
    std::optional<double> focalMm;         // f, when given instead of (or with) s0
    std::optional<double> spacingMm;       // s as set; none: at the design spacing
};

// The element behind the (optional) lens.
enum class Rear {
    Vkp2,       // the setup's ocular in the VKP-2 at its TL and D; "No-VKP2" is prime focus
    Projection, // an eyepiece projecting through any tube, at distance d to the sensor
    Afocal,     // a camera lens of focal length fc behind an eyepiece
};

struct Train {
    std::optional<Lens> lens;
    Rear rear = Rear::Vkp2;
    QString eyepieceName;          // Projection and Afocal: the kit entry, empty when typed
    double eyepieceMm = 0;         // fe
    double projectionDistanceMm = 0; // d, Projection only
    double cameraLensMm = 0;       // fc, Afocal only
    // The VKP-2 alone: the calculator's own result, untouched.
    bool isPlainVkp2() const { return !lens && rear == Rear::Vkp2; }
};

// The typed numbers of a train, each with how the command line names it, how a window labels
// it and its CSV and JSON key. A lens's factor has the option of its kind.
enum class TrainField {
    Factor,
    DesignSpacing,
    Spacing,
    ProjectionEyepiece,
    ProjectionDistance,
    AfocalLens,
    AfocalEyepiece,
};

struct TrainFieldInfo {
    TrainField id;
    const char *option; // for Factor: the Barlow's; reducerOption has the reducer's
    const char *label;
    const char *key;
};

inline constexpr std::array<TrainFieldInfo, 7> kTrainFields{{
    {TrainField::Factor, "--barlow", QT_TRANSLATE_NOOP("Planner", "Factor"), "element_factor_nominal"},
    {TrainField::DesignSpacing, "--design-spacing", QT_TRANSLATE_NOOP("Planner", "Design spacing (mm)"), "design_spacing_mm"},
    {TrainField::Spacing, "--spacing", QT_TRANSLATE_NOOP("Planner", "Spacing (mm)"), "spacing_mm"},
    {TrainField::ProjectionEyepiece, "--projection-eyepiece", QT_TRANSLATE_NOOP("Planner", "Eyepiece (mm)"),
     "projection_eyepiece_mm"},
    {TrainField::ProjectionDistance, "--projection-distance", QT_TRANSLATE_NOOP("Planner", "Projection distance (mm)"),
     "projection_distance_mm"},
    {TrainField::AfocalLens, "--afocal-lens", QT_TRANSLATE_NOOP("Planner", "Camera lens (mm)"), "afocal_lens_mm"},
    {TrainField::AfocalEyepiece, "--eyepiece", QT_TRANSLATE_NOOP("Planner", "Eyepiece (mm)"), "afocal_eyepiece_mm"},
}};
inline constexpr const char *reducerOption = "--reducer";

constexpr const TrainFieldInfo &trainField(TrainField id)
{
    return kTrainFields[static_cast<std::size_t>(id)];
}
QString optionOf(TrainField id, LensKind kind = LensKind::Barlow);

// What may be typed, and where each element stays usable. The typing limits are the kit's;
// the usable ranges are where the element still does what its factor promises.
namespace train_limits {
inline constexpr double kFactorMin = storage::kit_limits::kFactorMin;
inline constexpr double kFactorMax = storage::kit_limits::kFactorMax;
inline constexpr double kSpacingMin = storage::kit_limits::kSpacingMin;
inline constexpr double kSpacingMax = storage::kit_limits::kSpacingMax;
inline constexpr double kEyepieceMin = storage::kit_limits::kEyepieceFocalMin;
inline constexpr double kEyepieceMax = storage::kit_limits::kEyepieceFocalMax;
inline constexpr double kCameraLensMin = 1, kCameraLensMax = 2000; // mm
// A Barlow is usable from half to three times its design spacing, a reducer from half to
// one and a half times it (and only while A stays above 0); as fractions of s0.
inline constexpr double kLensSpacingLowest = 0.5;
inline constexpr double kBarlowSpacingHighest = 3;
inline constexpr double kReducerSpacingHighest = 1.5;
// An eyepiece projects a real image only beyond its focal length; tubes beyond a metre are
// no tubes anyone builds.
inline constexpr double kProjectionDistanceHighest = 1000;
} // namespace train_limits

// What is wrong with a train's numbers, naming the field; none when it is sound.
struct TrainProblem {
    TrainField field;
    QString what; // e.g. "a spacing of 300 mm leaves the reducer no factor (A = 0 or below)"
};
std::optional<TrainProblem> problemOf(const Train &train);

// --- the formulas ----------------------------------------------------------------------
// Each answers nothing when an input is not a finite number of the right sign.

// f = s0 / (1 - A0); nothing for A0 = 1 (no lens power: a fixed factor of 1).
std::optional<double> lensFocalLength(double nominalFactor, double designSpacingMm);
// A = 1 - s / f; nothing when A would be 0 or below.
std::optional<double> lensFactor(double focalMm, double spacingMm);
// s = f (1 - A): the spacing that gives factor A.
std::optional<double> spacingForFactor(double focalMm, double factor);
// M = d / fe - 1; nothing when d <= fe (no real image).
std::optional<double> projectionMagnification(double eyepieceMm, double distanceMm);
// fc / fe.
std::optional<double> afocalFactor(double eyepieceMm, double cameraLensMm);

// A lens's f: the one given, else from A0 and s0; nothing for a fixed factor.
std::optional<double> focalLengthOf(const Lens &lens);
// Its s0: the one given, else f (1 - A0).
std::optional<double> designSpacingOf(const Lens &lens);
// The spacing in effect: the one set, else s0.
std::optional<double> spacingOf(const Lens &lens);
// The factor in effect: A at the spacing, or A0 for a fixed factor.
std::optional<double> factorOf(const Lens &lens);

struct DistanceRange {
    double lowMm = 0;
    double highMm = 0;
};
// Where a lens may be spaced; nothing for a fixed factor.
std::optional<DistanceRange> usableSpacing(const Lens &lens);
// Where an eyepiece may project: above fe up to a metre.
std::optional<DistanceRange> usableProjectionDistance(double eyepieceMm);

// E.g. "Barlow 2x", "reducer 0.63x", or the entry's name; "eyepiece projection 10 mm",
// "afocal 25 mm eyepiece, 50 mm lens"; empty for the VKP-2 alone.
QString lensText(const Lens &lens);
QString trainText(const Train &train);

// What a train multiplied the telescope's focal length by, beside the VKP-2's own
// magnification (which the calculator works out and Shown::magnification keeps).
struct TrainEffect {
    QString element;                // trainText
    std::optional<double> lensFactor; // A in effect
    std::optional<double> spacingMm;  // the lens's s in effect
    std::optional<double> rearFactor; // projection M or afocal fc/fe
    std::optional<double> projectionDistanceMm;
    // The lens's spacing lies outside usableSpacing: the numbers hold for a thin lens, the
    // image may not.
    bool outsideUsableRange = false;
    // The factor from F to the EFL, VKP-2 magnification included; nothing when none exists.
    std::optional<double> totalFactor;
};

// A factor as it is shown: 4 decimals (0.815 must not read 0.82), trailing zeros dropped.
inline constexpr int kFactorDecimals = 4;
double shownFactor(double factor);

// The distance a train's focal length is solved and charted against.
enum class TrainVariable {
    None,               // fixed: an afocal camera, a fixed factor at prime focus, prime focus
    D,                  // the VKP-2 ocular's D (a lens, if any, at its spacing)
    Spacing,            // the lens's spacing, at prime focus
    ProjectionDistance, // the eyepiece's d (a lens, if any, at its spacing)
};
// "D", "spacing", "projection distance".
QString variableWord(TrainVariable variable);

// `vkp2Ocular`: whether the setup has an ocular in the VKP-2 (not "No-VKP2").
TrainVariable variableOf(const Train &train, bool vkp2Ocular);

} // namespace vkp2::planner
