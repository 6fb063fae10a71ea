// The window placement in the settings store. Its round trip through the real window is in
// tests/widgets/main_window/tst_placement_round_trip.cpp.

#include "storage/window_placement.h"
#include "support/calculator/sandbox.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vkp2;

class TstWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void singleText_data();
    void singleText();
    void readingValues_data();
    void readingValues();
};

namespace {

void store(const QStringList &values)
{
    const auto settings = storage::openSettings();
    const char *keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < values.size(); ++i)
        settings->setValue(QStringLiteral("Settings/") + keys[i], values[i]);
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

QTEST_GUILESS_MAIN(TstWindowPlacement)
#include "tst_window_placement.moc"
