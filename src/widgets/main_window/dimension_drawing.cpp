#include "widgets/main_window/dimension_drawing.h"

#include "widgets/artwork/artwork.h"
#include "widgets/artwork/prerendered_drawing.h"
#include "widgets/toolkit/night_look.h"

#include <QPainter>
#include <QtMath>

namespace vkp2 {

DimensionDrawing::DimensionDrawing(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAccessibleName(QStringLiteral("Dimension drawing of the VKP-2 adapter"));
    setAccessibleDescription(QStringLiteral(
        "Side view of the adapter between telescope and camera body, with the lengths AL, SL, "
        "EL, the distance TL, the fixed 3 mm and the camera focal distance D, typically 55 mm."));
}

void DimensionDrawing::setNight(bool on)
{
    if (night_ == on)
        return;
    night_ = on;
    nightImage_ = QImage();
    update();
}

const QImage &DimensionDrawing::nightImage(const QTransform &deviceTransform, qreal devicePixelRatio)
{
    const int scale = artwork::exactRenderedScale(deviceTransform);
    const qreal wanted = scale ? qreal(scale) : devicePixelRatio;
    if (!nightImage_.isNull() && nightImage_.devicePixelRatio() == wanted)
        return nightImage_;
    QImage day = scale ? artwork::prerenderedAdapterDrawing(scale) : QImage();
    if (day.isNull()) {
        // Painted on white, as the day window shows it.
        day = QImage(qCeil(artwork::kDrawingWidth * wanted), qCeil(artwork::kDrawingHeight * wanted),
                     QImage::Format_RGB32);
        day.setDevicePixelRatio(wanted);
        day.fill(Qt::white);
        QPainter painter(&day);
        painter.setRenderHint(QPainter::Antialiasing);
        artwork::paintAdapterDrawing(painter);
    }
    nightImage_ = night::negativeRedImage(day);
    return nightImage_;
}

void DimensionDrawing::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.fillRect(inside, night_ ? QColor(Qt::black) : QColor(Qt::white));
    painter.translate(inside.topLeft());
    if (night_) {
        painter.drawImage(QPointF(0, 0), nightImage(painter.deviceTransform(), devicePixelRatioF()));
        return;
    }
    // The rendering made at build time shows the same pixels without loading its fonts; a
    // scale it was not made for gets the drawing painted afresh, as sharp as ever.
    const int scale = artwork::exactRenderedScale(painter.deviceTransform());
    if (scale && artwork::paintPrerenderedAdapterDrawing(painter, scale))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    artwork::paintAdapterDrawing(painter);
}

} // namespace vkp2
