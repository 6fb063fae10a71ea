// The painted pictures: right sizes at every scale, real content, the agreed backgrounds; the
// adapter drawing rendered at build time is the same, pixel for pixel, as a fresh paint.

#include "widgets/artwork/artwork.h"
#include "widgets/artwork/prerendered_drawing.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace vkp2::artwork;

class TstArtwork : public QObject {
    Q_OBJECT
private slots:
    void drawingSize_data();
    void drawingSize();
    void drawingHasLinesAndLabels();
    void drawingStaysInsideItsFrame();
    void drawingIsSharperAtDoubleScale();
    void renderedDrawingIsAFreshPaint_data();
    void renderedDrawingIsAFreshPaint();
    void renderedDrawingPaintsInPlace_data();
    void renderedDrawingPaintsInPlace();
    void renderedOnlyWhereExact_data();
    void renderedOnlyWhereExact();
    void logoSize_data();
    void logoSize();
    void logoSitsOnLightGrey();
    void logoShowsTheIconArtwork();
    void iconOffersAllSizes();
    void smallIconsAreVisibleOnTransparency_data();
    void smallIconsAreVisibleOnTransparency();
    void iconStaysInsideItsBounds();
};

namespace {

int countPixels(const QImage &image, const std::function<bool(QRgb)> &match)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixel(x, y)))
                ++count;
    return count;
}

bool isWhite(QRgb p)
{
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}

bool isDark(QRgb p)
{
    return qGray(p) < 100;
}

QImage freshDrawing(qreal dpr)
{
    return adapterDrawing(dpr).toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of `image` inside `area` that differ from `expected` (same size as the area).
int differingPixels(const QImage &image, const QRect &area, const QImage &expected)
{
    int differing = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (image.pixel(area.x() + x, area.y() + y) != expected.pixel(x, y))
                ++differing;
    return differing;
}

} // namespace

void TstArtwork::drawingSize_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TstArtwork::drawingSize()
{
    QFETCH(qreal, dpr);
    const QPixmap pixmap = adapterDrawing(dpr);
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(kDrawingWidth, kDrawingHeight));
    QCOMPARE(pixmap.size(), QSize(qRound(kDrawingWidth * dpr), qRound(kDrawingHeight * dpr)));
    QVERIFY(pixmap.depth() >= 24);
}

void TstArtwork::drawingHasLinesAndLabels()
{
    const QImage image = adapterDrawing(1).toImage();
    const int total = image.width() * image.height();
    const int inked = countPixels(image, [](QRgb p) { return !isWhite(p); });
    const int dark = countPixels(image, isDark);
    // a line drawing: well covered, yet mostly white paper
    QVERIFY2(inked > total / 10, qPrintable(QString::number(inked)));
    QVERIFY2(inked < total * 3 / 4, qPrintable(QString::number(inked)));
    // thin anti-aliased lines are mostly grey; text and outlines still give solid dark pixels
    QVERIFY2(dark > 400, qPrintable(QString::number(dark)));
    // the picture spans the frame: telescope at the left, camera at the right
    const QImage left = image.copy(0, 0, image.width() / 4, image.height());
    const QImage right = image.copy(image.width() * 3 / 4, 0, image.width() / 4, image.height());
    const auto notWhite = [](QRgb p) { return !isWhite(p); };
    const int quarter = left.width() * left.height();
    QVERIFY2(countPixels(left, notWhite) > quarter / 10,
             qPrintable(QString::number(countPixels(left, notWhite))));
    QVERIFY2(countPixels(right, notWhite) > quarter / 10,
             qPrintable(QString::number(countPixels(right, notWhite))));
}

