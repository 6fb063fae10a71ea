#include "widgets/planner_window/planner_icon.h"

#include "widgets/artwork/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vkp2::planner_window {

void paintPlannerIcon(QPainter &painter, const QRectF &bounds)
{
    artwork::paintAppIcon(painter, bounds);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Same 16 x 16 grid as the calculator's icon.
    painter.translate(bounds.topLeft());
    painter.scale(bounds.width() / 16.0, bounds.height() / 16.0);
    painter.setPen(QPen(QColor(20, 30, 60), 0.6));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawRoundedRect(QRectF(7.5, 7.5, 8.2, 8.2), 1.4, 1.4);
    painter.setPen(QPen(QColor(40, 40, 40), 0.7, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(9, 9), QPointF(9, 14.3));
    painter.drawLine(QPointF(9, 14.3), QPointF(14.6, 14.3));
    QPainterPath curve(QPointF(9.4, 13.6));
    curve.cubicTo(QPointF(11.5, 13.2), QPointF(12.8, 11.5), QPointF(14.4, 9.1));
    painter.setPen(QPen(QColor(230, 90, 20), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    painter.restore();
}

QIcon plannerIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintPlannerIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace vkp2::planner_window
