#include "widgets/planner_window/focal_chart.h"

#include "calculator/core/numbers.h"
#include "widgets/planner_window/announce.h"
#include "widgets/planner_window/chart_style.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

namespace {

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

} // namespace

bool FocalChart::hasCamera(const planner::Shown &s) { return s.camera != entries::NoneOrFilm; }

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
    shown_ = planner::show(inputs.setup);
    optics_ = chartOptics(shown_);
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
    const bool ratio = view_ == View::FocalRatio;
    // The engine's band; the seeing's only counts with a pixel to judge by.
    const planner::Advice advice = planner::adviseOn(shown_, adviceOptions(inputs_));
    const std::optional<planner::Band> band = ratio                     ? advice.focalRatioBand
                                              : advice.samplingPitchUm ? planner::seeingBand(inputs_.seeingArcsec)
                                                                        : std::nullopt;
    bandLabel_.clear();
    noBandNote_.clear();
    if (band) {
        bandLo_ = band->low;
        bandHi_ = band->high;
        lo = std::min(lo, band->low);
        hi = std::max(hi, band->high);
        const QString low = numbers::format(numbers::round2(band->low));
        const QString high = numbers::format(numbers::round2(band->high));
        bandLabel_ = ratio ? tr("well sampled: N = %1 to %2 N = %3")
                                 .arg(low, numbers::format(planner::focalRatioBandWidth), high)
                           : tr("well sampled: seeing/3 = %1 to seeing/2 = %2 ″/px").arg(low, high);
    } else if (!hasCamera(shown_)) {
        noBandNote_ = tr("No sampling band: it needs a camera's pixel size, and “%1” has none.")
                          .arg(entries::NoneOrFilm);
    } else {
        noBandNote_ = tr("No sampling band: the camera's pixel size holds no usable number.");
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
    parts << tr("EFL %1 mm").arg(s.box(Box::efl)) << tr("focal ratio %1").arg(s.box(Box::efr));
    if (hasCamera(s) && !s.box(Box::Fov_width).isEmpty())
        parts << tr("field %1 × %2′").arg(s.box(Box::Fov_width), s.box(Box::Fov_height));
    if (hasCamera(s) && !s.box(Box::Pixelscale_width).isEmpty())
        parts << tr("pixel scale %1 × %2″/px").arg(s.box(Box::Pixelscale_width), s.box(Box::Pixelscale_height));
    cursorText_ = tr("%1, D %2 mm: %3").arg(ocular, d, parts.join(QStringLiteral(", ")));
    announce(this, cursorText_);
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

} // namespace vkp2::planner_window
