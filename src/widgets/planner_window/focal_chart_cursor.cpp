// The chart's cursor: which curve and D it sits on, what the calculator shows there, and the
// keys and mouse that move it.

#include "widgets/planner_window/focal_chart.h"

#include "calculator/core/numbers.h"
#include "planner/train_setup.h"
#include "widgets/planner_window/announce.h"
#include "widgets/planner_window/train_choices.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

int FocalChart::clampTo(int curve, int mm) const
{
    if (curve < 0 || curve >= curves_.size() || !curves_.at(curve).train)
        return std::clamp(mm, 0, int(kMaxD));
    const Curve &c = curves_.at(curve);
    if (c.variable == planner::TrainVariable::None)
        return 0;
    int low = int(std::ceil(c.lowMm));
    // An eyepiece at its focal length forms no image: start beyond it.
    if (c.variable == planner::TrainVariable::ProjectionDistance && low <= c.lowMm)
        ++low;
    const int high = std::max(low, int(std::floor(c.highMm)));
    return std::clamp(mm, low, high);
}

planner::Setup FocalChart::cursorSetup() const
{
    const Curve &c = curves_.at(cursorCurve_);
    if (c.train)
        return c.variable == planner::TrainVariable::None ? c.setup : planner::withVariable(c.setup, cursorD_);
    planner::Setup s = withoutTrain(inputs_.setup);
    s.d = numbers::format(cursorD_);
    s.chooseOcular(c.name);
    return s;
}

void FocalChart::updateCursor()
{
    if (cursorCurve_ >= curves_.size())
        return;
    const planner::Setup at = cursorSetup();
    cursorShown_ = planner::show(at);
    const planner::Shown &s = cursorShown_;
    QStringList parts;
    parts << tr("EFL %1 mm").arg(s.box(Box::efl)) << tr("focal ratio %1").arg(s.box(Box::efr));
    if (hasCamera(s) && !s.box(Box::Fov_width).isEmpty())
        parts << tr("field %1 × %2′").arg(s.box(Box::Fov_width), s.box(Box::Fov_height));
    if (hasCamera(s) && !s.box(Box::Pixelscale_width).isEmpty())
        parts << tr("pixel scale %1 × %2″/px").arg(s.box(Box::Pixelscale_width), s.box(Box::Pixelscale_height));
    cursorHead_ = curves_.at(cursorCurve_).train ? elementText(at)
                                                 : tr("%1, D %2 mm").arg(cursorOcularName(), numbers::format(cursorD_));
    cursorText_ = tr("%1: %2").arg(cursorHead_, parts.join(QStringLiteral(", ")));
    announce(this, cursorText_);
    update();
    emit cursorMoved(cursorText_);
}

void FocalChart::setCursorAt(int ocularIndex, int distanceMm)
{
    const int n = int(planner::ocularEntries().size()) - 1;
    setCursorOn(std::clamp(ocularIndex, 0, n - 1) + 1, distanceMm);
}

void FocalChart::setCursorOn(int curve, int distanceMm)
{
    curve = std::clamp(curve, 1, std::max(1, int(curves_.size()) - 1));
    distanceMm = clampTo(curve, distanceMm);
    if (curve == cursorCurve_ && distanceMm == cursorD_ && !cursorText_.isEmpty())
        return;
    cursorCurve_ = curve;
    cursorD_ = distanceMm;
    updateCursor();
}

void FocalChart::pick()
{
    if (cursorCurve_ < curves_.size() && curves_.at(cursorCurve_).train)
        emit pickedTrain(cursorSetup());
    else
        emit picked(cursorOcularName(), numbers::format(cursorD_));
}

void FocalChart::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: setCursorOn(cursorCurve_, cursorD_ - step); break;
    case Qt::Key_Right: setCursorOn(cursorCurve_, cursorD_ + step); break;
    case Qt::Key_PageUp: setCursorOn(cursorCurve_, cursorD_ + 100); break;
    case Qt::Key_PageDown: setCursorOn(cursorCurve_, cursorD_ - 100); break;
    case Qt::Key_Home: setCursorOn(cursorCurve_, 0); break;
    case Qt::Key_End: setCursorOn(cursorCurve_, int(xMax_)); break;
    case Qt::Key_Up: setCursorOn(cursorCurve_ - 1, cursorD_); break;
    case Qt::Key_Down: setCursorOn(cursorCurve_ + 1, cursorD_); break;
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
    int best = cursorCurve_;
    double bestGap = INFINITY;
    for (int c = 1; c < curves_.size(); ++c) {
        const int x = clampTo(c, d);
        // A fixed factor's marker is near only where it is drawn.
        if (isFixedCurve(c) && std::abs(l.map(0, yMin_).x() - at.x()) > 12)
            continue;
        if (curves_.at(c).train && x != d && !isFixedCurve(c))
            continue;
        if (const auto v = valueAt(c, x); v && *v > 0) {
            const double gap = std::abs(l.map(x, *v).y() - at.y());
            if (gap < bestGap) {
                bestGap = gap;
                best = c;
            }
        }
    }
    setCursorOn(best, d);
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

} // namespace vkp2::planner_window
