#pragma once
// Image1: the dimension drawing of the adapter inside a single-line border. At 1x and 2x it shows
// the drawing rendered at build time; at other scales it paints it on every paint event, so it
// stays sharp at any screen scale.

#include <QFrame>

namespace vkp2 {

class DimensionDrawing final : public QFrame {
    Q_OBJECT
public:
    explicit DimensionDrawing(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vkp2
