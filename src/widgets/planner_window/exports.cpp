#include "widgets/planner_window/exports.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPalette>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace vkp2::planner_window {

QByteArray imageOf(const PaintFunction &paint, const QSizeF &size, qreal devicePixelRatio,
                   const QByteArray &format)
{
    QImage image(int(std::ceil(size.width() * devicePixelRatio)),
                 int(std::ceil(size.height() * devicePixelRatio)), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    // Formats without alpha would turn a transparent ground black.
    image.fill(format.compare("PNG", Qt::CaseInsensitive) == 0 ? Qt::transparent : Qt::white);
    {
        QPainter painter(&image);
        paint(painter, size);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format.constData()))
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

QByteArray pictureFormatOf(const QString &path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (suffix.isEmpty() || suffix == "png")
        return "png";
    if (suffix == "svg")
        return "svg";
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

PaintFunction withCaption(const PaintFunction &paint, const QSizeF &pictureSize, const QStringList &lines,
                          const QFont &font, const QPalette &palette, QSizeF *size)
{
    const QFontMetricsF fm(font);
    const double pad = 6;
    const double lineH = fm.height();
    *size = QSizeF(pictureSize.width(), pictureSize.height() + lines.size() * lineH + 2 * pad);
    return [=](QPainter &painter, const QSizeF &whole) {
        paint(painter, pictureSize);
        const QRectF below(0, pictureSize.height(), whole.width(), whole.height() - pictureSize.height());
        painter.save();
        painter.fillRect(below, palette.color(QPalette::Base));
        painter.setFont(font);
        painter.setPen(palette.color(QPalette::Text));
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(QRectF(pad, below.top() + pad + i * lineH, whole.width() - 2 * pad, lineH),
                             Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
        painter.restore();
    };
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
