// Planner math: projection forward and backward, sampling verdicts, targets and frame fit.
// Expected numbers are worked out by hand or in python3 from the formulas, never copied from
// this code's output.

#include "planner/sampling.h"
#include "planner/solve.h"
#include "planner/targets.h"

#include <QtTest>

using namespace vkp2::planner;

Q_DECLARE_METATYPE(vkp2::planner::SolveStatus)
Q_DECLARE_METATYPE(vkp2::planner::OcularGeometry)
Q_DECLARE_METATYPE(vkp2::planner::Projection)
Q_DECLARE_METATYPE(vkp2::planner::Goal)

namespace {
const OcularGeometry ws5{40.9, 58, 5};
const OcularGeometry pt25{27.13, 54, 25};
} // namespace

class TstPlannerMath : public QObject {
    Q_OBJECT
private slots:
    void forwardAndBack_data();
    void forwardAndBack();
    void solveRejects_data();
    void solveRejects();
    void roundsOntoEndStop_data();
    void roundsOntoEndStop();
    void seeing_data();
    void seeing();
    void resolvingLimits();
    void focalRatioSampling_data();
    void focalRatioSampling();
    void targetTable();
    void fit_data();
    void fit();
};

void TstPlannerMath::forwardAndBack_data()
{
    QTest::addColumn<OcularGeometry>("ocular");
    QTest::addColumn<double>("tl");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("efl");
    // F = 530 (DR-106). By hand: 58+5+3+55-40.9 = 80.1; (80.1/5 - 1) * 530 = 7960.6.
    QTest::newRow("WS 5mm D55") << ws5 << 5.0 << 55.0 << 80.1 << 7960.6;
    // End stops, inclusive: P 25.1 -> 2130.6 and P 1025.1 -> 108130.6. Solving these decimal
    // EFLs back lands a last bit outside 0..1000 (python3), so they also test the slack.
    QTest::newRow("WS 5mm D0") << ws5 << 5.0 << 0.0 << 25.1 << 2130.6;
    QTest::newRow("WS 5mm D1000") << ws5 << 5.0 << 1000.0 << 1025.1 << 108130.6;
    // 54+30+3+100-27.13 = 159.87; (159.87/25 - 1) * 530 = 2859.244.
    QTest::newRow("PT 25mm TL30") << pt25 << 30.0 << 100.0 << 159.87 << 2859.244;
}

void TstPlannerMath::forwardAndBack()
{
    QFETCH(OcularGeometry, ocular);
    QFETCH(double, tl);
    QFETCH(double, d);
    QFETCH(double, p);
    QFETCH(double, efl);
    QVERIFY(qAbs(projectionDistance(ocular, tl, d) - p) < 1e-9);
    const Projection setup{530, ocular, tl};
    QVERIFY(qAbs(*focalLengthAt(setup, d) - efl) < 1e-6);
    QVERIFY(qAbs(*focalRatioAt(setup, 106, d) - efl / 106) < 1e-9);
    QVERIFY(qAbs(*pixelScaleAt(setup, 3.76, d) - 206265 * 0.00376 / efl) < 1e-12);
    QCOMPARE(*focalLengthAt(Projection{530, std::nullopt, tl}, d), 530.0); // prime focus
    QVERIFY(!focalLengthAt(setup, 1000.001) && !focalLengthAt(setup, -0.001));

    // The same EFL asked for three ways must give D back.
    for (const Goal &goal : {Goal::focalLength(efl), Goal::focalRatio(efl / 106, 106),
                             Goal::pixelScale(206265 * 0.00376 / efl, 3.76)}) {
        const Solution s = solveDistance(setup, goal);
        QVERIFY2(s.ok() && s.reason.isEmpty(), qPrintable(s.reason));
        QVERIFY2(qAbs(s.distanceMm - d) < 1e-9, qPrintable(QString::number(s.distanceMm, 'g', 17)));
    }
}

