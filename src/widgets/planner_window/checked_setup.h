#pragma once
// A setup as the calculator takes it. Out-of-range values are replaced by the calculator (D 1200
// becomes 55, a focal length of 0 the smallest it allows), with a message; the window shows that
// message and works everywhere from the value the calculator uses, never from the typed one.

#include "planner/setup.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QList>
#include <QStringList>

namespace vkp2::planner_window {

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
