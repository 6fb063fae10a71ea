#pragma once
// The adapter drawing as rendered when the program was built (render/render_drawing.cpp), at
// the scales most screens use. Showing it costs a copy of pixels instead of loading three
// font variants and painting vectors and text at every start.

#include <QImage>

#include <cstdint>

class QTransform;

namespace vkp2::artwork {

// One rendering: `scale` device pixels per drawing unit, pixels as QImage::Format_RGB32.
struct RenderedPicture {
    int scale;
    int width;
    int height;
    const std::uint32_t *pixels;
};

// Defined in the source file the build generates.
extern const RenderedPicture kRenderedAdapterDrawings[2];

// The rendering made for `scale`, wrapping the built-in pixels (no copy) with that device pixel
// ratio; a null image for a scale without one.
QImage prerenderedAdapterDrawing(int scale);

// The scale at which a painter with this device transform shows a rendering exactly: 1 or 2
// for a plain scale whose translation lands on whole device pixels, 0 for anything else
// (rotation, shearing, other scales, half pixels), which must be painted afresh.
int exactRenderedScale(const QTransform &deviceTransform);

} // namespace vkp2::artwork
