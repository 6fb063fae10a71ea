#include "widgets/planner_window/framing_mosaic.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

namespace {

// The corners in arcsec from the disc's centre, the sky's axes, of a frame centred at `x`, `y`
// and turned as the engine turns the grid.
QPolygonF frameCorners(const planner::Mosaic &m, double x, double y)
{
    const double turn = planner::turnRadians(m.rotationDeg);
    const double c = std::cos(turn), s = std::sin(turn);
    const double hw = m.frameWidthArcsec / 2, hh = m.frameHeightArcsec / 2;
    QPolygonF out;
    for (const auto &[u, v] : {std::pair{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}})
        out << QPointF(x + u * c - v * s, y + u * s + v * c);
    return out;
}

QPolygonF inPixels(const QPolygonF &sky, const QPointF &centre, double k)
{
    QPolygonF out;
    for (const QPointF &p : sky)
        out << QPointF(centre.x() + p.x() * k, centre.y() - p.y() * k);
    return out;
}

} // namespace

QList<QPolygonF> panePolygons(const planner::Mosaic &mosaic, const QPointF &centre, double k)
{
    QList<QPolygonF> out;
    for (const planner::MosaicPane &p : mosaic.panes)
        out << inPixels(frameCorners(mosaic, p.xArcsec, p.yArcsec), centre, k);
    return out;
}

QPolygonF centralFramePolygon(const planner::Mosaic &mosaic, const QPointF &centre, double k)
{
    return inPixels(frameCorners(mosaic, 0, 0), centre, k);
}

QPointF mosaicHalfSpan(const planner::Mosaic &mosaic)
{
    double x = 0, y = 0;
    const auto reach = [&](const QPolygonF &corners) {
        for (const QPointF &corner : corners) {
            x = std::max(x, std::abs(corner.x()));
            y = std::max(y, std::abs(corner.y()));
        }
    };
    // The turned camera frame at the centre too: a grid of even size has no pane there.
    reach(frameCorners(mosaic, 0, 0));
    for (const planner::MosaicPane &p : mosaic.panes)
        reach(frameCorners(mosaic, p.xArcsec, p.yArcsec));
    return {x, y};
}

void paintPanes(QPainter &painter, const QList<QPolygonF> &panes, const QColor &colour)
{
    painter.save();
    QColor fill = colour;
    fill.setAlpha(30);
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(fill);
    for (const QPolygonF &pane : panes)
        painter.drawPolygon(pane);
    painter.restore();
}

} // namespace vkp2::planner_window
