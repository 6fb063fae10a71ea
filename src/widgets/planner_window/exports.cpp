#include "widgets/planner_window/exports.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace vkp2::planner_window {

QByteArray pngOf(const PaintFunction &paint, const QSizeF &size, qreal devicePixelRatio)
{
    QImage image(int(std::ceil(size.width() * devicePixelRatio)),
                 int(std::ceil(size.height() * devicePixelRatio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        paint(painter, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray svgOf(const PaintFunction &paint, const QSizeF &size, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96); // so one widget pixel is one CSS pixel
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    paint(painter, size);
    if (!painter.end())
        return {};
    return bytes;
}

QString writeWhole(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QObject::tr("nothing was produced to write");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() would not notice a buffered write that a full disk cut short, and would put the
    // truncated file in place of the old one: flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace vkp2::planner_window
