#pragma once
// The adapter drawing as rendered when the program was built (render/render_drawing.cpp), at
// the scales most screens use. Showing it costs copying pixels instead of loading three font
// variants and painting vectors and text at every start. The pixels are kept as runs of one
// colour per row, so the program carries and touches a few kilobytes rather than a bitmap.

#include <QImage>

#include <cstdint>

class QPainter;
class QTransform;

namespace vkp2::artwork {

// One rendering: `scale` device pixels per drawing unit. Each row is a sequence of
// (length, colour index) pairs in `runs` whose lengths add up to `width`; colours are
// QImage::Format_RGB32 values.
struct RenderedPicture {
    int scale;
    int width;
    int height;
    const std::uint32_t *palette;
    int paletteSize;
    const std::uint16_t *runs;
    int runValues; // two per run
};

// Defined in the source file the build generates.
extern const RenderedPicture kRenderedAdapterDrawings[2];

// The scale at which a painter with this device transform shows a rendering exactly: 1 or 2
// for a plain scale whose translation lands on whole device pixels, 0 for anything else
// (rotation, shearing, other scales, half pixels), which must be painted afresh.
int exactRenderedScale(const QTransform &deviceTransform);

// Draws the rendering made for `scale` with its top left corner at the painter's origin, a
// band of rows at a time. False, with nothing drawn, when there is none or it does not fit
// the drawing's size.
bool paintPrerenderedAdapterDrawing(QPainter &painter, int scale);

// The whole rendering made for `scale` as one image with that device pixel ratio; a null image
// where paintPrerenderedAdapterDrawing would draw nothing.
QImage prerenderedAdapterDrawing(int scale);

} // namespace vkp2::artwork
