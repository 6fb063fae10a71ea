#include "widgets/toolkit/night_filter.h"

#include "widgets/toolkit/night_look.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

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

void filterNightParts(QMainWindow *window, bool on)
{
    QList<QWidget *> parts{window->centralWidget(), window->menuBar()};
    if (auto *bar = window->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly))
        parts << bar;
    // Setting an effect replaces (and deletes) the one before.
    for (QWidget *part : parts) {
        if (part && on != (part->graphicsEffect() != nullptr))
            part->setGraphicsEffect(on ? new NightFilter(part) : nullptr);
    }
}

} // namespace vkp2
