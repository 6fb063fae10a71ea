#include "widgets/planner_window/focal_chart.h"

#include "calculator/core/numbers.h"
#include "planner/sampling.h"
#include "widgets/planner_window/chart_style.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

namespace {

constexpr double kMaxD = planner::maxDistanceMm;
constexpr double kStepD = 5; // sampling of the curves; the cursor computes its own point

double niceBelow(double v)
{
    const double decade = std::pow(10, std::floor(std::log10(v)));
    for (double m : {5.0, 2.0, 1.0}) {
        if (m * decade <= v * (1 + 1e-12))
            return m * decade;
    }
    return decade;
}

double niceAbove(double v)
{
    const double decade = std::pow(10, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * decade >= v * (1 - 1e-12))
            return m * decade;
    }
    return 10 * decade;
}

QString tickLabel(double v)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', 6);
}

// "None or Film" leaves the field and scale boxes at 0, which says nothing here.
bool hasCamera(const planner::Shown &s) { return s.camera != entries::NoneOrFilm; }

} // namespace

QPointF FocalChart::Layout::map(double d, double value) const
{
    const double x = plot.left() + plot.width() * d / kMaxD;
    const double t = (std::log10(value) - logLo) / (logHi - logLo);
    return {x, plot.bottom() - plot.height() * t};
}

double FocalChart::Layout::distanceAt(double x) const
{
    return std::clamp((x - plot.left()) / plot.width() * kMaxD, 0.0, kMaxD);
}

