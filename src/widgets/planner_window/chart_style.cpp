#include "widgets/planner_window/chart_style.h"

#include "widgets/toolkit/night_look.h"

#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <array>

namespace vkp2::planner_window {

bool isDark(const QPalette &palette) { return palette.color(QPalette::Base).lightness() < 128; }

CurveStyle curveStyle(int index, const PaintLook &look)
{
    const QPalette &palette = look.palette;
    // Tableau's ten, which stay apart for the common colour-vision deficiencies when paired
    // with dashes and markers.
    static constexpr std::array<QRgb, 10> colours{0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728,
                                                  0x9467bd, 0x8c564b, 0xe377c2, 0x7f7f7f,
                                                  0xbcbd22, 0x17becf};
    CurveStyle style;
    if (index < 0) {
        style.pen = QPen(palette.color(QPalette::Text), 1.5, Qt::DashDotLine);
        return style;
    }
    QColor c = QColor::fromRgb(colours[std::size_t(index) % colours.size()]);
    if (isDark(palette))
        c = c.lighter(145);
    if (look.night)
        c = night::red(c);
    // Five solid, five dashed, then dotted and dash-dotted: the trains after the ten oculars
    // keep apart from them.
    static constexpr std::array<Qt::PenStyle, 4> dashes{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                       Qt::DashDotDotLine};
    style.pen = QPen(c, 2, dashes[std::size_t(index / 5) % dashes.size()]);
    style.pen.setCapStyle(Qt::FlatCap);
    static constexpr std::array<Marker, 5> markers{Marker::Circle, Marker::Square, Marker::Triangle,
                                                   Marker::Diamond, Marker::Cross};
    style.marker = markers[std::size_t(index + index / 10) % markers.size()];
    return style;
}

QBrush bandBrush(const PaintLook &look)
{
    QColor fill = look.palette.color(QPalette::Highlight);
    if (look.night)
        return QBrush(QColor(fill.value(), 0, 0), Qt::BDiagPattern);
    fill.setAlpha(isDark(look.palette) ? 70 : 45);
    return QBrush(fill);
}

void drawMarker(QPainter &painter, Marker marker, const QPointF &at, qreal size)
{
    const qreal r = size / 2;
    switch (marker) {
    case Marker::None:
        return;
    case Marker::Circle:
        painter.drawEllipse(at, r, r);
        return;
    case Marker::Square:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, size, size));
        return;
    case Marker::Triangle:
        painter.drawPolygon(QPolygonF{QPointF(at.x(), at.y() - r * 1.15),
                                      QPointF(at.x() + r * 1.1, at.y() + r * 0.8),
                                      QPointF(at.x() - r * 1.1, at.y() + r * 0.8)});
        return;
    case Marker::Diamond:
        painter.drawPolygon(QPolygonF{QPointF(at.x(), at.y() - r * 1.3), QPointF(at.x() + r, at.y()),
                                      QPointF(at.x(), at.y() + r * 1.3), QPointF(at.x() - r, at.y())});
        return;
    case Marker::Cross:
        painter.drawLine(QPointF(at.x() - r, at.y() - r), QPointF(at.x() + r, at.y() + r));
        painter.drawLine(QPointF(at.x() - r, at.y() + r), QPointF(at.x() + r, at.y() - r));
        return;
    }
}

QString tickLabel(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', 6);
}

} // namespace vkp2::planner_window
