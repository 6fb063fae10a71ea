#pragma once
// The planner's icon: the calculator's artwork with a small chart in front, so the two
// launchers are told apart at a glance.

#include <QIcon>

class QPainter;
class QRectF;

namespace vkp2::planner_window {

void paintPlannerIcon(QPainter &painter, const QRectF &bounds);
QIcon plannerIcon();

} // namespace vkp2::planner_window
