#include "widgets/artwork/prerendered_drawing.h"

#include "widgets/artwork/artwork.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace vkp2::artwork {

namespace {

// Rows decoded per band: small enough that the band buffer stays a few kilobytes.
constexpr int kBandRows = 16;

const RenderedPicture *pictureFor(int scale)
{
    for (const RenderedPicture &picture : kRenderedAdapterDrawings) {
        // The rendering tool writes the sizes it painted; other sizes would mean a stale file.
        if (picture.scale == scale && picture.width == kDrawingWidth * scale
            && picture.height == kDrawingHeight * scale)
            return &picture;
    }
    return nullptr;
}

// Walks the runs row by row, writing them into image rows.
class RunReader {
public:
    explicit RunReader(const RenderedPicture &picture) : picture_(picture) {}

    // Fills row `y` of `image` with the next row; false if the runs do not make one.
    bool readRow(QImage &image, int y)
    {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        int x = 0;
        while (x < picture_.width) {
            if (next_ + 1 >= picture_.runValues)
                return false;
            const int length = picture_.runs[next_];
            const int colour = picture_.runs[next_ + 1];
            next_ += 2;
            if (length == 0 || length > picture_.width - x || colour >= picture_.paletteSize)
                return false;
            std::fill_n(out + x, length, picture_.palette[colour]);
            x += length;
        }
        return true;
    }

private:
    const RenderedPicture &picture_;
    int next_ = 0;
};

// Checks every row before anything is drawn, so a broken table draws nothing at all.
bool wellFormed(const RenderedPicture &picture)
{
    int next = 0;
    for (int y = 0; y < picture.height; ++y) {
        int x = 0;
        while (x < picture.width) {
            if (next + 1 >= picture.runValues)
                return false;
            const int length = picture.runs[next];
            if (length == 0 || length > picture.width - x
                || picture.runs[next + 1] >= picture.paletteSize)
                return false;
            x += length;
            next += 2;
        }
    }
    return next == picture.runValues;
}

const RenderedPicture *checkedPictureFor(int scale)
{
    const RenderedPicture *picture = pictureFor(scale);
    if (!picture)
        return nullptr;
    // Checked once, and only the rendering that is asked for (pictures are painted on the GUI
    // thread only).
    static std::optional<bool> checked[std::size(kRenderedAdapterDrawings)];
    std::optional<bool> &ok = checked[picture - kRenderedAdapterDrawings];
    if (!ok)
        ok = wellFormed(*picture);
    return *ok ? picture : nullptr;
}

} // namespace

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

bool paintPrerenderedAdapterDrawing(QPainter &painter, int scale)
{
    const RenderedPicture *picture = checkedPictureFor(scale);
    if (!picture)
        return false;
    QImage band(picture->width, kBandRows, QImage::Format_RGB32);
    band.setDevicePixelRatio(scale);
    RunReader reader(*picture);
    for (int top = 0; top < picture->height; top += kBandRows) {
        const int rows = std::min(kBandRows, picture->height - top);
        for (int y = 0; y < rows; ++y)
            reader.readRow(band, y);
        // Whole device rows: the band lands exactly on the pixels it was rendered for.
        painter.drawImage(QPointF(0, qreal(top) / scale), band,
                          QRect(0, 0, picture->width, rows));
    }
    return true;
}

QImage prerenderedAdapterDrawing(int scale)
{
    const RenderedPicture *picture = checkedPictureFor(scale);
    if (!picture)
        return QImage();
    QImage image(picture->width, picture->height, QImage::Format_RGB32);
    RunReader reader(*picture);
    for (int y = 0; y < picture->height; ++y)
        reader.readRow(image, y);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace vkp2::artwork
