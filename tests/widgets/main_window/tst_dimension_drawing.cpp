// The window's adapter drawing shows the build-time rendering where the scale allows and paints
// afresh elsewhere; either way it must look exactly like the drawing painted from vectors.

#include "widgets/artwork/artwork.h"
#include "widgets/main_window/dimension_drawing.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace vkp2::artwork;

class TstDimensionDrawing : public QObject {
    Q_OBJECT
private slots:
    void windowShowsTheDrawingAtItsScale_data();
    void windowShowsTheDrawingAtItsScale();
};

namespace {

bool isDark(QRgb p) { return qGray(p) < 100; }

int countPixels(const QImage &image, bool (*match)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += match(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Pixels of `image` inside `area` that differ from `expected` (same size as the area).
int differingPixels(const QImage &image, const QRect &area, const QImage &expected)
{
    int differing = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            differing += image.pixel(area.x() + x, area.y() + y) != expected.pixel(x, y) ? 1 : 0;
    return differing;
}

} // namespace

void TstDimensionDrawing::windowShowsTheDrawingAtItsScale_data()
{
    // 1x and 2x show the rendering, 1.5x and 3x paint afresh; all must look like a fresh paint.
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("3x") << 3.0;
}

void TstDimensionDrawing::windowShowsTheDrawingAtItsScale()
{
    // Compared with the drawing painted from vectors into its frame's inside, as the window did
    // before it had a rendering.
    QFETCH(qreal, dpr);
    vkp2::DimensionDrawing drawing;
    drawing.resize(kDrawingWidth + 4, kDrawingHeight + 4);
    const QSize pixels = (QSizeF(drawing.size()) * dpr).toSize();
    QImage shown(pixels, QImage::Format_RGB32);
    shown.setDevicePixelRatio(dpr);
    shown.fill(Qt::red);
    drawing.render(&shown);

    QImage painted(pixels, QImage::Format_RGB32);
    painted.setDevicePixelRatio(dpr);
    painted.fill(Qt::red);
    const QRect inside = drawing.contentsRect();
    {
        QPainter painter(&painted);
        painter.setClipRect(inside);
        painter.fillRect(inside, Qt::white);
        painter.translate(inside.topLeft());
        painter.setRenderHint(QPainter::Antialiasing);
        paintAdapterDrawing(painter);
    }
    // whole device pixels inside the frame's border
    const QRect area = QRectF(QPointF(inside.topLeft()) * dpr, QSizeF(inside.size()) * dpr)
                           .toAlignedRect()
                           .adjusted(1, 1, -1, -1);
    QCOMPARE(differingPixels(shown, area, painted.copy(area)), 0);
    // and it is the drawing, not an empty frame
    QVERIFY(countPixels(shown.copy(area), isDark) > 400 * dpr * dpr);
}

QTEST_MAIN(TstDimensionDrawing)
#include "tst_dimension_drawing.moc"
