#pragma once
// Screen readers: a widget whose text changes keeps it as its accessible description (the name
// stays the fixed title) and tells the accessibility layer that it changed.

class QString;
class QWidget;

namespace vkp2::planner_window {

void announce(QWidget *widget, const QString &text);

} // namespace vkp2::planner_window
