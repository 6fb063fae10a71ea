#pragma once
// How the planner window marks what it cannot take: a red frame on the box with the reason as
// its tool tip, and red lines of text under the boxes. Never a message box.

#include <QString>

class QLabel;
class QWidget;

namespace vkp2::planner_window {

// A red frame and the reason on a box; an empty reason takes them away.
void markField(QWidget *field, const QString &why);
bool isMarkedInvalid(const QWidget *field);

// A label for problems, hidden while it has none.
QLabel *problemLabel(const QString &objectName, const QString &accessibleName);
void showProblemText(QLabel *label, const QString &text);

// The marks' red at night is pure red; this restyles the marks and problem labels under `root`
// and those made later.
void setMarksNight(QWidget *root, bool on);

} // namespace vkp2::planner_window
