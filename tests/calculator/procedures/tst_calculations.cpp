// Extended focal length and ratio, chip size, field of view and pixel scale, driven through the
// calculator's own handlers over in-memory boxes.

#include "calculator/core/numbers.h"
#include "support/calculator/headless_fixture.h"
#include "support/calculator/locale_scope.h"

#include <QtTest>

using namespace vkp2;

class TstCalculations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void extendedFocalWithOculars_data();
    void extendedFocalWithOculars();
    void distanceLimits_data();
    void distanceLimits();
    void nestedResetComputesFromResetValue_data();
    void nestedResetComputesFromResetValue();
    void firstCalculationBeforeAnyOcular();
    void primeFocusCopiesTelescopeTexts();
    void outOfRangeFocalOrAperture_data();
    void outOfRangeFocalOrAperture();
    void uncomputableResultsShowEmpty_data();
    void uncomputableResultsShowEmpty();
    void germanLocale();

    void fovAndScale_data();
    void fovAndScale();
    void fovGuardKeepsResults_data();
    void fovGuardKeepsResults();

private:
    void setCamera(double pixelW, double pixelH, double chipW, double chipH);

    std::unique_ptr<test::HeadlessFixture> f;
};

void TstCalculations::init()
{
    QLocale::setDefault(QLocale::c());
    f = std::make_unique<test::HeadlessFixture>();
}

void TstCalculations::cleanup() { f.reset(); }

void TstCalculations::setCamera(double pixelW, double pixelH, double chipW, double chipH)
{
    // "User-Defined" keeps whatever values the camera state holds.
    QVERIFY(test::chooseAsUser(f->h[List::Ccd], "User-Defined"));
    f->state().PixelWidth = pixelW;
    f->state().PixelHeight = pixelH;
    f->state().ChipWidthPx = chipW;
    f->state().ChipHeightPx = chipH;
    f->calc().CalcChipSize();
}

void TstCalculations::extendedFocalWithOculars_data()
{
    // Telescope DR-106 (530, 106), D = 55, TL = 5.
    QTest::addColumn<QString>("ocular");
    QTest::addColumn<double>("projection");
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QString>("efr");
    QTest::newRow("WS 5mm") << "WS 5mm" << 80.1 << "7960.6" << "75.1";
    QTest::newRow("WS 7.5mm") << "WS 7.5mm" << 91.9 << "5964.27" << "56.27";
    // EFL is 2225.9999999999995 as a double: it must still show as 2226 and 21.
    QTest::newRow("WS 18mm") << "WS 18mm" << 93.6 << "2226" << "21";
    QTest::newRow("PT 18mm") << "PT 18mm" << 98.42 << "2367.92" << "22.34";
    QTest::newRow("No-VKP2") << "No-VKP2" << -1.0 << "530" << "5";
}

void TstCalculations::extendedFocalWithOculars()
{
    QFETCH(QString, ocular);
    QFETCH(double, projection);
    QFETCH(QString, efl);
    QFETCH(QString, efr);
    QCOMPARE(f->h[List::Telescope].text(), QString("DR-106"));
    QVERIFY(test::chooseAsUser(f->h[List::Ocular], ocular));
    QCOMPARE(f->h[Box::efl].text(), efl);
    QCOMPARE(f->h[Box::efr].text(), efr);
    if (projection >= 0)
        QCOMPARE(*f->state().ProjectionDistance.number(), projection);
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCalculations::distanceLimits_data()
{
    QTest::addColumn<bool>("isD");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("boxAfter");
    const QString dMsg = "Distance - D must be between 0 and 1000";
    const QString tlMsg = "Distance - TL must be between 0 and 30";
    QTest::newRow("D lowest") << true << "0" << "" << "0";
    QTest::newRow("D highest") << true << "1000" << "" << "1000";
    QTest::newRow("D above") << true << "1000.5" << dMsg << "55";
    QTest::newRow("D negative") << true << "-5" << dMsg << "55";
    QTest::newRow("D tiny negative") << true << "-0.001" << dMsg << "55";
    QTest::newRow("TL lowest") << false << "0" << "" << "0";
    QTest::newRow("TL highest") << false << "30" << "" << "30";
    QTest::newRow("TL above") << false << "30.01" << tlMsg << "5";
    QTest::newRow("TL negative") << false << "-1" << tlMsg << "5";
}

void TstCalculations::distanceLimits()
{
    QFETCH(bool, isD);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, boxAfter);
    QCOMPARE(f->h[List::Ocular].text(), QString("WS 5mm"));
    HeadlessField &box = isD ? f->h[Box::Distance_d] : f->h[Box::Distance_tl];
    box.setText(text); // runs the box's change handler, which calculates
    QCOMPARE(box.text(), boxAfter);
    if (message.isEmpty()) {
        QVERIFY(f->messages.shown.isEmpty());
    } else {
        QCOMPARE(f->messages.shown.size(), 1);
        QCOMPARE(f->messages.shown.first(),
                 (ShownMessage{message, "Error", MessageIcon::Critical}));
        QCOMPARE(f->h[Box::efl].text(), QString("7960.6")); // computed from 55 and 5 again
        QCOMPARE(f->h[Box::efr].text(), QString("75.1"));
    }
}

