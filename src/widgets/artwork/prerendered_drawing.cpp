#include "widgets/artwork/prerendered_drawing.h"

#include "widgets/artwork/artwork.h"

#include <QTransform>

#include <cmath>

namespace vkp2::artwork {

QImage prerenderedAdapterDrawing(int scale)
{
    for (const RenderedPicture &picture : kRenderedAdapterDrawings) {
        if (picture.scale != scale)
            continue;
        // The rendering tool writes the sizes it was given; a mismatch would mean a stale file.
        if (picture.width != kDrawingWidth * scale || picture.height != kDrawingHeight * scale)
            return QImage();
        QImage image(reinterpret_cast<const uchar *>(picture.pixels), picture.width,
                     picture.height, picture.width * 4, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        return image;
    }
    return QImage();
}

int exactRenderedScale(const QTransform &t)
{
    if (t.type() > QTransform::TxScale || t.m11() != t.m22())
        return 0;
    const auto whole = [](qreal v) { return v == std::floor(v); };
    if (!whole(t.dx()) || !whole(t.dy()))
        return 0;
    for (const RenderedPicture &picture : kRenderedAdapterDrawings)
        if (t.m11() == picture.scale)
            return picture.scale;
    return 0;
}

} // namespace vkp2::artwork
