#pragma once
// How the chart tells its curves apart: a colour, a dash pattern and a marker each, so no curve
// depends on colour alone. Colours are lightened on a dark background.

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
CurveStyle curveStyle(int index, const QPalette &palette);
void drawMarker(QPainter &painter, Marker marker, const QPointF &at, qreal size);
bool isDark(const QPalette &palette);
// An axis label in the user's locale, without digit grouping.
QString tickLabel(double value);

} // namespace vkp2::planner_window