void TstCalculations::nestedResetComputesFromResetValue_data()
{
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("tl");
    QTest::addColumn<int>("messages");
    QTest::newRow("D only") << "2000" << "5" << 1;
    QTest::newRow("TL only") << "55" << "31" << 1;
    QTest::newRow("both") << "2000" << "31" << 2;
}

void TstCalculations::nestedResetComputesFromResetValue()
{
    QFETCH(QString, d);
    QFETCH(QString, tl);
    QFETCH(int, messages);
    // Write both boxes without running the handlers, as a saved setup can leave them.
    f->writeQuietly("Distance_d", d);
    f->writeQuietly("Distance_tl", tl);
    f->calc().CalcExtendedFocal();
    QCOMPARE(f->messages.shown.size(), messages);
    QCOMPARE(f->h[Box::Distance_d].text(), QString("55"));
    QCOMPARE(f->h[Box::Distance_tl].text(), QString("5"));
    QCOMPARE(*f->state().DistanceD.number(), 55.0);
    QCOMPARE(*f->state().DistanceTL.number(), 5.0);
    QCOMPARE(f->h[Box::efl].text(), QString("7960.6"));
    QCOMPARE(f->h[Box::efr].text(), QString("75.1"));
}

void TstCalculations::firstCalculationBeforeAnyOcular()
{
    // Offset and length still hold nothing and count as 0; the focal length is the initial 5.
    f->state().OcularOffset = WorkingValue();
    f->state().OcularLength = WorkingValue();
    f->state().OcularFocalLength = 5.0;
    f->calc().CalcExtendedFocal();
    QCOMPARE(f->h[Box::efl].text(), QString("6148"));
    QCOMPARE(f->h[Box::efr].text(), QString("58"));
}

void TstCalculations::primeFocusCopiesTelescopeTexts()
{
    QVERIFY(test::chooseAsUser(f->h[List::Ocular], "No-VKP2"));
    f->writeQuietly("Flength", "530.0");
    f->h[Box::Fratio].setText("5");
    f->calc().CalcExtendedFocal();
    QCOMPARE(f->h[Box::efl].text(), QString("530.0"));
    QCOMPARE(f->h[Box::efr].text(), QString("5"));
    QCOMPARE(*f->state().FocalLength.number(), 530.0);
    QVERIFY(f->state().FocalLength.isText());
}

void TstCalculations::outOfRangeFocalOrAperture_data()
{
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<bool>("focal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QString>("efr");
    const QString fMsg = "F-Length must be between 0 and 10000";
    const QString aMsg = "Aperture must be between 0 and 10000";
    // A catalogue telescope is applied again: its own values come back and are computed.
    QTest::newRow("catalogue focal above") << "DR-106" << true << "20000" << fMsg << "530" << "7960.6" << "75.1";
    QTest::newRow("catalogue aperture negative") << "DR-106" << false << "-1" << aMsg << "106" << "7960.6" << "75.1";
    // "User-Defined" has nothing to restore: one message, no loop, and no results, since the
    // previous ones would not belong to the text shown.
    QTest::newRow("user focal above") << "User-Defined" << true << "10000.01" << fMsg << "10000.01" << "" << "";
    QTest::newRow("user focal negative") << "User-Defined" << true << "-1" << fMsg << "-1" << "" << "";
    QTest::newRow("user aperture above") << "User-Defined" << false << "20000" << aMsg << "20000" << "" << "";
}

void TstCalculations::outOfRangeFocalOrAperture()
{
    QFETCH(QString, telescope);
    QFETCH(bool, focal);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, boxAfter);
    QFETCH(QString, efl);
    QFETCH(QString, efr);
    QVERIFY(test::chooseAsUser(f->h[List::Telescope], telescope));
    QCOMPARE(f->h[Box::efl].text(), QString("7960.6"));
    const char *name = focal ? "Flength" : "Aperture";
    // As a saved setup can leave it, without the box's own handler.
    f->writeQuietly(name, text);
    handlerStats().reset();
    f->calc().CalcExtendedFocal();
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first(), (ShownMessage{message, "Error", MessageIcon::Critical}));
    QCOMPARE(f->box(name).text(), boxAfter);
    QCOMPARE(f->h[Box::efl].text(), efl);
    QCOMPARE(f->h[Box::efr].text(), efr);
    QVERIFY(handlerStats().deepest <= 8);
}

void TstCalculations::uncomputableResultsShowEmpty_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QString>("efr");
    QTest::addColumn<QString>("fov"); // Fov_width afterwards
    QTest::newRow("aperture 0.0") << "Aperture" << "0.0" << "7960.6" << "" << "2.99";
    QTest::newRow("aperture empty") << "Aperture" << "" << "7960.6" << "" << "2.99";
    QTest::newRow("focal empty") << "Flength" << "" << "" << "" << "";
    QTest::newRow("focal letters") << "Flength" << "abc" << "" << "" << "";
    QTest::newRow("D letters") << "Distance_d" << "x" << "" << "" << "";
    QTest::newRow("TL empty") << "Distance_tl" << "" << "" << "" << "";
    // efl 0 is not above 0: the camera results keep their text.
    QTest::newRow("focal 0") << "Flength" << "0" << "0" << "0" << "2.99";
}

