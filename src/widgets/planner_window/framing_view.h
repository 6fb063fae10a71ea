#pragma once
// The framing picture: the camera's frame at the chosen ocular and D, to scale in sky angles over
// the target at its smallest (filled) and largest (outline) apparent size, its outline on the
// planned date drawn boldly, and a full-disc mosaic's panes.

#include "planner/advice.h"
#include "widgets/planner_window/paint_look.h"

#include <QPolygonF>
#include <QRectF>
#include <QWidget>

#include <optional>

namespace vkp2::planner_window {

// What the picture shows, all of it from the engine's advice on the shown setup.
struct Framing {
    QString target; // the window's name for it
    double minArcsec = 0, maxArcsec = 0;
    double scaleWidth = 0, scaleHeight = 0; // arcsec/px, unrounded, from the shown EFL
    int chipWidthPx = 0, chipHeightPx = 0;
    bool rings = false; // the size is a ring system's, drawn around the globe
    QList<planner::FitAt> fits; // the advice's, at the smallest and largest size or the only one
    std::optional<planner::TargetOnDate> onDate; // the advice's view on the planned date
    std::optional<planner::Mosaic> mosaic;       // the advice's panes

    bool valid() const;
    // The fit sentences for the smallest and largest size (one when they are equal), in the
    // user's locale.
    QStringList sentences() const;
};

// What the widget drew, in widget pixels: the frame, and the disc radii at both sizes; on a
// date the globe's radii (equatorial, polar) and the rings' ellipse; the mosaic's panes as
// polygons (their corners), each the frame's size turned by the mosaic's rotation.
struct FramingGeometry {
    bool valid = false;
    QRectF frame;         // the camera frame upright, at the centre
    QPolygonF frameDrawn; // its corners as drawn: turned like the mosaic's panes
    double minRadiusX = 0, minRadiusY = 0, maxRadiusX = 0, maxRadiusY = 0;
    bool onDate = false;
    double dateRadiusX = 0, dateRadiusY = 0;
    double ringRadiusX = 0, ringRadiusY = 0; // 0 without rings on the date
    QList<QPolygonF> panes;
};

class FramingView : public QWidget {
    Q_OBJECT
public:
    explicit FramingView(QWidget *parent = nullptr);

    void setFraming(const Framing &framing);
    const Framing &framing() const { return framing_; }
    FramingGeometry framingGeometry() const { return geometryFor(size()); }
    FramingGeometry geometryFor(const QSizeF &size) const;
    // Every colour from the look's palette, so the night palette makes it all red.
    void paintFraming(QPainter &painter, const QSizeF &size, const PaintLook &look) const;
    void paintFraming(QPainter &painter, const QSizeF &size) const { paintFraming(painter, size, {palette(), false}); }

    QSize sizeHint() const override { return {300, 220}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Framing framing_;
};

} // namespace vkp2::planner_window
