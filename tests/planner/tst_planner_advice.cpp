// The planner's advice on a shown setup: what both front ends print and draw. Expected
// numbers are worked out by hand from the formulas.

#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "planner/advice.h"
#include "planner/mosaic_targets.h"
#include "planner/setup_fields.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(vkp2::planner::Setup)

using namespace vkp2;
using namespace vkp2::planner;

namespace {

Setup setupOf(const QString &telescope, const QString &ocular, const QString &tl, const QString &d,
              const QString &camera)
{
    Setup s;
    s.chooseTelescope(telescope);
    s.ocular = ocular;
    s.tl = tl;
    s.d = d;
    s.chooseCamera(camera);
    return s;
}

} // namespace

class TstPlannerAdvice : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // M = P/f - 1, P = OL + TL + 3 + D - offset, from the calculator's own calculation.
    void magnification_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<double>("m");
        // 58 + 5 + 3 + 55 - 40.9 = 80.1; 80.1/5 - 1 = 15.02.
        QTest::newRow("WS 5mm") << setupOf("DR-106", "WS 5mm", "5", "55", "None or Film") << 15.02;
        // 54 + 30 + 3 + 100 - 27.13 = 159.87; 159.87/25 - 1 = 5.3948.
        QTest::newRow("PT 25mm") << setupOf("AR-100", "PT 25mm", "30", "100", "None or Film") << 5.3948;
        // D out of range falls back to 55 in the calculator: the magnification is at 55.
        QTest::newRow("D fallback") << setupOf("DR-106", "WS 5mm", "5", "1200", "None or Film") << 15.02;
    }

    void magnification()
    {
        QFETCH(Setup, setup);
        QFETCH(double, m);
        const Advice a = adviseOn(show(setup), {});
        QVERIFY(a.magnification);
        QVERIFY2(qAbs(*a.magnification - m) < 1e-9, qPrintable(QString::number(*a.magnification, 'g', 17)));
        QVERIFY(a.notes.isEmpty());
    }

    void noMagnificationAtPrimeFocus()
    {
        Setup s = setupOf("DR-106", "No-VKP2", "0", "0", "None or Film");
        QVERIFY(!adviseOn(show(s), {}).magnification);
    }

    // The walk's magnification is a fresh start's: it comes from the same calculation.
    void walkAgreesWithStart()
    {
        KitWalk walk(setupOf("DR-106", "WS 5mm", "5", "55", "SBIG ST-7E"));
        walk.chooseTelescope("AR-100L");
        walk.chooseOcular("PT 9mm", "12", "300");
        const auto walked = walk.shown().magnification;
        const auto started = show(setupOf("AR-100L", "PT 9mm", "12", "300", "SBIG ST-7E")).magnification;
        QVERIFY(walked && started);
        QCOMPARE(*walked, *started);
    }

    // 58 + 0 + 3 + 0 - 36.5 = 24.5 mm; 24.5/24 - 1 = 0.0208: the image is reduced.
    void reducingProjectionNoted()
    {
        const Advice a = adviseOn(show(setupOf("AR-100L", "WS 24mm", "0", "0", "SBIG ST-7E")), {});
        QCOMPARE(a.notes, QList<AdviceNote>{AdviceNote::ProjectionReduces});
        QVERIFY(noteText(a.notes.first()).contains("reduces"));
    }

    // The larger pixel side sets the pitch: 8.5 x 19.7 µm gives N = 2 x 19700/550 = 71.636.
    void pitchIsTheLargerPixel_data()
    {
        QTest::addColumn<QString>("pw");
        QTest::addColumn<QString>("ph");
        QTest::addColumn<double>("n");
        QTest::newRow("taller") << "8.5" << "19.7" << 2 * 19700 / 550.0;
        QTest::newRow("wider") << "19.7" << "8.5" << 2 * 19700 / 550.0;
        QTest::newRow("square") << "9" << "9" << 2 * 9000 / 550.0;
    }

    void pitchIsTheLargerPixel()
    {
        QFETCH(QString, pw);
        QFETCH(QString, ph);
        QFETCH(double, n);
        Setup s;
        s.typeCamera(pw, ph, "1000", "1000");
        const Advice a = adviseOn(show(s), {});
        QVERIFY(a.criticalFocalRatio);
        QVERIFY(qAbs(*a.criticalFocalRatio - n) < 1e-9);
        QCOMPARE(a.focalRatioBand->high, 1.5 * *a.criticalFocalRatio);
    }

    // Whenever a camera is known, whatever the target; never without one.
    void criticalRatioNeedsOnlyACamera_data()
    {
        QTest::addColumn<QString>("camera");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("has");
        QTest::newRow("no target") << "SBIG ST-7E" << "" << true;
        QTest::newRow("the Sun") << "SBIG ST-7E" << "sun" << true;
        QTest::newRow("no camera, a planet") << "None or Film" << "jupiter" << false;
    }

    void criticalRatioNeedsOnlyACamera()
    {
        QFETCH(QString, camera);
        QFETCH(QString, target);
        QFETCH(bool, has);
        AdviceOptions o;
        if (!target.isEmpty())
            o.target = findTarget(target);
        const Advice a = adviseOn(show(setupOf("DR-106", "WS 5mm", "5", "55", camera)), o);
        QCOMPARE(a.criticalFocalRatio.has_value(), has);
        QCOMPARE(a.focalRatioVerdict.has_value(), has);
    }

    // EFL 7960.6, 9 µm: 206265 x 0.009/7960.6 = 0.2332"/px. Jupiter 29.8" is 127.8 px, 50.1"
    // is 214.8 px on 765 x 510 px.
    void fits()
    {
        AdviceOptions o;
        o.target = findTarget(u"jupiter");
        const Advice a = adviseOn(show(setupOf("DR-106", "WS 5mm", "5", "55", "SBIG ST-7E")), o);
        QCOMPARE(a.fits.size(), 2);
        QCOMPARE(a.fits[0].which, FitAt::Size::Smallest);
        QCOMPARE(a.fits[1].which, FitAt::Size::Largest);
        QVERIFY(qAbs(a.fits[0].fit->widthPx - 29.8 / (206265 * 0.009 / 7960.6)) < 1e-9);
        QVERIFY(a.fits[1].fit->fits);
        o.target = Target{"size", "Target", 3000, 3000, 0, std::nullopt};
        const Advice one = adviseOn(show(setupOf("DR-106", "WS 5mm", "5", "55", "SBIG ST-7E")), o);
        QCOMPARE(one.fits.size(), 1);
        QCOMPARE(one.fits[0].which, FitAt::Size::Only);
        QVERIFY(!one.fits[0].fit->fits);
    }

    void targetFlags()
    {
        QVERIFY(findTarget(u"saturn")->hasRings() && findTarget(u"saturn")->planetary());
        QVERIFY(findTarget(u"moon")->planetary() && !findTarget(u"moon")->hasRings());
        QVERIFY(findTarget(u"sun")->isSun() && !findTarget(u"sun")->planetary());
        int rings = 0, suns = 0;
        for (const Target &t : targets()) {
            rings += t.hasRings();
            suns += t.isSun();
        }
        QCOMPARE(rings, 1);
        QCOMPARE(suns, 1);
    }

    // Every catalogue camera once, no special entry, and alike binning next to each other.
    void cameraVisitOrderCoversTheCatalogue()
    {
        const QStringList cameras = cameraEntries();
        const QList<qsizetype> order = cameraVisitOrder(cameras);
        QCOMPARE(order.size(), qsizetype(catalog::kCameras.size()));
        QCOMPARE(QSet<qsizetype>(order.begin(), order.end()).size(), order.size());
        int changes = 0;
        for (qsizetype i = 1; i < order.size(); ++i)
            changes += cameraHasBinning(cameras[order[i]]) != cameraHasBinning(cameras[order[i - 1]]);
        QCOMPARE(changes, 1);
    }

    // The registry is what setup files are written from and read into.
    void setupFieldsRoundTrip()
    {
        Setup s = setupOf("AR-100", "PT 7mm", "10", "200", "SBIG ST-9E");
        const UserData u = s.toUserData();
        QCOMPARE(u[1], QString("AR-100"));
        QCOMPARE(u[7], QString("200"));
        QCOMPARE(u[8], QString("20"));
        const Setup back = Setup::fromUserData(u);
        QSet<QString> options;
        for (const SetupFieldInfo &f : kSetupFields) {
            if (f.fileLine > 0)
                QCOMPARE(back.*f.member, s.*f.member);
            options << QLatin1String(f.option);
        }
        QCOMPARE(options.size(), 10); // the pixel and chip sides share their options
    }

    // Only the discs that outgrow a frame get a mosaic; the advice plans none for the rest.
    void mosaicTargets_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("mosaic");
        QTest::newRow("moon") << "moon" << true;
        QTest::newRow("sun") << "sun" << true;
        QTest::newRow("jupiter") << "jupiter" << false;
        QTest::newRow("saturn") << "saturn" << false;
        QTest::newRow("mercury") << "mercury" << false;
    }

    void mosaicTargets()
    {
        QFETCH(QString, key);
        QFETCH(bool, mosaic);
        const auto target = findTarget(key);
        QVERIFY(target);
        QCOMPARE(takesMosaic(*target), mosaic);
        QCOMPARE(mosaicTargetKeys().contains(key), mosaic);
        AdviceOptions options;
        options.target = target;
        options.mosaic = MosaicRequest{};
        // 4 µm pixels on 640 x 480 at 1000 mm: a frame of about 528" x 396".
        Setup s;
        s.typeTelescope("1000", "100");
        s.typeCamera("4", "4", "640", "480");
        s.chooseOcular(QStringLiteral("No-VKP2"));
        QCOMPARE(adviseOn(show(s), options).mosaic.has_value(), mosaic);
    }

    void sizeTargetTakesNoMosaic()
    {
        const Target typed{"size", "Target", 1900, 1900, 0, std::nullopt};
        QVERIFY(!takesMosaic(typed));
    }
};

QTEST_GUILESS_MAIN(TstPlannerAdvice)
#include "tst_planner_advice.moc"
