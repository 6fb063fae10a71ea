#pragma once
// What the calculator tells the user, as data: which message, about which box, with which
// parameter, and the value it put in place of the one it refused. The window's wording, title
// and icon are rendered from it by render(); the command line adds its own account of the
// fallback from the same fields.

#include "calculator/toolkit/boxes.h"

#include <QString>

#include <optional>

namespace vkp2 {

enum class MessageIcon { None, Information, Critical };

enum class MessageId {
    NotANumber,           // a typed text that is no number
    PixelWidthNotANumber, // the same for the pixel width, in that box's own wording
    TelescopeValueZero,   // a bare "0" focal length or aperture
    FocalLengthRange,     // the focal length outside 0..10000
    ApertureRange,        // the aperture outside 0..10000
    DistanceDRange,       // D outside 0..1000
    DistanceTlRange,      // TL outside 0..30
    BinningUnsupported,   // a binning mode the camera refuses
};

// What the calculator did instead of taking the value.
enum class Fallback {
    None,              // nothing: the wrong text stays in its box
    BoxValue,          // the box was given fallbackText
    TelescopeRestored, // the chosen telescope's own values came back
    ResultsEmptied,    // no values to restore: the results were emptied
    BinningMode,       // the binning list was set to fallbackText
};

struct CalculatorMessage {
    MessageId id;
    std::optional<Box> box; // the box the message is about; none for the binning list
    QString parameter;      // BinningUnsupported: the refused mode
    Fallback fallback = Fallback::None;
    QString fallbackText;
    bool operator==(const CalculatorMessage &) const = default;
};

struct MessageText {
    QString text;
    QString title;
    MessageIcon icon;
    bool operator==(const MessageText &) const = default;
};

} // namespace vkp2