void TstPlannerMath::solveRejects_data()
{
    QTest::addColumn<Projection>("setup");
    QTest::addColumn<Goal>("goal");
    QTest::addColumn<SolveStatus>("status");
    QTest::addColumn<QString>("reason"); // empty: any wording
    const Projection dr106{530, ws5, 5};
    // EFLs for D = 1240, -3.24, 1000.01 and -0.01 with WS 5mm, TL 5, F 530 (python3).
    QTest::newRow("far") << dr106 << Goal::focalLength(133570.6) << SolveStatus::OutOfRange
                         << "needs D = 1240 mm; the adapter allows 0 to 1000";
    QTest::newRow("short, 1 decimal") << dr106 << Goal::focalLength(1787.16) << SolveStatus::OutOfRange
                                      << "needs D = -3.2 mm; the adapter allows 0 to 1000";
    QTest::newRow("just past 1000") << dr106 << Goal::focalLength(108131.66) << SolveStatus::OutOfRange
                                    << "needs D = 1000.01 mm; the adapter allows 0 to 1000";
    QTest::newRow("just below 0") << dr106 << Goal::focalLength(2129.54) << SolveStatus::OutOfRange
                                  << "needs D = -0.01 mm; the adapter allows 0 to 1000";
    QTest::newRow("prime focus") << Projection{530, std::nullopt, 5} << Goal::focalLength(1000)
                                 << SolveStatus::PrimeFocus << QString();
    QTest::newRow("F 0") << Projection{0, ws5, 5} << Goal::focalLength(1000) << SolveStatus::InvalidInput << QString();
    // The calculator computes nothing for a focal length past 10000 mm.
    QTest::newRow("F 10000.5") << Projection{10000.5, ws5, 5} << Goal::focalLength(50000) << SolveStatus::InvalidInput << QString();
    QTest::newRow("goal 0") << dr106 << Goal::focalLength(0) << SolveStatus::InvalidInput << QString();
    QTest::newRow("f 0") << Projection{530, OcularGeometry{40.9, 58, 0}, 5} << Goal::focalLength(5000)
                         << SolveStatus::InvalidInput << QString();
    QTest::newRow("TL 31") << Projection{530, ws5, 31} << Goal::focalLength(5000) << SolveStatus::InvalidInput << QString();
}

void TstPlannerMath::solveRejects()
{
    QFETCH(Projection, setup);
    QFETCH(Goal, goal);
    QFETCH(SolveStatus, status);
    QFETCH(QString, reason);
    const Solution s = solveDistance(setup, goal);
    QCOMPARE(s.status, status);
    QVERIFY(!s.ok() && !s.reason.isEmpty());
    if (!reason.isEmpty())
        QCOMPARE(s.reason, reason);
}

// D is typed with 2 decimals: a D that rounds onto an end stop is reached there. EFLs for
// D = -0.001, -0.004 and 1000.004 with WS 5mm, TL 5, F 530: (D + 25.1)/5 - 1, times 530.
void TstPlannerMath::roundsOntoEndStop_data()
{
    QTest::addColumn<double>("efl");
    QTest::addColumn<double>("d");
    QTest::newRow("-0.001 is 0") << 2130.4894 << 0.0;
    QTest::newRow("-0.004 is 0") << 2130.1714 << 0.0;
    QTest::newRow("1000.004 is 1000") << 108131.0240 << 1000.0;
}

void TstPlannerMath::roundsOntoEndStop()
{
    QFETCH(double, efl);
    QFETCH(double, d);
    const Solution s = solveDistance(Projection{530, ws5, 5}, Goal::focalLength(efl));
    QCOMPARE(s.status, SolveStatus::Solved);
    QCOMPARE(s.distanceMm, d);
}

void TstPlannerMath::seeing_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("seeing");
    QTest::addColumn<QString>("word");
    QTest::newRow("at seeing/3") << 1.0 << 3.0 << "well sampled";
    QTest::newRow("at seeing/2") << 1.5 << 3.0 << "well sampled";
    QTest::newRow("below seeing/3") << 0.99 << 3.0 << "over-sampled";
    QTest::newRow("above seeing/2") << 1.51 << 3.0 << "under-sampled";
    // 2.1/3 is 0.7000000000000001 in binary (python3); the decimal 0.7 still is the edge.
    QTest::newRow("decimal edge") << 0.7 << 2.1 << "well sampled";
}

void TstPlannerMath::seeing()
{
    QFETCH(double, scale);
    QFETCH(double, seeing);
    QFETCH(QString, word);
    QCOMPARE(samplingWord(seeingVerdict(scale, seeing).value()), word);
    QVERIFY(!seeingVerdict(scale, 0));
}

void TstPlannerMath::resolvingLimits()
{
    QVERIFY(qAbs(*dawesLimitArcsec(100) - 1.16) < 1e-12);
    // 1.22 x 550e-6 mm x 206265 = 138.403815 arcsec mm.
    QVERIFY(qAbs(*rayleighLimitArcsec(100) - 1.38403815) < 1e-12);
    QVERIFY(!dawesLimitArcsec(0) && !rayleighLimitArcsec(-100));
}