void TstArtwork::drawingStaysInsideItsFrame()
{
    // Nothing touches the outermost pixels, so nothing is cut off at the edge.
    const QImage image = adapterDrawing(2).toImage();
    for (int x = 0; x < image.width(); ++x) {
        QVERIFY2(isWhite(image.pixel(x, 0)), qPrintable(QStringLiteral("top x=%1").arg(x)));
        QVERIFY2(isWhite(image.pixel(x, image.height() - 1)),
                 qPrintable(QStringLiteral("bottom x=%1").arg(x)));
    }
    for (int y = 0; y < image.height(); ++y) {
        QVERIFY2(isWhite(image.pixel(0, y)), qPrintable(QStringLiteral("left y=%1").arg(y)));
        QVERIFY2(isWhite(image.pixel(image.width() - 1, y)),
                 qPrintable(QStringLiteral("right y=%1").arg(y)));
    }
}

void TstArtwork::drawingIsSharperAtDoubleScale()
{
    // Painted again at 2x rather than blown up: the 2x image differs from the 1x one scaled up.
    const QImage one = adapterDrawing(1).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage two = adapterDrawing(2).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage upscaled = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 0; y < two.height(); ++y)
        for (int x = 0; x < two.width(); ++x)
            if (two.pixel(x, y) != upscaled.pixel(x, y))
                ++differing;
    QVERIFY2(differing > 2000, qPrintable(QString::number(differing)));
}

void TstArtwork::renderedDrawingIsAFreshPaint_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TstArtwork::renderedDrawingIsAFreshPaint()
{
    QFETCH(int, scale);
    const QImage rendered = prerenderedAdapterDrawing(scale);
    QVERIFY(!rendered.isNull());
    QCOMPARE(rendered.devicePixelRatio(), qreal(scale));
    const QImage fresh = freshDrawing(scale);
    QCOMPARE(rendered.size(), fresh.size());
    QCOMPARE(differingPixels(rendered, rendered.rect(), fresh), 0);
}

void TstArtwork::renderedDrawingPaintsInPlace_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1x at 0,0") << 1 << QPoint(0, 0);
    QTest::newRow("1x at 7,3") << 1 << QPoint(7, 3);
    QTest::newRow("2x at 0,0") << 2 << QPoint(0, 0);
    QTest::newRow("2x at 5,9") << 2 << QPoint(5, 9);
}

void TstArtwork::renderedDrawingPaintsInPlace()
{
    // Drawn band by band onto a page, it covers exactly its own rectangle with the fresh paint.
    QFETCH(int, scale);
    QFETCH(QPoint, origin);
    QImage page(QSize(kDrawingWidth + 20, kDrawingHeight + 20) * scale, QImage::Format_RGB32);
    page.setDevicePixelRatio(scale);
    page.fill(Qt::red);
    {
        QPainter painter(&page);
        painter.translate(origin);
        QVERIFY(paintPrerenderedAdapterDrawing(painter, scale));
    }
    const QImage fresh = freshDrawing(scale);
    const QRect area(origin * scale, fresh.size());
    QCOMPARE(differingPixels(page, area, fresh), 0);
    const int red = countPixels(page, [](QRgb p) { return p == qRgb(255, 0, 0); });
    QCOMPARE(red, page.width() * page.height() - area.width() * area.height());
}

void TstArtwork::renderedOnlyWhereExact_data()
{
    QTest::addColumn<QTransform>("transform");
    QTest::addColumn<int>("scale");
    QTest::newRow("none") << QTransform() << 1;
    QTest::newRow("whole pixels moved") << QTransform::fromTranslate(233, 21) << 1;
    QTest::newRow("half a pixel moved") << QTransform::fromTranslate(0.5, 0) << 0;
    QTest::newRow("2x") << QTransform::fromScale(2, 2) << 2;
    QTest::newRow("2x moved by odd pixels") << QTransform(2, 0, 0, 2, 3, 5) << 2;
    QTest::newRow("2x moved by half a pixel") << QTransform(2, 0, 0, 2, 1.5, 0) << 0;
    QTest::newRow("1.5x") << QTransform::fromScale(1.5, 1.5) << 0;
    QTest::newRow("3x") << QTransform::fromScale(3, 3) << 0;
    QTest::newRow("stretched") << QTransform::fromScale(2, 1) << 0;
    QTest::newRow("turned") << QTransform().rotate(90) << 0;
}

void TstArtwork::renderedOnlyWhereExact()
{
    QFETCH(QTransform, transform);
    QFETCH(int, scale);
    QCOMPARE(exactRenderedScale(transform), scale);
}

