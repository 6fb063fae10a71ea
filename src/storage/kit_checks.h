#pragma once
// What a piece of equipment may hold, wherever it comes from (a kit file, an import, typing),
// and how kits are joined. The limits are wide: they keep out what no equipment is (a 0.01 µm
// pixel, a negative focal length, a 14 mm lens is still a telescope), not what is unusual.

#include "storage/kit.h"

#include <QStringList>

namespace vkp2::storage {

namespace kit_limits {
inline constexpr double kFocalLengthMin = 1, kFocalLengthMax = 100000;     // telescope, mm
inline constexpr double kApertureMin = 1, kApertureMax = 10000;            // mm
inline constexpr double kPixelMin = 0.5, kPixelMax = 50;                   // µm
inline constexpr int kPixelCountMin = 1, kPixelCountMax = 100000;          // px a side
inline constexpr int kBinningMax = 16;
inline constexpr double kFactorMin = 0.1, kFactorMax = 10;                 // Barlow or reducer
inline constexpr double kLensFocalMin = 1, kLensFocalMax = 10000;          // |f|, mm
inline constexpr double kSpacingMin = 1, kSpacingMax = 1000;               // mm
inline constexpr double kEyepieceFocalMin = 1, kEyepieceFocalMax = 200;    // mm
inline constexpr double kApparentFieldMin = 10, kApparentFieldMax = 150;   // degrees
inline constexpr double kFieldStopMin = 0.5, kFieldStopMax = 100;          // mm
inline constexpr int kNameMaxLength = 200;
inline constexpr int kMaxEntriesPerKind = 5000;
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024; // any kit or import file
} // namespace kit_limits

// What is wrong with an entry, as one phrase ("pixel width 0.01 µm is outside 0.5 to 50 µm");
// empty when it may be kept. Names must be non-empty, printable, not too long and hold a letter
// or digit. A camera's binning modes fit its chip.
QString problemOf(const KitTelescope &t);
QString problemOf(const KitCamera &c);
QString problemOf(const KitLens &l);
QString problemOf(const KitEyepiece &e);

// A name with case, accents, spaces and punctuation dropped: "ZWO ASI-462 MC" and
// "zwo asi462mc" are one name. Duplicates and searches compare these.
QString nameKey(const QString &name);

// `into` with the entries of `incoming` added at the end of each kind. An entry whose name
// (by nameKey) the kind already holds, or that came earlier in `incoming`, is left out with a
// note naming it.
struct KitMerge {
    Kit kit;
    QStringList notes;
};
KitMerge mergeKits(const Kit &into, const Kit &incoming);

// "binning 17 is outside 1 to 16"; empty when a camera may offer `binning`.
QString binningModeProblem(int binning);

// Why a file with more than kit_limits::kMaxEntriesPerKind entries of one kind is refused.
QString tooManyEntriesProblem();

// The word the command line and the reports use for a kind: "telescope", "camera", "barlow"
// (Barlows and reducers alike), "eyepiece".
QString kindWord(KitKind kind);
// The kind as people read it in a message, in their language.
QString kindText(KitKind kind);

} // namespace vkp2::storage
