#pragma once
// The colours a picture is painted in: the window's own, or at night reds only. Exports pass the
// day look whatever the window shows, so a file never comes out in night reds.

#include <QPalette>

namespace vkp2::planner_window {

struct PaintLook {
    QPalette palette;
    bool night = false;
};

} // namespace vkp2::planner_window
