#pragma once
// Image1: the dimension drawing of the adapter inside a single-line border. At 1x and 2x it shows
// the drawing rendered at build time; at other scales it paints it on every paint event, so it
// stays sharp at any screen scale. At night the same pixels are shown in reds.

#include <QFrame>
#include <QImage>

namespace vkp2 {

class DimensionDrawing final : public QFrame {
    Q_OBJECT
public:
    explicit DimensionDrawing(QWidget *parent = nullptr);

    void setNight(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The day drawing at the painter's scale, recoloured once per scale.
    const QImage &nightImage(const QTransform &deviceTransform, qreal devicePixelRatio);

    bool night_ = false;
    QImage nightImage_;
};

} // namespace vkp2
