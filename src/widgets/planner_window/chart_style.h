#pragma once
// How the chart tells its curves apart: a colour, a dash pattern and a marker each, so no curve
// depends on colour alone. Colours are lightened on a dark background, and all red at night.

#include "widgets/planner_window/paint_look.h"

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QPen>
#include <QString>

class QPainter;
class QPointF;

namespace vkp2::planner_window {

enum class Marker { None, Circle, Square, Triangle, Diamond, Cross };

struct CurveStyle {
    QPen pen;
    Marker marker = Marker::None;
};

// Style of curve `index`: the oculars in catalogue order, then the trains; index -1 is the
// prime-focus reference.
CurveStyle curveStyle(int index, const PaintLook &look);
void drawMarker(QPainter &painter, Marker marker, const QPointF &at, qreal size);
bool isDark(const QPalette &palette);
// The band that samples well: a translucent highlight by day; at night a dim red hatch, which
// tells it from the ground by texture where a red tint alone would be faint.
QBrush bandBrush(const PaintLook &look);
// An axis label in the user's locale, without digit grouping.
QString tickLabel(double value);

} // namespace vkp2::planner_window
