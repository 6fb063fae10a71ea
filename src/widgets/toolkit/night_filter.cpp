#include "widgets/toolkit/night_filter.h"

#include "widgets/toolkit/night_look.h"

#include <QPainter>

namespace vkp2 {

void NightFilter::draw(QPainter *painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull())
        return;
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!night::keepsRule(line[x]))
                line[x] = night::red(QColor::fromRgba(line[x])).rgba();
        }
    }
    // Device coordinates: drawn pixel for pixel, whatever the painter's scale.
    const QTransform restore = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->setWorldTransform(restore);
}

} // namespace vkp2
