// The window placement's round trip through the real window: restored at start-up, kept at
// the close, and always a window the user can reach.

#include "storage/window_placement.h"
#include "support/widgets/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QtTest>

using namespace vkp2;

class TstPlacementRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void firstStartUsesDefaults();
    void closeAndRestart();
    void minimizedCloseKeepsOldPlacement();
    void maximizedCloseStoresMaximizedRectangle();
    void largerThanScreenIsFittedToIt_data();
    void largerThanScreenIsFittedToIt();
    void badStoredRectanglesGiveVisibleWindow_data();
    void badStoredRectanglesGiveVisibleWindow();
    void damagedSettingsFileGivesVisibleWindow_data();
    void damagedSettingsFileGivesVisibleWindow();
};

namespace {

QString storeFile(const test::Sandbox &sandbox)
{
    return sandbox.file("settings/VKP2/VKP2.conf");
}

void store(const QStringList &values)
{
    const auto settings = storage::openSettings();
    const char *keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < values.size(); ++i)
        settings->setValue(QStringLiteral("Settings/") + keys[i], values[i]);
}

QStringList stored()
{
    const auto settings = storage::openSettings();
    QStringList out;
    for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        out << settings->value(QStringLiteral("Settings/") + key).toString();
    return out;
}

} // namespace

void TstPlacementRoundTrip::firstStartUsesDefaults()
{
    test::WindowFixture f;
    QCOMPARE(f.window->outerRect(), QRect(67, 67, 573, 562)); // 1000, 1000, 8595, 8430 twips
    QVERIFY(!QFile::exists(storeFile(f.sandbox))); // nothing is written before the close
    f.window->close();
    QCOMPARE(stored(), (QStringList{"1005", "1005", "8595", "8430"}));
}

void TstPlacementRoundTrip::closeAndRestart()
{
    test::Sandbox sandbox;
    QRect before;
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(120, 90, 600, 540);
        before = window.outerRect(); // the frame's margins included
        window.close();
    }
    QCOMPARE(stored(), (QStringList{QString::number(before.x() * 15), QString::number(before.y() * 15),
                                    QString::number(before.width() * 15),
                                    QString::number(before.height() * 15)}));
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.outerRect(), before);
}

void TstPlacementRoundTrip::minimizedCloseKeepsOldPlacement()
{
    test::WindowFixture f;
    store({"300", "450", "9000", "8500"});
    f.window->showMinimized();
    QVERIFY(f.window->isMinimized());
    f.window->close();
    QCOMPARE(stored(), (QStringList{"300", "450", "9000", "8500"}));
    QVERIFY(QFile::exists(f.sandbox.setupFile())); // the setup is saved all the same
}

void TstPlacementRoundTrip::maximizedCloseStoresMaximizedRectangle()
{
    test::Sandbox sandbox;
    QRect maximized;
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.isMaximized());
        maximized = window.outerRect();
        window.close();
    }
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.outerRect(), maximized);
}

// What a maximized close under a window manager can store: the border past the screen's edges.
void TstPlacementRoundTrip::largerThanScreenIsFittedToIt_data()
{
    QTest::addColumn<QRect>("grow"); // pixels added around the available screen
    QTest::newRow("border past every edge") << QRect(-1, -1, 2, 6);
    QTest::newRow("wider only") << QRect(0, 0, 40, 0);
    QTest::newRow("taller, off to the right") << QRect(30, 0, 0, 20);
}

void TstPlacementRoundTrip::largerThanScreenIsFittedToIt()
{
    QFETCH(QRect, grow);
    test::Sandbox sandbox;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect stored(screen.topLeft() + grow.topLeft(), screen.size() + grow.size());
    store({QString::number(stored.x() * 15), QString::number(stored.y() * 15),
           QString::number(stored.width() * 15), QString::number(stored.height() * 15)});
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.outerRect(), screen);
}

