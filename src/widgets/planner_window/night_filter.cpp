#include "widgets/planner_window/night_filter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace vkp2::planner_window {

void NightFilter::draw(QPainter *painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(std::max({qRed(p), qGreen(p), qBlue(p)}), 0, 0, qAlpha(p));
        }
    }
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}

} // namespace vkp2::planner_window
