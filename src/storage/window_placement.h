#pragma once
// The main window's outer rectangle in the per-user settings store: application "VKP2",
// section "Settings", keys "MainLeft", "MainTop", "MainWidth", "MainHeight", in twips, each
// stored as the shortest decimal text of a single-precision number.

#include <QRect>
#include <QString>

#include <memory>

class QSettings;

namespace vkp2::storage {

struct Placement {
    float left = 1000;
    float top = 1000;
    float width = 8595;
    float height = 8430;
    bool operator==(const Placement &) const = default;
};

inline constexpr int kTwipsPerPixel = 15;

// The program's settings store (on Linux, ~/.config/VKP2/VKP2.conf).
std::unique_ptr<QSettings> openSettings();

// A key that is absent, or whose text is not a finite number, gives its default.
Placement readPlacement(QSettings &settings);
void writePlacement(QSettings &settings, const Placement &placement);

// Single-precision decimal text, shortest form that reads back to the same number.
QString singleText(float value);

QRect toPixels(const Placement &placement);
Placement fromPixels(const QRect &outer);

} // namespace vkp2::storage
