#pragma once
// Image1: the dimension drawing of the adapter inside a single-line border. Painted on every
// paint event, so it stays sharp at any screen scale.

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
