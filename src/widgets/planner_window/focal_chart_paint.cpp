#include "widgets/planner_window/focal_chart.h"

#include "calculator/core/numbers.h"
#include "planner/train_setup.h"
#include "widgets/planner_window/chart_style.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

// How the chart is painted: the widget, the exports and the benchmark all paint through here.

namespace vkp2::planner_window {

QRectF FocalChart::bandLabelRect(const QSizeF &size) const
{
    if (!bandLo_ || !bandHi_ || bandLabel_.isEmpty())
        return {};
    const Layout l = layoutFor(size);
    const QFontMetricsF fm(font());
    const double top = l.map(0, std::min(*bandHi_, yMax_)).y();
    const double bottom = l.map(0, std::max(*bandLo_, yMin_)).y();
    const double w = std::min(fm.horizontalAdvance(bandLabel_) + 12, l.plot.width() - 8);
    const double h = fm.height() + 4;
    // Centred on the band, kept inside the plot.
    const double y = std::clamp((top + bottom - h) / 2, l.plot.top() + 2, l.plot.bottom() - h - 2);
    return QRectF(l.plot.right() - w - 6, y, w, h);
}

void FocalChart::setNight(bool on)
{
    night_ = on;
    update();
}

void FocalChart::paintChart(QPainter &painter, const QSizeF &size, const PaintLook &look) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QPalette &pal = look.palette;
    const QColor text = pal.color(QPalette::Text);
    QColor grid = pal.color(QPalette::Mid);
    painter.fillRect(QRectF(QPointF(0, 0), size), pal.color(QPalette::Base));
    const Layout l = layoutFor(size);
    const QFontMetricsF fm(font());

