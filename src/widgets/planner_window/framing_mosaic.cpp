#include "widgets/planner_window/framing_mosaic.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <numbers>

namespace vkp2::planner_window {

namespace {

// A pane's corners in arcsec from the disc's centre, the sky's axes.
QPolygonF paneCorners(const planner::Mosaic &m, const planner::MosaicPane &p)
{
    const double turn = m.rotationDeg * std::numbers::pi / 180;
    const double c = std::cos(turn), s = std::sin(turn);
    const double hw = m.frameWidthArcsec / 2, hh = m.frameHeightArcsec / 2;
    QPolygonF out;
    for (const auto &[u, v] : {std::pair{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}})
        out << QPointF(p.xArcsec + u * c - v * s, p.yArcsec + u * s + v * c);
    return out;
}

} // namespace

QList<QPolygonF> panePolygons(const planner::Mosaic &mosaic, const QPointF &centre, double k)
{
    QList<QPolygonF> out;
    for (const planner::MosaicPane &p : mosaic.panes) {
        QPolygonF poly;
        for (const QPointF &sky : paneCorners(mosaic, p))
            poly << QPointF(centre.x() + sky.x() * k, centre.y() - sky.y() * k);
        out << poly;
    }
    return out;
}

QPointF mosaicHalfSpan(const planner::Mosaic &mosaic)
{
    double x = 0, y = 0;
    for (const planner::MosaicPane &p : mosaic.panes) {
        for (const QPointF &corner : paneCorners(mosaic, p)) {
            x = std::max(x, std::abs(corner.x()));
            y = std::max(y, std::abs(corner.y()));
        }
    }
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
