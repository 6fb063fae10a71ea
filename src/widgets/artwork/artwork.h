#pragma once
// The program's own pictures, painted in code so they stay crisp at any screen scale:
// the dimension drawing of the adapter, the application icon and the About logo (the logo
// and the icon share one artwork).

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace vkp2::artwork {

// Size of the dimension drawing in device-independent pixels.
inline constexpr int kDrawingWidth = 320;
inline constexpr int kDrawingHeight = 207;
// Size of the About logo in device-independent pixels.
inline constexpr int kLogoWidth = 150;
inline constexpr int kLogoHeight = 75;
// The About logo sits on this light grey.
inline const QColor kLogoBackground(192, 192, 192);

// Side view of the adapter between telescope and camera body, with its dimension marks,
// painted into a kDrawingWidth x kDrawingHeight coordinate space.
void paintAdapterDrawing(QPainter &painter);
QPixmap adapterDrawing(qreal devicePixelRatio);

// The application icon, painted to fill `bounds`.
void paintAppIcon(QPainter &painter, const QRectF &bounds);
QIcon appIcon();

// The About window's logo, painted into a kLogoWidth x kLogoHeight coordinate space.
void paintLogo(QPainter &painter);
// Where the logo paints the icon artwork, in the logo's coordinate space.
QRectF logoIconBounds();
QPixmap logo(qreal devicePixelRatio);

} // namespace vkp2::artwork