    // Title
    const bool ratio = view_ == View::FocalRatio;
    painter.setPen(text);
    const QString title = ratio ? tr("Focal ratio against %1").arg(titleWords_)
                                : tr("Pixel scale against %1").arg(titleWords_);
    painter.drawText(QRectF(l.plot.left(), 2, l.plot.width(), fm.height() + 6),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    // Band that samples well
    if (bandLo_ && bandHi_) {
        const double top = l.map(0, std::min(*bandHi_, yMax_)).y();
        const double bottom = l.map(0, std::max(*bandLo_, yMin_)).y();
        const QRectF band(l.plot.left(), top, l.plot.width(), bottom - top);
        painter.fillRect(band, bandBrush(look));
        QPen edge(pal.color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(edge);
        painter.drawLine(band.topLeft(), band.topRight());
        painter.drawLine(band.bottomLeft(), band.bottomRight());
    }

    // Grid, ticks and labels
    QPen gridPen(grid, 1, Qt::SolidLine);
    const int tickStep = xMax_ > 1000 ? 200 : 100;
    for (int d = 0; d <= int(xMax_); d += tickStep) {
        const double x = l.map(d, yMin_).x();
        painter.setPen(gridPen);
        painter.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.plot.bottom() + 4));
        painter.setPen(text);
        painter.drawText(QRectF(x - 40, l.plot.bottom() + 5, 80, fm.height()), Qt::AlignHCenter,
                         tickLabel(d));
    }
    for (int k = int(std::floor(l.logLo)); k <= int(std::ceil(l.logHi)); ++k) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double v = m * std::pow(10, k);
            if (v < yMin_ * (1 - 1e-9) || v > yMax_ * (1 + 1e-9))
                continue;
            const double y = l.map(0, v).y();
            painter.setPen(gridPen);
            painter.drawLine(QPointF(l.plot.left() - 4, y), QPointF(l.plot.right(), y));
            painter.setPen(text);
            painter.drawText(QRectF(0, y - fm.height() / 2, l.plot.left() - 7, fm.height()),
                             Qt::AlignRight | Qt::AlignVCenter, tickLabel(v));
        }
    }
    // The band's label on its own ground, after the grid, so no grid line runs through it.
    if (const QRectF label = bandLabelRect(size); !label.isEmpty()) {
        painter.fillRect(label, pal.color(QPalette::Base));
        painter.setPen(QPen(pal.color(QPalette::Highlight), 1));
        painter.drawRect(label);
        painter.setPen(text);
        painter.drawText(label, Qt::AlignCenter, bandLabel_);
    } else if (!noBandNote_.isEmpty() && emptyNote_.isEmpty()) {
        painter.setPen(text);
        painter.drawText(QRectF(l.plot.left() + 8, l.plot.top() + 4, l.plot.width() - 16, fm.height() * 2 + 4),
                         Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, noBandNote_);
    }
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(l.plot);
    painter.drawText(QRectF(l.plot.left(), l.plot.bottom() + fm.height() + 7, l.plot.width(),
                            fm.height() + 4),
                     Qt::AlignHCenter, axisTitle_);
    painter.save();
    painter.translate(2, l.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-l.plot.height() / 2, 0, l.plot.height(), fm.height() + 2),
                     Qt::AlignHCenter, ratio ? tr("Focal ratio (log scale)")
                                             : tr("Pixel scale, ″/px (log scale)"));
    painter.restore();

    // Curves, from the polylines rebuild() made
    painter.save();
    painter.setClipRect(l.plot.adjusted(-8, 0, 0, 0)); // a fixed factor's marker sits on the edge
    for (int i = 0; i < curves_.size(); ++i) {
        const Curve &c = curves_.at(i);
        const CurveStyle style = curveStyle(c.style, look);
        QPen pen = style.pen;
        if (i == cursorCurve_)
            pen.setWidthF(pen.widthF() + 1);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const QPolygonF &piece : c.pieces) {
            QPolygonF screen;
            screen.reserve(piece.size());
            for (const QPointF &p : piece)
                screen << l.map(p.x(), p.y());
            painter.drawPolyline(screen);
        }
        painter.setPen(QPen(style.pen.color(), i == cursorCurve_ ? 2.5 : 1.5));
        painter.setBrush(pal.color(QPalette::Base));
        const bool fixed = isFixedCurve(i);
        for (const QPointF &m : c.markers) {
            const QPointF at = l.map(m.x(), m.y());
            drawMarker(painter, style.marker == Marker::None ? Marker::Circle : style.marker, at, fixed ? 10 : 7);
            if (fixed) {
                painter.setPen(text);
                painter.drawText(QRectF(at.x() + 9, at.y() - fm.height() / 2, l.plot.width() / 2, fm.height()),
                                 Qt::AlignLeft | Qt::AlignVCenter, planner::trainText(c.setup.train));
                painter.setPen(QPen(style.pen.color(), 1.5));
            }
        }
    }
    painter.restore();

    // Legend; a fixed factor shows its marker alone, as it is drawn
    const double rowStep = curves_.isEmpty() ? 0
                                             : std::min(fm.height() + 4, std::max(fm.height(), l.legend.height() / curves_.size()));
    double y = l.legend.top();
    for (int i = 0; i < curves_.size(); ++i) {
        const Curve &c = curves_.at(i);
        const CurveStyle style = curveStyle(c.style, look);
        const double mid = y + fm.height() / 2;
        const bool fixed = isFixedCurve(i);
        if (!fixed) {
            painter.setPen(style.pen);
            painter.drawLine(QPointF(l.legend.left(), mid), QPointF(l.legend.left() + 30, mid));
        }
        painter.setPen(QPen(style.pen.color(), 1.5));
        painter.setBrush(pal.color(QPalette::Base));
        drawMarker(painter, fixed && style.marker == Marker::None ? Marker::Circle : style.marker,
                   QPointF(l.legend.left() + 15, mid), 7);
        painter.setPen(text);
        QFont f = font();
        f.setBold(i == cursorCurve_);
        painter.setFont(f);
        painter.drawText(QRectF(l.legend.left() + 36, y, l.legend.width() - 36, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, c.name);
        painter.setFont(font());
        y += rowStep;
    }

    if (!emptyNote_.isEmpty()) {
        painter.setPen(text);
        painter.drawText(l.plot, Qt::AlignCenter | Qt::TextWordWrap, emptyNote_);
        painter.restore();
        return;
    }

    // Cursor and the box with its values
    const double cx = l.map(cursorD_, yMin_).x();
    QPen cursorPen(text, 1, Qt::DashLine);
    painter.setPen(cursorPen);
    painter.drawLine(QPointF(cx, l.plot.top()), QPointF(cx, l.plot.bottom()));
    QPointF anchor(cx, l.plot.center().y());
    if (const auto v = valueAt(cursorCurve_, cursorD_); v && *v > 0) {
        anchor = l.map(cursorD_, *v);
        if (l.plot.contains(anchor)) {
            painter.setPen(QPen(text, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(anchor, 6, 6);
        }
    }
    const planner::Shown &s = cursorShown_;
    QStringList lines{cursorHead_, tr("EFL %1 mm").arg(s.box(Box::efl)), tr("Focal ratio %1").arg(s.box(Box::efr))};
    if (hasCamera(s) && !s.box(Box::Fov_width).isEmpty())
        lines << tr("Field %1 × %2′").arg(s.box(Box::Fov_width), s.box(Box::Fov_height));
    if (hasCamera(s) && !s.box(Box::Pixelscale_width).isEmpty())
        lines << tr("Scale %1 × %2″/px").arg(s.box(Box::Pixelscale_width), s.box(Box::Pixelscale_height));
    double boxW = 0;
    for (const QString &line : lines)
        boxW = std::max(boxW, fm.horizontalAdvance(line));
    boxW += 14;
    const double boxH = lines.size() * fm.height() + 10;
    QPointF at(anchor.x() + 12, anchor.y() - boxH - 8);
    if (at.x() + boxW > l.plot.right())
        at.setX(anchor.x() - 12 - boxW);
    if (at.y() < l.plot.top())
        at.setY(anchor.y() + 12);
    at.setX(std::clamp(at.x(), l.plot.left() + 2, std::max(l.plot.left() + 2, l.plot.right() - boxW - 2)));
    at.setY(std::clamp(at.y(), l.plot.top() + 2, std::max(l.plot.top() + 2, l.plot.bottom() - boxH - 2)));
    const QRectF box(at, QSizeF(boxW, boxH));
    painter.setPen(QPen(pal.color(QPalette::ToolTipText), 1));
    painter.setBrush(pal.color(QPalette::ToolTipBase));
    painter.drawRoundedRect(box, 4, 4);
    painter.setPen(pal.color(QPalette::ToolTipText));
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(box.left() + 7, box.top() + 5 + i * fm.height(), boxW - 14, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
    painter.restore();
}

} // namespace vkp2::planner_window
