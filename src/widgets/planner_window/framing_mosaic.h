#pragma once
// A full-disc mosaic in the framing picture: the engine's panes placed in widget pixels and
// painted over the disc.

#include "planner/mosaic.h"

#include <QList>
#include <QPointF>
#include <QPolygonF>

class QColor;
class QPainter;

namespace vkp2::planner_window {

// Each pane's corners in widget pixels: `centre` is the disc's centre, `k` pixels per arcsec;
// the sky's y points up, the widget's down.
QList<QPolygonF> panePolygons(const planner::Mosaic &mosaic, const QPointF &centre, double k);
// The camera frame at the disc's centre, turned like the panes, in widget pixels.
QPolygonF centralFramePolygon(const planner::Mosaic &mosaic, const QPointF &centre, double k);
// The half extent in arcsec of the panes and the central frame from the disc's centre, along x
// and y.
QPointF mosaicHalfSpan(const planner::Mosaic &mosaic);
void paintPanes(QPainter &painter, const QList<QPolygonF> &panes, const QColor &colour);

} // namespace vkp2::planner_window
