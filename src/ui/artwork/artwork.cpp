#include "ui/artwork/artwork.h"

#include <QPainter>

#include <functional>

namespace vkp2::artwork {

namespace {

QPixmap render(int width, int height, qreal dpr, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(qRound(width * dpr), qRound(height * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

} // namespace

void paintAdapterDrawing(QPainter &painter)
{
    painter.drawRect(QRectF(10, 80, 300, 40));
}

QPixmap adapterDrawing(qreal devicePixelRatio)
{
    return render(kDrawingWidth, kDrawingHeight, devicePixelRatio, paintAdapterDrawing);
}

void paintAppIcon(QPainter &painter, const QRectF &bounds)
{
    painter.fillRect(bounds, Qt::darkBlue);
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintAppIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintLogo(QPainter &painter)
{
    paintAppIcon(painter, QRectF(0, 0, kLogoHeight, kLogoHeight));
}

QPixmap logo(qreal devicePixelRatio)
{
    return render(kLogoWidth, kLogoHeight, devicePixelRatio, paintLogo);
}

} // namespace vkp2::artwork
