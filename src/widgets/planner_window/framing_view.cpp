#include "widgets/planner_window/framing_view.h"

#include "widgets/planner_window/announce.h"
#include "widgets/planner_window/advice_words.h"
#include "widgets/planner_window/framing_mosaic.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vkp2::planner_window {

bool Framing::valid() const
{
    const bool fitted = !fits.isEmpty() && std::all_of(fits.cbegin(), fits.cend(),
                                                       [](const planner::FitAt &f) { return f.fit.has_value(); });
    return fitted && minArcsec > 0 && maxArcsec > 0 && scaleWidth > 0 && scaleHeight > 0 && chipWidthPx > 0
           && chipHeightPx > 0 && std::isfinite(scaleWidth) && std::isfinite(scaleHeight);
}

QStringList Framing::sentences() const { return fitSentences(fits, target); }

FramingView::FramingView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Framing"));
    setAccessibleName(tr("Framing picture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FramingView::setFraming(const Framing &framing)
{
    framing_ = framing;
    announce(this, framing.sentences().join(QLatin1Char('\n')));
    update();
}

FramingGeometry FramingView::geometryFor(const QSizeF &size) const
{
    FramingGeometry g;
    if (!framing_.valid())
        return g;
    // Drawn in sky angles: a round disc stays round and the frame keeps the field's aspect even
    // when the pixels are not square. One scale for frame and target, so that whichever is
    // larger fills the picture.
    const double margin = 10;
    const double frameW = framing_.chipWidthPx * framing_.scaleWidth;  // arcsec
    const double frameH = framing_.chipHeightPx * framing_.scaleHeight; // arcsec
    double spanW = std::max(frameW, framing_.maxArcsec);
    double spanH = std::max(frameH, framing_.maxArcsec);
    if (framing_.onDate) {
        spanW = std::max(spanW, framing_.onDate->view.widthArcsec());
        spanH = std::max(spanH, framing_.onDate->view.heightArcsec());
    }
    if (framing_.mosaic) {
        const QPointF half = mosaicHalfSpan(*framing_.mosaic);
        spanW = std::max(spanW, 2 * half.x());
        spanH = std::max(spanH, 2 * half.y());
    }
    const double k = std::min((size.width() - 2 * margin) / spanW, (size.height() - 2 * margin) / spanH);
    if (!(k > 0) || !std::isfinite(k))
        return g;
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double fw = frameW * k, fh = frameH * k;
    g.valid = true;
    g.frame = QRectF(centre.x() - fw / 2, centre.y() - fh / 2, fw, fh);
    g.minRadiusX = g.minRadiusY = framing_.minArcsec * k / 2;
    g.maxRadiusX = g.maxRadiusY = framing_.maxArcsec * k / 2;
    if (framing_.onDate) {
        const planner::BodyView &v = framing_.onDate->view;
        g.onDate = true;
        g.dateRadiusX = v.equatorialArcsec * k / 2;
        g.dateRadiusY = v.polarArcsec * k / 2;
        if (v.ringMajorArcsec && v.ringMinorArcsec) {
            g.ringRadiusX = *v.ringMajorArcsec * k / 2;
            g.ringRadiusY = *v.ringMinorArcsec * k / 2;
        }
    }
    // The camera turned for a mosaic is turned for its central frame too.
    if (framing_.mosaic) {
        g.panes = panePolygons(*framing_.mosaic, centre, k);
        g.frameDrawn = centralFramePolygon(*framing_.mosaic, centre, k);
    } else {
        // In the panes' order: from the sky's lower left, anticlockwise on the sky.
        g.frameDrawn << g.frame.bottomLeft() << g.frame.bottomRight() << g.frame.topRight() << g.frame.topLeft();
    }
    return g;
}

void FramingView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFraming(painter, size());
}

void FramingView::paintFraming(QPainter &painter, const QSizeF &size, const PaintLook &look) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &pal = look.palette;
    const QColor text = pal.color(QPalette::Text);
    painter.fillRect(QRectF(QPointF(0, 0), size), pal.color(QPalette::Base));
    const FramingGeometry g = geometryFor(size);
    if (!g.valid) {
        painter.setPen(text);
        painter.drawText(QRectF(QPointF(0, 0), size).adjusted(8, 8, -8, -8),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Choose a camera with pixel and chip sizes to see the frame."));
        painter.restore();
        return;
    }
    const QPointF c = g.frame.center();
    QColor disc = pal.color(QPalette::Highlight);
    disc.setAlpha(150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    if (framing_.rings) {
        // The size is the ring span; the globe is about 1 / 2.27 of it.
        constexpr double globe = 60268.0 / 136775.0;
        painter.drawEllipse(c, g.minRadiusX * globe, g.minRadiusY * globe);
        QPen ring(disc, std::max(1.5, g.minRadiusY * 0.08));
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(c, g.minRadiusX, g.minRadiusY * 0.38);
    } else {
        painter.drawEllipse(c, g.minRadiusX, g.minRadiusY);
    }
    QPen outline(text, 1.5, Qt::DashLine);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, g.maxRadiusX, g.maxRadiusY);
    if (g.onDate) {
        // The planned night's outline, boldly: the globe flattened as it appears, the rings at
        // the date's tilt.
        QPen bold(text, 2.5);
        painter.setPen(bold);
        painter.drawEllipse(c, g.dateRadiusX, g.dateRadiusY);
        if (g.ringRadiusX > 0)
            painter.drawEllipse(c, g.ringRadiusX, g.ringRadiusY);
    }
    if (!g.panes.isEmpty())
        paintPanes(painter, g.panes, pal.color(QPalette::Link));
    QPen frame(text, 2);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    painter.drawPolygon(g.frameDrawn);
    painter.restore();
}

} // namespace vkp2::planner_window
