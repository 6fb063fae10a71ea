#pragma once
// The last step of night drawing: what the style paints in tints of its own (Fusion's light
// edges, grey frames) comes out red, every pixel as bright as its brightest channel. Pixels
// already in reds pass as they are.

#include <QGraphicsEffect>

namespace vkp2::planner_window {

class NightFilter : public QGraphicsEffect {
public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    void draw(QPainter *painter) override;
};

} // namespace vkp2::planner_window
