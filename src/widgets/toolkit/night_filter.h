#pragma once
// What a style draws past the palette at night: Fusion's white and grey bevels, list arrows and
// frame lines, the text cursor that inverts the ground. On a widget (and its children) this
// redraws every such pixel in reds; pixels that already keep the night rule stay as they are,
// so the palette's reds keep their brightness.

#include <QGraphicsEffect>

class QMainWindow;

namespace vkp2 {

class NightFilter final : public QGraphicsEffect {
    Q_OBJECT
public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    void draw(QPainter *painter) override;
};

// The filter on a main window's central widget, menu bar and status bar at night, none by day.
// A status bar is filtered only once the window has one: asking for it would make one.
void filterNightParts(QMainWindow *window, bool on);

} // namespace vkp2
