// Night mode in the calculator window: its shortcut turns every pixel the window draws to reds
// and back, the choice is remembered for the next start, and the menu keeps its one entry.

#include "storage/night_mode.h"
#include "support/widgets/window_fixture.h"
#include "widgets/toolkit/night_look.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>

using namespace vkp2;

namespace {

// The first pixel of the window's own drawing that breaks the night rule, if any.
std::optional<QPoint> firstOffender(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!night::keepsRule(image.pixel(x, y)))
                return QPoint(x, y);
    return std::nullopt;
}

QString describe(const QImage &image, const QPoint &at)
{
    const QRgb p = image.pixel(at);
    return QStringLiteral("pixel (%1,%2) of %3x%4 is rgb(%5,%6,%7)")
        .arg(at.x()).arg(at.y()).arg(image.width()).arg(image.height())
        .arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p));
}

QImage shot(QWidget &window)
{
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Checks the window's look: all reds at night, some other colour by day.
void verifyLook(QWidget &window, bool night)
{
    const QImage image = shot(window);
    QVERIFY(!image.isNull());
    const std::optional<QPoint> offender = firstOffender(image);
    if (night)
        QVERIFY2(!offender, offender ? qPrintable(describe(image, *offender)) : "");
    else
        QVERIFY2(offender, "the day window draws in reds only");
}

// A result at night reads as bright red text on a dark ground.
void verifyResultReadable(MainWindow &window)
{
    QLineEdit *result = window.widgets()[Box::efl];
    QVERIFY(!result->text().isEmpty());
    const QImage image = shot(*result);
    int brightest = 0;
    QList<int> reds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            brightest = qMax(brightest, qRed(image.pixel(x, y)));
            reds << qRed(image.pixel(x, y));
        }
    std::nth_element(reds.begin(), reds.begin() + reds.size() / 2, reds.end());
    const int ground = reds[reds.size() / 2];
    QVERIFY2(brightest >= 180 && ground <= 40,
             qPrintable(QStringLiteral("text %1, ground %2").arg(brightest).arg(ground)));
}

// At night the adapter drawing, redrawn in reds, still fills its own place in the window.
void verifyDrawingInPlace(MainWindow &window)
{
    const QImage image = shot(window);
    const QWidget *drawing = window.findChild<QWidget *>(QStringLiteral("Image1"));
    QVERIFY(drawing);
    const qreal dpr = image.devicePixelRatio();
    const QRect inside(drawing->mapTo(&window, drawing->contentsRect().topLeft()) * dpr,
                      drawing->contentsRect().size() * dpr);
    // A window larger than the screen is cut to it, and the drawing with it.
    const QRect place = inside.intersected(image.rect());
    QVERIFY(place.width() > 100 && place.height() > 100);
    int lit = 0, dark = 0;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            lit += qRed(image.pixel(x, y)) >= 120 ? 1 : 0;
            dark += qRed(image.pixel(x, y)) <= 40 ? 1 : 0;
        }
    // The drawing's white ground goes dark at night and its lines light up in red.
    const int all = place.width() * place.height();
    QVERIFY2(dark * 10 >= all * 7 && lit * 100 >= all,
             qPrintable(QStringLiteral("%1 dark, %2 lit of %3 pixels").arg(dark).arg(lit).arg(all)));
}

void verifyOneMenuEntry(MainWindow &window)
{
    const QList<QAction *> entries = window.menuBar()->actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.front()->text(), QStringLiteral("&About "));
    QVERIFY(!entries.front()->menu());
}

std::unique_ptr<MainWindow> showWindow(RecordedMessageBoxes &messages)
{
    auto window = test::WindowFixture::start(messages);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace

class TstMainWindowNight : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void shortcutTogglesAndIsRemembered_data();
    void shortcutTogglesAndIsRemembered();
};

void TstMainWindowNight::cleanup()
{
    // Each case starts like a fresh program: in the day look.
    QWidget scratch;
    night::apply(&scratch, false);
}

void TstMainWindowNight::shortcutTogglesAndIsRemembered_data()
{
    QTest::addColumn<bool>("startNight"); // the remembered setting at start
    QTest::newRow("day, then night") << false;
    QTest::newRow("night, then day") << true;
}

void TstMainWindowNight::shortcutTogglesAndIsRemembered()
{
    QFETCH(bool, startNight);
    test::Sandbox sandbox;
    RecordedMessageBoxes messages;
    storage::writeNightMode(startNight);

    auto window = showWindow(messages);
    QVERIFY(window);
    verifyLook(*window, startNight);
    if (QTest::currentTestFailed())
        return;
    verifyOneMenuEntry(*window);

    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(storage::readNightMode(), !startNight);
    verifyLook(*window, !startNight);
    if (QTest::currentTestFailed())
        return;
    verifyOneMenuEntry(*window);
    if (!startNight) {
        verifyResultReadable(*window);
        verifyDrawingInPlace(*window);
    }

    // The next start, from the day look a new program has, follows the remembered setting.
    window->close();
    window.reset();
    cleanup();
    window = showWindow(messages);
    QVERIFY(window);
    verifyLook(*window, !startNight);
    if (QTest::currentTestFailed())
        return;

    // And the shortcut again brings back the look it started in.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(storage::readNightMode(), startNight);
    verifyLook(*window, startNight);
    if (QTest::currentTestFailed())
        return;
    verifyOneMenuEntry(*window);
    QVERIFY(messages.shown.isEmpty());
}

QTEST_MAIN(TstMainWindowNight)
#include "tst_main_window_night.moc"