FocalChart::FocalChart(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setObjectName(QStringLiteral("Chart"));
    setAccessibleName(tr("Focal ratio chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuild();
}

void FocalChart::setInputs(const PlannerInputs &inputs)
{
    inputs_ = inputs;
    optics_ = chartOptics(inputs.setup);
    const int i = planner::ocularEntries().indexOf(inputs.setup.ocular) - 1; // after "No-VKP2"
    if (i >= 0)
        cursorOcular_ = i;
    if (const auto d = numbers::parse(inputs.setup.d))
        cursorD_ = int(std::clamp(std::lround(*d), 0L, long(kMaxD)));
    rebuild();
    updateCursor();
}

void FocalChart::setView(View view)
{
    if (view == view_)
        return;
    view_ = view;
    setAccessibleName(view == View::FocalRatio ? tr("Focal ratio chart") : tr("Pixel scale chart"));
    rebuild();
    updateCursor();
}

QString FocalChart::cursorOcularName() const
{
    return planner::ocularEntries().value(cursorOcular_ + 1);
}

std::optional<double> FocalChart::valueAt(int curve, double d) const
{
    const std::size_t slot = std::size_t(curve + 1);
    if (slot >= projections_.size() || !projections_[slot])
        return std::nullopt;
    const planner::Projection *projection = &*projections_[slot];
    if (view_ == View::FocalRatio)
        return optics_.apertureMm ? planner::focalRatioAt(*projection, *optics_.apertureMm, d)
                                  : std::nullopt;
    return optics_.pixelUm ? planner::pixelScaleAt(*projection, *optics_.pixelUm, d) : std::nullopt;
}

void FocalChart::rebuild()
{
    curves_.clear();
    emptyNote_.clear();
    bandLo_.reset();
    bandHi_.reset();
    const QStringList names = planner::ocularEntries();
    projections_.clear();
    for (const QString &name : names)
        projections_.push_back(projectionFor(optics_, name));
    double lo = INFINITY, hi = 0;
    for (int c = -1; c + 1 < names.size(); ++c) {
        Curve curve;
        curve.index = c;
        curve.name = c < 0 ? tr("No-VKP2 (prime focus)") : names.at(c + 1);
        QPolygonF run;
        for (double d = 0; d <= kMaxD + 1e-9; d += kStepD) {
            const auto v = valueAt(c, d);
            if (v && std::isfinite(*v) && *v > 0) {
                run << QPointF(d, *v);
                lo = std::min(lo, *v);
                hi = std::max(hi, *v);
            } else if (!run.isEmpty()) {
                curve.pieces << run;
                run.clear();
            }
        }
        if (!run.isEmpty())
            curve.pieces << run;
        curves_ << curve;
    }
    std::optional<planner::Band> band;
    if (optics_.pixelUm) {
        band = view_ == View::FocalRatio
                   ? planner::focalRatioBand(*optics_.pixelUm, inputs_.wavelengthNm,
                                             inputs_.colourSensor)
                   : planner::seeingBand(inputs_.seeingArcsec);
    }
    if (band) {
        bandLo_ = band->low;
        bandHi_ = band->high;
        lo = std::min(lo, band->low);
        hi = std::max(hi, band->high);
    }
    if (hi <= 0) {
        emptyNote_ = view_ == View::PixelScale && !optics_.pixelUm
                         ? tr("Choose a camera to see the pixel scale.")
                         : tr("No curve: the telescope or TL holds no usable number.");
        lo = view_ == View::FocalRatio ? 5 : 0.05;
        hi = view_ == View::FocalRatio ? 500 : 5;
    }
    yMin_ = niceBelow(lo);
    yMax_ = niceAbove(hi);
    if (yMax_ <= yMin_)
        yMax_ = yMin_ * 10;
    update();
}

void FocalChart::updateCursor()
{
    const QString ocular = cursorOcularName();
    const QString d = numbers::format(cursorD_);
    cursorShown_ = showAt(inputs_.setup, ocular, d);
    const planner::Shown &s = cursorShown_;
    QStringList parts;
    parts << tr("EFL %1 mm").arg(s.box("efl")) << tr("focal ratio %1").arg(s.box("efr"));
    if (hasCamera(s) && !s.box("Fov_width").isEmpty())
        parts << tr("field %1 × %2′").arg(s.box("Fov_width"), s.box("Fov_height"));
    if (hasCamera(s) && !s.box("Pixelscale_width").isEmpty())
        parts << tr("pixel scale %1 × %2″/px").arg(s.box("Pixelscale_width"), s.box("Pixelscale_height"));
    cursorText_ = tr("%1, D %2 mm: %3").arg(ocular, d, parts.join(QStringLiteral(", ")));
    setAccessibleDescription(cursorText_);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    update();
    emit cursorMoved(cursorText_);
}

void FocalChart::setCursorAt(int ocularIndex, int distanceMm)
{
    const int n = int(planner::ocularEntries().size()) - 1;
    ocularIndex = std::clamp(ocularIndex, 0, n - 1);
    distanceMm = std::clamp(distanceMm, 0, int(kMaxD));
    if (ocularIndex == cursorOcular_ && distanceMm == cursorD_ && !cursorText_.isEmpty())
        return;
    cursorOcular_ = ocularIndex;
    cursorD_ = distanceMm;
    updateCursor();
}

void FocalChart::pick() { emit picked(cursorOcularName(), numbers::format(cursorD_)); }

void FocalChart::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: setCursorAt(cursorOcular_, cursorD_ - step); break;
    case Qt::Key_Right: setCursorAt(cursorOcular_, cursorD_ + step); break;
    case Qt::Key_PageUp: setCursorAt(cursorOcular_, cursorD_ + 100); break;
    case Qt::Key_PageDown: setCursorAt(cursorOcular_, cursorD_ - 100); break;
    case Qt::Key_Home: setCursorAt(cursorOcular_, 0); break;
    case Qt::Key_End: setCursorAt(cursorOcular_, int(kMaxD)); break;
    case Qt::Key_Up: setCursorAt(cursorOcular_ - 1, cursorD_); break;
    case Qt::Key_Down: setCursorAt(cursorOcular_ + 1, cursorD_); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: pick(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void FocalChart::mouseMoveEvent(QMouseEvent *event)
{
    const Layout l = layoutFor(size());
    const QPointF at = event->position();
    if (!l.plot.contains(at))
        return;
    const int d = int(std::lround(l.distanceAt(at.x())));
    int best = cursorOcular_;
    double bestGap = INFINITY;
    for (const Curve &c : curves_) {
        if (c.index < 0)
            continue;
        if (const auto v = valueAt(c.index, d); v && *v > 0) {
            const double gap = std::abs(l.map(d, *v).y() - at.y());
            if (gap < bestGap) {
                bestGap = gap;
                best = c.index;
            }
        }
    }
    setCursorAt(best, d);
}

void FocalChart::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    mouseMoveEvent(event);
    if (layoutFor(size()).plot.contains(event->position()))
        pick();
}

void FocalChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void FocalChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

FocalChart::Layout FocalChart::layoutFor(const QSizeF &size) const
{
    const QFontMetricsF fm(font());
    double labelW = 0;
    for (double v : {yMin_, yMax_, yMin_ * 2, yMin_ * 5, yMax_ / 2, yMax_ / 5})
        labelW = std::max(labelW, fm.horizontalAdvance(tickLabel(v)));
    double nameW = 0;
    for (const Curve &c : curves_)
        nameW = std::max(nameW, fm.horizontalAdvance(c.name));
    const double legendW = nameW + 44;
    Layout l;
    const double left = fm.height() + labelW + 14;
    const double top = fm.height() + 12;
    const double bottom = 2 * fm.height() + 14;
    l.plot = QRectF(left, top, std::max(40.0, size.width() - left - legendW - 16),
                    std::max(40.0, size.height() - top - bottom));
    l.legend = QRectF(l.plot.right() + 10, l.plot.top(), legendW, l.plot.height());
    l.logLo = std::log10(yMin_);
    l.logHi = std::log10(yMax_);
    return l;
}

void FocalChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, size());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void FocalChart::paintChart(QPainter &painter, const QSizeF &size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QPalette &pal = palette();
    const QColor text = pal.color(QPalette::Text);
    QColor grid = pal.color(QPalette::Mid);
    painter.fillRect(QRectF(QPointF(0, 0), size), pal.color(QPalette::Base));
    const Layout l = layoutFor(size);
    const QFontMetricsF fm(font());

    // Title
    const bool ratio = view_ == View::FocalRatio;
    painter.setPen(text);
    const QString title = ratio ? tr("Focal ratio against D") : tr("Pixel scale against D");
    painter.drawText(QRectF(l.plot.left(), 2, l.plot.width(), fm.height() + 6),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    // Band that samples well
    if (bandLo_ && bandHi_) {
        const double top = l.map(0, std::min(*bandHi_, yMax_)).y();
        const double bottom = l.map(0, std::max(*bandLo_, yMin_)).y();
        QColor fill = pal.color(QPalette::Highlight);
        fill.setAlpha(isDark(pal) ? 70 : 45);
        const QRectF band(l.plot.left(), top, l.plot.width(), bottom - top);
        painter.fillRect(band, fill);
        QPen edge(pal.color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(edge);
        painter.drawLine(band.topLeft(), band.topRight());
        painter.drawLine(band.bottomLeft(), band.bottomRight());
        painter.setPen(text);
        const QString what = ratio ? tr("well sampled (critical focal ratio N to 1.5 N)")
                                   : tr("well sampled (seeing/3 to seeing/2)");
        painter.drawText(QRectF(band.left() + 6, band.top(), band.width() - 12,
                                std::max(band.height(), fm.height())),
                         Qt::AlignRight | Qt::AlignVCenter, what);
    }

    // Grid, ticks and labels
    QPen gridPen(grid, 1, Qt::SolidLine);
    for (int d = 0; d <= int(kMaxD); d += 100) {
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
    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(l.plot);
    painter.drawText(QRectF(l.plot.left(), l.plot.bottom() + fm.height() + 7, l.plot.width(),
                            fm.height() + 4),
                     Qt::AlignHCenter, tr("D (mm)"));
    painter.save();
    painter.translate(2, l.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-l.plot.height() / 2, 0, l.plot.height(), fm.height() + 2),
                     Qt::AlignHCenter, ratio ? tr("Focal ratio (log scale)")
                                             : tr("Pixel scale, ″/px (log scale)"));
    painter.restore();

    // Curves
    painter.save();
    painter.setClipRect(l.plot);
    for (const Curve &c : curves_) {
        const CurveStyle style = curveStyle(c.index, pal);
        QPen pen = style.pen;
        if (c.index == cursorOcular_)
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
        QPen markerPen(style.pen.color(), 1.5);
        painter.setPen(markerPen);
        painter.setBrush(pal.color(QPalette::Base));
        // Markers staggered along D so neighbouring curves do not hide each other's.
        for (double d = 50 + 9 * std::max(0, c.index); d < kMaxD; d += 200) {
            if (const auto v = valueAt(c.index, d); v && *v > 0 && c.index >= 0)
                drawMarker(painter, style.marker, l.map(d, *v), 7);
        }
    }
    painter.restore();

    // Legend
    double y = l.legend.top();
    for (const Curve &c : curves_) {
        const CurveStyle style = curveStyle(c.index, pal);
        const double mid = y + fm.height() / 2;
        painter.setPen(style.pen);
        painter.drawLine(QPointF(l.legend.left(), mid), QPointF(l.legend.left() + 30, mid));
        QPen markerPen(style.pen.color(), 1.5);
        painter.setPen(markerPen);
        painter.setBrush(pal.color(QPalette::Base));
        drawMarker(painter, style.marker, QPointF(l.legend.left() + 15, mid), 7);
        painter.setPen(text);
        QFont f = font();
        f.setBold(c.index == cursorOcular_);
        painter.setFont(f);
        painter.drawText(QRectF(l.legend.left() + 36, y, l.legend.width() - 36, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, c.name);
        painter.setFont(font());
        y += fm.height() + 4;
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
    if (const auto v = valueAt(cursorOcular_, cursorD_); v && *v > 0) {
        anchor = l.map(cursorD_, *v);
        if (l.plot.contains(anchor)) {
            painter.setPen(QPen(text, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(anchor, 6, 6);
        }
    }
    const planner::Shown &s = cursorShown_;
    QStringList lines{tr("%1, D %2 mm").arg(cursorOcularName(), numbers::format(cursorD_)),
                      tr("EFL %1 mm").arg(s.box("efl")), tr("Focal ratio %1").arg(s.box("efr"))};
    if (hasCamera(s) && !s.box("Fov_width").isEmpty())
        lines << tr("Field %1 × %2′").arg(s.box("Fov_width"), s.box("Fov_height"));
    if (hasCamera(s) && !s.box("Pixelscale_width").isEmpty())
        lines << tr("Scale %1 × %2″/px").arg(s.box("Pixelscale_width"), s.box("Pixelscale_height"));
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
