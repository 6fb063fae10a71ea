#pragma once
// Exports of the planner's pictures and table. Files are written whole or not at all
// (QSaveFile): a failed export leaves no partial file behind.

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace vkp2::planner_window {

using PaintFunction = std::function<void(QPainter &, const QSizeF &)>;

// A PNG at `devicePixelRatio` times `size`, painted by vector drawing at that resolution.
QByteArray pngOf(const PaintFunction &paint, const QSizeF &size, qreal devicePixelRatio = 2);
QByteArray svgOf(const PaintFunction &paint, const QSizeF &size, const QString &title);

// Writes atomically; returns an empty string on success, else why it failed.
QString writeWhole(const QString &path, const QByteArray &bytes);

} // namespace vkp2::planner_window
