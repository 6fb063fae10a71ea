#include "widgets/main_window/dimension_drawing.h"

#include "widgets/artwork/artwork.h"
#include "widgets/artwork/prerendered_drawing.h"

#include <QPainter>

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

void DimensionDrawing::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.fillRect(inside, Qt::white);
    painter.translate(inside.topLeft());
    // The rendering made at build time shows the same pixels without loading its fonts; a
    // scale it was not made for gets the drawing painted afresh, as sharp as ever.
    const int scale = artwork::exactRenderedScale(painter.deviceTransform());
    if (scale && artwork::paintPrerenderedAdapterDrawing(painter, scale))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    artwork::paintAdapterDrawing(painter);
}

} // namespace vkp2