void TstPlannerMath::focalRatioSampling_data()
{
    QTest::addColumn<double>("pixel");
    QTest::addColumn<double>("nm");
    QTest::addColumn<bool>("colour");
    QTest::addColumn<double>("n");
    // 2 * 2900 / 550 = 10.5454...; colour twice; 2 * 3760 / 656 = 11.4634... (python3).
    QTest::newRow("2.9 µm mono") << 2.9 << 550.0 << false << 10.545454545454545;
    QTest::newRow("2.9 µm colour") << 2.9 << 550.0 << true << 21.09090909090909;
    QTest::newRow("3.76 µm H-alpha") << 3.76 << 656.0 << false << 11.463414634146341;
}

void TstPlannerMath::focalRatioSampling()
{
    QFETCH(double, pixel);
    QFETCH(double, nm);
    QFETCH(bool, colour);
    QFETCH(double, n);
    QVERIFY(qAbs(*criticalFocalRatio(pixel, nm, colour) - n) < 1e-9);
    const auto band = focalRatioBand(pixel, nm, colour);
    QVERIFY(qAbs(band->low - n) < 1e-9 && qAbs(band->high - 1.5 * n) < 1e-9);
    const auto word = [&](double ratio) { return samplingWord(*focalRatioVerdict(ratio, pixel, nm, colour)); };
    QCOMPARE(word(band->low), QStringLiteral("well sampled"));
    QCOMPARE(word(band->high), QStringLiteral("well sampled"));
    QCOMPARE(word(0.99 * n), QStringLiteral("under-sampled"));
    QCOMPARE(word(1.51 * n), QStringLiteral("over-sampled"));
}

void TstPlannerMath::targetTable()
{
    QCOMPARE(targetKeys(), QStringList({"moon", "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune"}));
    const Target jupiter = findTarget(u"JuPiTer").value();
    QCOMPARE(QString::fromLatin1(jupiter.name), QStringLiteral("Jupiter"));
    QVERIFY(jupiter.minArcsec == 29.8 && jupiter.maxArcsec == 50.1); // NSSDCA fact sheet
    QVERIFY(!findTarget(u"pluto") && !findTarget(u""));
    // Saturn is its rings: the fact sheet's globe 14.5-20.1″ times 2*136775/120536 (python3).
    const auto saturn = findTarget(u"saturn");
    QVERIFY(qAbs(saturn->minArcsec - 32.907) < 0.06 && qAbs(saturn->maxArcsec - 45.616) < 0.06);
    // 2*asin(R/d) in python3: Moon 1762.3-2011.0″, Sun 1886.9-1951.1″.
    QVERIFY(qAbs(findTarget(u"moon")->maxArcsec - 2011.03) < 0.06);
    QVERIFY(qAbs(findTarget(u"sun")->minArcsec - 1886.91) < 0.06);
    for (const Target &t : targets())
        QVERIFY2(t.minArcsec > 0 && t.minArcsec < t.maxArcsec, t.key);
}

void TstPlannerMath::fit_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("scaleW");
    QTest::addColumn<double>("scaleH");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QString>("sentence");
    // All on a 640 x 480 px chip. 30″ / 0.1 = 300 px; 1 - 300/480 = 37.5 % -> 37 % (down).
    QTest::newRow("roomy") << 30.0 << 0.1 << 0.1 << true << "Jupiter, 30″: 300 × 300 px, fits with 37 % to spare";
    QTest::newRow("just fits") << 48.0 << 0.1 << 0.1 << true << "Jupiter, 48″: 480 × 480 px, fits with 0 % to spare";
    // 481/480 = 100.2 % -> 101 % (up).
    QTest::newRow("just not") << 48.1 << 0.1 << 0.1 << false
                              << "Jupiter, 48.1″: 481 × 481 px, does not fit: 101 % of the frame height";
    // Non-square pixels: 500 x 250 px; the width is tighter, 500/640 = 78.125 % -> 21 % spare.
    QTest::newRow("width tighter") << 50.0 << 0.1 << 0.2 << true << "Jupiter, 50″: 500 × 250 px, fits with 21 % to spare";
    QTest::newRow("too wide") << 50.0 << 0.05 << 0.2 << false
                              << "Jupiter, 50″: 1000 × 250 px, does not fit: 157 % of the frame width";
}

void TstPlannerMath::fit()
{
    QFETCH(double, size);
    QFETCH(double, scaleW);
    QFETCH(double, scaleH);
    QFETCH(bool, fits);
    QFETCH(QString, sentence);
    const auto f = fitTarget(size, scaleW, scaleH, 640, 480).value();
    QCOMPARE(f.fits, fits);
    QCOMPARE(fitSentence(QStringLiteral("Jupiter"), size, f), sentence);
    QVERIFY(!fitTarget(size, scaleW, scaleH, 0, 480));
}

QTEST_GUILESS_MAIN(TstPlannerMath)
#include "tst_planner_math.moc"
