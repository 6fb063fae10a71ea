// The window placement in the settings store, and its round trip through the real window.

#include "storage/window_placement.h"
#include "support/window_fixture.h"

#include <QScreen>
#include <QtTest>

using namespace vkp2;

class TstWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void singleText_data();
    void singleText();
    void readingValues_data();
    void readingValues();
    void firstStartUsesDefaults();
    void closeAndRestart();
    void minimizedCloseKeepsOldPlacement();
    void maximizedCloseStoresMaximizedRectangle();
    void badStoredRectanglesGiveVisibleWindow_data();
    void badStoredRectanglesGiveVisibleWindow();
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

void TstWindowPlacement::singleText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1000.0F << "1000";
    QTest::newRow("default width") << 8595.0F << "8595";
    QTest::newRow("fraction") << 1012.5F << "1012.5";
    QTest::newRow("shortest for single") << 0.1F << "0.1";
    QTest::newRow("negative") << -450.0F << "-450";
    QTest::newRow("zero") << 0.0F << "0";
}

void TstWindowPlacement::singleText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(storage::singleText(value), text);
    QCOMPARE(text.toFloat(), value);
}

void TstWindowPlacement::readingValues_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<float>>("read");
    QTest::newRow("absent") << QStringList{} << QList<float>{1000, 1000, 8595, 8430};
    QTest::newRow("stored") << QStringList{"15", "30", "9000", "9015"} << QList<float>{15, 30, 9000, 9015};
    QTest::newRow("fraction") << QStringList{"1012.5", "1000", "8595", "8430"}
                              << QList<float>{1012.5, 1000, 8595, 8430};
    QTest::newRow("garbage gives defaults") << QStringList{"abc", "", "1e999", "nan"}
                                            << QList<float>{1000, 1000, 8595, 8430};
    QTest::newRow("some keys") << QStringList{"-300", "45"} << QList<float>{-300, 45, 8595, 8430};
}

void TstWindowPlacement::readingValues()
{
    QFETCH(QStringList, values);
    QFETCH(QList<float>, read);
    test::Sandbox sandbox;
    store(values);
    const auto settings = storage::openSettings();
    const storage::Placement p = storage::readPlacement(*settings);
    QCOMPARE((QList<float>{p.left, p.top, p.width, p.height}), read);
}

void TstWindowPlacement::firstStartUsesDefaults()
{
    test::WindowFixture f;
    QCOMPARE(f.window->outerRect(), QRect(67, 67, 573, 562)); // 1000, 1000, 8595, 8430 twips
    QVERIFY(!QFile::exists(storeFile(f.sandbox))); // nothing is written before the close
    f.window->close();
    QCOMPARE(stored(), (QStringList{"1005", "1005", "8595", "8430"}));
}

void TstWindowPlacement::closeAndRestart()
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

void TstWindowPlacement::minimizedCloseKeepsOldPlacement()
{
    test::WindowFixture f;
    store({"300", "450", "9000", "8500"});
    f.window->showMinimized();
    QVERIFY(f.window->isMinimized());
    f.window->close();
    QCOMPARE(stored(), (QStringList{"300", "450", "9000", "8500"}));
    QVERIFY(QFile::exists(f.sandbox.file("vkp2user.dat"))); // the setup is saved all the same
}

void TstWindowPlacement::maximizedCloseStoresMaximizedRectangle()
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

void TstWindowPlacement::badStoredRectanglesGiveVisibleWindow_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::newRow("far right") << QStringList{"900000", "1000", "8595", "8430"};
    QTest::newRow("above the screen") << QStringList{"1000", "-90000", "8595", "8430"};
    QTest::newRow("huge") << QStringList{"0", "0", "3e9", "3e9"};
    QTest::newRow("negative size") << QStringList{"1000", "1000", "-8595", "-1"};
    QTest::newRow("zero size") << QStringList{"1000", "1000", "0", "0"};
    QTest::newRow("garbage") << QStringList{"left", "top", "width", "height"};
}

void TstWindowPlacement::badStoredRectanglesGiveVisibleWindow()
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
    QCOMPARE(window.widgets().efl->text(), QString("7960.6"));
}

QTEST_MAIN(TstWindowPlacement)
#include "tst_window_placement.moc"