void TstCalculations::uncomputableResultsShowEmpty()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, efl);
    QFETCH(QString, efr);
    QFETCH(QString, fov);
    QVERIFY(test::chooseAsUser(f->h[List::Ccd], "Apogee AP1E")); // 9 x 9 um, 768 x 512
    QCOMPARE(f->h[Box::Fov_width].text(), QString("2.99"));
    QVERIFY(f->h.field(qPrintable(box)));
    f->writeQuietly(qPrintable(box), text);
    f->calc().CalcExtendedFocal();
    f->calc().CalcFovAndScale();
    QCOMPARE(f->h[Box::efl].text(), efl);
    QCOMPARE(f->h[Box::efr].text(), efr);
    QCOMPARE(f->h[Box::Fov_width].text(), fov);
    QVERIFY(f->messages.shown.isEmpty());
}

void TstCalculations::germanLocale()
{
    test::LocaleScope de(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(test::chooseAsUser(f->h[List::Ocular], "WS 7.5mm"));
    f->h[Box::Distance_d].setText("55,0");
    QCOMPARE(f->h[Box::efl].text(), QString("5964,27"));
    QCOMPARE(f->h[Box::efr].text(), QString("56,27"));
    QCOMPARE(f->h[Box::Distance_d].text(), QString("55,0")); // the typed text is kept
    f->h[Box::Distance_tl].setText("5.5"); // a point is no decimal separator here
    QCOMPARE(f->messages.shown.size(), 1);
    QCOMPARE(f->messages.shown.first().title, QString("Input Error"));
}

void TstCalculations::fovAndScale_data()
{
    QTest::addColumn<double>("pixel");
    QTest::addColumn<double>("chipW");
    QTest::addColumn<double>("chipH");
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QStringList>("results"); // FOV W, FOV H, scale W, scale H
    QTest::newRow("9um 768x512 at 2000") << 9.0 << 768.0 << 512.0 << "2000"
                                         << QStringList{"11.89", "7.92", "0.93", "0.93"};
    QTest::newRow("9um 768x512 at 1000") << 9.0 << 768.0 << 512.0 << "1000"
                                         << QStringList{"23.77", "15.85", "1.86", "1.86"};
    QTest::newRow("20um 512 at 530") << 20.0 << 512.0 << 512.0 << "530"
                                     << QStringList{"66.44", "66.44", "7.78", "7.78"};
    // 3438 arcminutes per radian would give 159.42.
    QTest::newRow("24um 1024 at 530 uses 3439") << 24.0 << 1024.0 << 1024.0 << "530"
                                                << QStringList{"159.47", "159.47", "9.34", "9.34"};
    QTest::newRow("no camera") << 0.0 << 0.0 << 0.0 << "530" << QStringList{"0", "0", "0", "0"};
    QTest::newRow("efl typed with decimals") << 9.0 << 768.0 << 512.0 << "1000.00"
                                             << QStringList{"23.77", "15.85", "1.86", "1.86"};
}

void TstCalculations::fovAndScale()
{
    QFETCH(double, pixel);
    QFETCH(double, chipW);
    QFETCH(double, chipH);
    QFETCH(QString, efl);
    QFETCH(QStringList, results);
    setCamera(pixel, pixel, chipW, chipH);
    QCOMPARE(f->h[Box::Pixelsize_width].text(), numbers::format(pixel));
    QCOMPARE(f->h[Box::Chipsize_width].text(), numbers::format(chipW));
    QCOMPARE(f->h[Box::Chipsize_height].text(), numbers::format(chipH));
    f->h[Box::efl].setText(efl);
    f->calc().CalcFovAndScale();
    QCOMPARE((QStringList{f->h[Box::Fov_width].text(), f->h[Box::Fov_height].text(),
                          f->h[Box::Pixelscale_width].text(), f->h[Box::Pixelscale_height].text()}),
             results);
}

void TstCalculations::fovGuardKeepsResults_data()
{
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QString>("fov");
    QTest::newRow("zero keeps") << "0" << "11.89";
    QTest::newRow("negative keeps") << "-5" << "11.89";
    QTest::newRow("empty clears") << "" << "";
    QTest::newRow("not a number clears") << "abc" << "";
}

void TstCalculations::fovGuardKeepsResults()
{
    QFETCH(QString, efl);
    QFETCH(QString, fov);
    setCamera(9, 9, 768, 512);
    f->h[Box::efl].setText("2000");
    f->calc().CalcFovAndScale();
    QCOMPARE(f->h[Box::Fov_width].text(), QString("11.89"));
    f->h[Box::efl].setText(efl);
    f->calc().CalcFovAndScale();
    QCOMPARE(f->h[Box::Fov_width].text(), fov);
    QCOMPARE(f->h[Box::Pixelscale_height].text(), fov.isEmpty() ? QString() : QString("0.93"));
}

QTEST_GUILESS_MAIN(TstCalculations)
#include "tst_calculations.moc"