void TstPlacementRoundTrip::badStoredRectanglesGiveVisibleWindow_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::newRow("far right") << QStringList{"900000", "1000", "8595", "8430"};
    QTest::newRow("above the screen") << QStringList{"1000", "-90000", "8595", "8430"};
    QTest::newRow("huge") << QStringList{"0", "0", "3e9", "3e9"};
    QTest::newRow("negative size") << QStringList{"1000", "1000", "-8595", "-1"};
    QTest::newRow("zero size") << QStringList{"1000", "1000", "0", "0"};
    QTest::newRow("garbage") << QStringList{"left", "top", "width", "height"};
    QTest::newRow("near the single-precision limit") << QStringList{"1e38", "-1e38", "3.4028235e38", "1e38"};
    QTest::newRow("beyond single precision") << QStringList{"1e39", "-1e39", "1e39", "1e39"};
    QTest::newRow("int limits") << QStringList{"-2147483648", "2147483647", "-2147483648", "2147483647"};
    QTest::newRow("blanks around") << QStringList{"  12 ", "\t30\n", " 8595 ", "8430  "};
    QTest::newRow("hexadecimal") << QStringList{"0x10", "0x7fffffff", "0x10", "0x10"};
    QTest::newRow("infinite and not a number") << QStringList{"inf", "-inf", "nan", "-nan"};
    QTest::newRow("very long digits") << QStringList{QString(5000, '9'), "-" + QString(5000, '9'),
                                                     QString(5000, '9'), "0." + QString(5000, '0') + "1"};
    QTest::newRow("very long junk") << QStringList{QString(100000, 'x'), QString(100000, '\x01'), "", " "};
    QTest::newRow("decimal comma and signs") << QStringList{"1000,5", "+1000", "--5", "1.2.3"};
    QTest::newRow("tiny size") << QStringList{"1000", "1000", "15", "15"};
    QTest::newRow("far left and below") << QStringList{"-900000", "900000", "8595", "8430"};
}

void TstPlacementRoundTrip::badStoredRectanglesGiveVisibleWindow()
{
    QFETCH(QStringList, values);
    test::Sandbox sandbox;
    store(values);
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = window.outerRect();
    QVERIFY2(screen.intersects(QRect(outer.topLeft(), QSize(outer.width(), 24))),
             qPrintable(QString("%1,%2 %3x%4").arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
    QVERIFY(outer.width() >= 1 && outer.height() >= 1);
    QVERIFY(outer.width() <= qMax(screen.width(), 573) && outer.height() <= qMax(screen.height(), 562));
    QVERIFY(window.isVisible() && !window.isMinimized());
    QCOMPARE(window.widgets()[Box::efl]->text(), QString("7960.6"));
}

// Damage to the settings file itself, as a crash, a full disk or a hand edit may leave it.
void TstPlacementRoundTrip::damagedSettingsFileGivesVisibleWindow_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("typed values") << QByteArray("[Settings]\nMainLeft=@Rect(1 2 3 4)\nMainTop=@Variant(\\0\\0\\0\\x7f)\n"
                                                "MainWidth=@ByteArray(\\xff\\xfe)\nMainHeight=@Size(-5 -5)\n");
    QTest::newRow("lists") << QByteArray("[Settings]\nMainLeft=1, 2\nMainTop=\"3\", 4\nMainWidth=,\nMainHeight=@Invalid()\n");
    QTest::newRow("cut short") << QByteArray("[Settings]\nMainLeft=10");
    QTest::newRow("no section") << QByteArray("MainLeft=90000\nMainTop=90000\n");
    static const char binary[] = "\x00\xff\xfe[Set\x00tings]\n\x01MainLeft=\x80\x81\n";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1);
    QTest::newRow("one long line") << QByteArray("[Settings]\nMainLeft=") + QByteArray(1 << 20, '7');
    QTest::newRow("twice over") << QByteArray("[Settings]\nMainLeft=90000\n[Settings]\nMainLeft=-90000\nMainLeft=\n");
    QTest::newRow("escapes") << QByteArray("[Settings]\nMainLeft=\\x31\\x30\nMainTop=\"\\\nMainWidth=\\\n");
}

void TstPlacementRoundTrip::damagedSettingsFileGivesVisibleWindow()
{
    QFETCH(QByteArray, content);
    test::Sandbox sandbox;
    QVERIFY(QDir(sandbox.dir.path()).mkpath("settings/VKP2"));
    {
        QFile file(storeFile(sandbox));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.isVisible() && !window.isMinimized());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = window.outerRect();
    QVERIFY(screen.intersects(QRect(outer.topLeft(), QSize(outer.width(), 24))));
    QVERIFY(outer.width() >= 1 && outer.height() >= 1);
    QVERIFY(outer.width() <= qMax(screen.width(), 573) && outer.height() <= qMax(screen.height(), 562));
    QCOMPARE(window.widgets()[Box::efl]->text(), QString("7960.6"));
    // And the close writes a placement that reads back as numbers.
    window.close();
    const auto settings = storage::openSettings();
    for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
        bool ok = false;
        settings->value(QStringLiteral("Settings/") + key).toString().toFloat(&ok);
        QVERIFY2(ok, key);
    }
}

QTEST_MAIN(TstPlacementRoundTrip)
#include "tst_placement_round_trip.moc"
