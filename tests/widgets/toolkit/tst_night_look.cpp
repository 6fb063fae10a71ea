// Night mode's shared parts: the colours and images it draws keep the rule (green and blue at
// most a twentieth of red), and the setting both programs follow is remembered.

#include "storage/night_mode.h"
#include "support/calculator/sandbox.h"
#include "widgets/toolkit/night_look.h"

#include <QApplication>
#include <QPixmap>
#include <QtTest>

using namespace vkp2;

class TstNightLook : public QObject {
    Q_OBJECT
private slots:
    void redKeepsBrightness_data()
    {
        QTest::addColumn<QColor>("day");
        QTest::addColumn<int>("red");
        QTest::newRow("white") << QColor(255, 255, 255) << 255;
        QTest::newRow("black") << QColor(0, 0, 0) << 0;
        // Rec. 601: 0.299 × 31 + 0.587 × 119 + 0.114 × 180 = 99.61.
        QTest::newRow("chart blue") << QColor(31, 119, 180) << 100;
        QTest::newRow("pure green") << QColor(0, 255, 0) << 150;
        QTest::newRow("half-transparent grey") << QColor(128, 128, 128, 100) << 128;
    }
    void redKeepsBrightness()
    {
        QFETCH(QColor, day);
        QFETCH(int, red);
        const QColor night = night::red(day);
        QCOMPARE(night.red(), red);
        QCOMPARE(night.green(), 0);
        QCOMPARE(night.blue(), 0);
        QCOMPARE(night.alpha(), day.alpha());
        QVERIFY(night::keepsRule(night.rgba()));
    }

    void rule_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("black") << qRgb(0, 0, 0) << true;
        QTest::newRow("red 200, green 10") << qRgb(200, 10, 0) << true;
        QTest::newRow("red 200, green 11") << qRgb(200, 11, 0) << false;
        QTest::newRow("red 200, blue 11") << qRgb(200, 0, 11) << false;
        QTest::newRow("dark grey") << qRgb(1, 1, 1) << false;
        QTest::newRow("field-mark red #d62728") << qRgb(0xd6, 0x27, 0x28) << false;
    }
    void rule()
    {
        QFETCH(QRgb, pixel);
        QFETCH(bool, keeps);
        QCOMPARE(night::keepsRule(pixel), keeps);
    }

    // Every colour of the palette, in every group, keeps the rule; text stands out from its
    // ground.
    void paletteKeepsTheRule()
    {
        const QPalette p = night::palette();
        for (int g = 0; g < QPalette::NColorGroups; ++g) {
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const QColor c = p.color(QPalette::ColorGroup(g), QPalette::ColorRole(r));
                QVERIFY2(night::keepsRule(c.rgba()), qPrintable(QStringLiteral("group %1 role %2: %3")
                                                                     .arg(g).arg(r).arg(c.name())));
            }
        }
        QVERIFY(p.color(QPalette::Text).red() - p.color(QPalette::Base).red() >= 150);
        QVERIFY(p.color(QPalette::Disabled, QPalette::Text).red() > p.color(QPalette::Base).red() + 60);
    }

    void imagesAndCursorInReds()
    {
        QImage day(4, 2, QImage::Format_ARGB32);
        day.setPixel(0, 0, qRgba(31, 119, 180, 255));
        day.setPixel(1, 0, qRgba(255, 255, 255, 255));
        day.setPixel(2, 0, qRgba(0, 200, 0, 40));
        day.setPixel(3, 0, qRgba(0, 0, 0, 0));
        day.fill(Qt::white);
        day.setPixel(0, 1, qRgba(31, 119, 180, 128));
        day.setDevicePixelRatio(2);
        const QImage night = night::redImage(day);
        QCOMPARE(night.size(), day.size());
        QCOMPARE(night.devicePixelRatio(), 2.0);
        for (int y = 0; y < night.height(); ++y) {
            for (int x = 0; x < night.width(); ++x) {
                QVERIFY(night::keepsRule(night.pixel(x, y)));
                QCOMPARE(qAlpha(night.pixel(x, y)), qAlpha(day.pixel(x, y)));
            }
        }
        QCOMPARE(qRed(night.pixel(1, 0)), 255); // white stays as bright
        const QImage negative = night::negativeRedImage(day);
        QCOMPARE(negative.pixel(1, 0), qRgba(0, 0, 0, 255)); // a white ground goes black
        QCOMPARE(qRed(negative.pixel(0, 1)), 255 - 100);     // the chart blue's luma, turned
        QCOMPARE(qAlpha(negative.pixel(0, 1)), 128);
        const QImage arrow = night::cursor().pixmap().toImage();
        QVERIFY(!arrow.isNull());
        bool drawn = false;
        for (int y = 0; y < arrow.height(); ++y) {
            for (int x = 0; x < arrow.width(); ++x) {
                QVERIFY(night::keepsRule(arrow.pixel(x, y)));
                drawn = drawn || qAlpha(arrow.pixel(x, y)) > 0;
            }
        }
        QVERIFY(drawn);
    }

    void settingIsRemembered()
    {
        test::Sandbox sandbox;
        QVERIFY(!storage::readNightMode()); // a first start is in day
        storage::writeNightMode(true);
        QVERIFY(storage::readNightMode());
        storage::writeNightMode(false);
        QVERIFY(!storage::readNightMode());
    }
};

QTEST_MAIN(TstNightLook)
#include "tst_night_look.moc"
