#pragma once
// Exports of the planner's pictures and table. Files are written whole or not at all
// (QSaveFile): a failed export leaves no partial file behind.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

class QFont;
class QPainter;
class QPalette;


namespace vkp2::planner_window {

using PaintFunction = std::function<void(QPainter &, const QSizeF &)>;

// An image at `devicePixelRatio` times `size`, painted by vector drawing at that resolution, in
// `format` ("PNG", "JPG", "BMP"...).
QByteArray imageOf(const PaintFunction &paint, const QSizeF &size, qreal devicePixelRatio = 2,
                   const QByteArray &format = "PNG");
inline QByteArray pngOf(const PaintFunction &paint, const QSizeF &size, qreal devicePixelRatio = 2)
{
    return imageOf(paint, size, devicePixelRatio, "PNG");
}
QByteArray svgOf(const PaintFunction &paint, const QSizeF &size, const QString &title);

// The picture format a file name asks for by its suffix: "svg", or an image format Qt can
// write; empty when the suffix names neither. No suffix means PNG.
QByteArray pictureFormatOf(const QString &path);

// A picture with lines of text under it (the setup it shows, its words), drawn as text so that
// an SVG keeps them as text. `size` grows by the caption's height.
PaintFunction withCaption(const PaintFunction &paint, const QSizeF &pictureSize, const QStringList &lines,
                          const QFont &font, const QPalette &palette, QSizeF *size);

// Writes atomically; returns an empty string on success, else why it failed.
QString writeWhole(const QString &path, const QByteArray &bytes);

} // namespace vkp2::planner_window