void TstArtwork::logoSize_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TstArtwork::logoSize()
{
    QFETCH(qreal, dpr);
    const QPixmap pixmap = logo(dpr);
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(kLogoWidth, kLogoHeight));
    QCOMPARE(pixmap.size(), QSize(qRound(kLogoWidth * dpr), qRound(kLogoHeight * dpr)));
    QVERIFY(pixmap.depth() >= 24);
}

void TstArtwork::logoSitsOnLightGrey()
{
    for (qreal dpr : {1.0, 2.0}) {
        const QImage image = logo(dpr).toImage();
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            const QRgb p = image.pixel(corner);
            QCOMPARE(qRed(p), 192);
            QCOMPARE(qGreen(p), 192);
            QCOMPARE(qBlue(p), 192);
        }
        const int total = image.width() * image.height();
        const int painted = countPixels(image, [](QRgb p) {
            return qRed(p) != 192 || qGreen(p) != 192 || qBlue(p) != 192;
        });
        QVERIFY2(painted > total / 5, qPrintable(QString::number(painted)));
        // the name beside the icon: dark text in the right-hand half
        const QImage text = image.copy(image.width() / 2, 0, image.width() / 2, image.height());
        QVERIFY(countPixels(text, isDark) > 50 * dpr * dpr);
        // no white page showing through
        QCOMPARE(countPixels(image, isWhite) < total / 10, true);
    }
}

void TstArtwork::logoShowsTheIconArtwork()
{
    // The logo paints the icon motif: the same pixels as the icon painted there on its own.
    const QImage logoImage = logo(1).toImage().convertToFormat(QImage::Format_RGB32);
    QImage iconAlone(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    iconAlone.fill(kLogoBackground);
    {
        QPainter painter(&iconAlone);
        painter.setRenderHint(QPainter::Antialiasing);
        paintAppIcon(painter, logoIconBounds());
    }
    const QRect area = logoIconBounds().toAlignedRect();
    QVERIFY(QRect(0, 0, kLogoWidth, kLogoHeight).contains(area));
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (logoImage.pixel(x, y) != iconAlone.pixel(x, y))
                ++differing;
    QCOMPARE(differing, 0);
    // and the icon is really there, not just grey
    const QImage inside = iconAlone.copy(area);
    QVERIFY(countPixels(inside, [](QRgb p) { return qBlue(p) > qRed(p) + 40; })
            > area.width() * area.height() / 4);
}

void TstArtwork::iconOffersAllSizes()
{
    const QIcon icon = appIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
}

void TstArtwork::smallIconsAreVisibleOnTransparency_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
    QTest::newRow("256") << 256;
}

void TstArtwork::smallIconsAreVisibleOnTransparency()
{
    QFETCH(int, size);
    const QImage image = appIcon().pixmap(QSize(size, size)).toImage().convertToFormat(
        QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    const int total = size * size;
    const int opaque = countPixels(image, [](QRgb p) { return qAlpha(p) == 255; });
    const int clear = countPixels(image, [](QRgb p) { return qAlpha(p) == 0; });
    QVERIFY2(opaque > total / 2, qPrintable(QString::number(opaque)));
    // rounded corners: the background shows through
    QVERIFY(clear > 0);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    // strong contrast: both very light and very dark opaque pixels
    QVERIFY(countPixels(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) > 200; }) > 0);
    QVERIFY(countPixels(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) < 60; }) > 0);
}

void TstArtwork::iconStaysInsideItsBounds()
{
    QImage image(96, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRect bounds(24, 16, 48, 48);
    {
        QPainter painter(&image);
        paintAppIcon(painter, bounds);
    }
    int inside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool painted = qAlpha(image.pixel(x, y)) != 0;
            if (!bounds.contains(x, y))
                QVERIFY2(!painted, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            else if (painted)
                ++inside;
        }
    QVERIFY(inside > bounds.width() * bounds.height() / 2);
}

QTEST_MAIN(TstArtwork)
#include "tst_artwork.moc"
