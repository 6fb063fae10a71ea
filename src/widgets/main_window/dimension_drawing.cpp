#include "widgets/main_window/dimension_drawing.h"

#include "widgets/artwork/artwork.h"

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
    painter.setRenderHint(QPainter::Antialiasing);
    artwork::paintAdapterDrawing(painter);
}

} // namespace vkp2
