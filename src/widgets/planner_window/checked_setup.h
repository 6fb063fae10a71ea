#pragma once
// A setup as the calculator takes it. Out-of-range values are replaced by the calculator (D 1200
// becomes 55, a focal length of 0 the smallest it allows), with a message; the window shows that
// message and works everywhere from the value the calculator uses, never from the typed one.

#include "planner/setup.h"

#include <QList>
#include <QStringList>

namespace vkp2::planner_window {

// The typed boxes of the kit, and the calculator box each one feeds.
enum class KitBox { FocalLength, Aperture, Tl, D, PixelWidth, PixelHeight, ChipWidth, ChipHeight };

struct Replaced {
    KitBox box;
    QString typed, used;
};

struct CheckedSetup {
    planner::Setup used;  // the typed setup with the calculator's values in place of replaced ones
    planner::Shown shown; // what the calculator shows for it
    QStringList messages; // its messages, each once, worded as the calculator words them
    QList<Replaced> replaced;
};

CheckedSetup checkSetup(const planner::Setup &typed);

} // namespace vkp2::planner_window
