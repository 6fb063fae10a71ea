#pragma once
// A setup as the calculator takes it. Out-of-range values are replaced by the calculator (D 1200
// becomes 55, a focal length of 0 the smallest it allows), with a message; the window shows that
// message and works everywhere from the value the calculator uses, never from the typed one.

#include "calculator/toolkit/boxes.h"
#include "planner/setup.h"
#include "planner/setup_fields.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace vkp2::planner_window {

// The calculator box a typed field of the kit feeds: the one that goes by the same key.
// Nothing for the lists (telescope, ocular, camera, binning).
constexpr std::optional<Box> boxOf(planner::SetupField field)
{
    const std::string_view key = planner::setupField(field).key;
    for (const BoxInfo &info : kBoxes) {
        if (info.key == key)
            return info.id;
    }
    return std::nullopt;
}

struct Replaced {
    planner::SetupField field;
    QString typed, used;
};

struct CheckedSetup {
    planner::Setup used;  // the typed setup with the calculator's values in place of replaced ones
    planner::Shown shown; // what the calculator shows for it
    QStringList messages; // its messages, each once, worded as the calculator words them
    QList<Replaced> replaced; // by the messages' own account of what they put in place
};

CheckedSetup checkSetup(const planner::Setup &typed);

} // namespace vkp2::planner_window
