// Optical trains: the thin-lens, projection and afocal formulas, a train's problems, what show()
// gives with a train and the distance solveTrain finds. Expected numbers are worked out by hand
// or in python3 from the formulas, never copied from this code's output.

#include "planner/advice.h"
#include "planner/optical_train.h"
#include "planner/train_setup.h"

#include <QtTest>

#include <cmath>

using namespace vkp2::planner;

Q_DECLARE_METATYPE(vkp2::planner::Train)
Q_DECLARE_METATYPE(vkp2::planner::TrainField)
Q_DECLARE_METATYPE(vkp2::planner::TrainVariable)
Q_DECLARE_METATYPE(vkp2::planner::SolveStatus)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

Lens lens(LensKind kind, double factor, std::optional<double> s0 = {},
          std::optional<double> s = {})
{
    Lens l;
    l.kind = kind;
    l.factor = factor;
    l.designSpacingMm = s0;
    l.spacingMm = s;
    return l;
}

Train withLens(Lens l)
{
    Train t;
    t.lens = l;
    return t;
}

Train projection(double fe, double d)
{
    Train t;
    t.rear = Rear::Projection;
    t.eyepieceMm = fe;
    t.projectionDistanceMm = d;
    return t;
}

Train afocal(double fe, double fc)
{
    Train t;
    t.rear = Rear::Afocal;
    t.eyepieceMm = fe;
    t.cameraLensMm = fc;
    return t;
}

// 2000/200 with a 2.9 µm 1936 x 1096 camera; the lens alone sits at prime focus.
Setup typedSetup(const Train &train)
{
    Setup s;
    s.typeTelescope(QStringLiteral("2000"), QStringLiteral("200"));
    s.typeCamera(QStringLiteral("2.9"), QStringLiteral("2.9"), QStringLiteral("1936"),
                 QStringLiteral("1096"));
    s.chooseOcular(QStringLiteral("No-VKP2"));
    s.train = train;
    return s;
}

// DR-106 (530/106) with WS 5mm at TL 5, D 55: P = 58 + 5 + 3 + 55 - 40.9 = 80.1, M = 15.02.
Setup vkp2Setup(const Train &train)
{
    Setup s;
    s.chooseTelescope(QStringLiteral("DR-106"));
    s.chooseOcular(QStringLiteral("WS 5mm"));
    s.tl = QStringLiteral("5");
    s.d = QStringLiteral("55");
    s.train = train;
    return s;
}

} // namespace

class TstOpticalTrain : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void formulas_data();
    void formulas();
    void lensInEffect();
    void problems_data();
    void problems();
    void shownWithTrain_data();
    void shownWithTrain();
    void plainVkp2Untouched();
    void unsoundTrainShowsNothing();
    void spacingOutsideUsableRange_data();
    void spacingOutsideUsableRange();
    void solve_data();
    void solve();
    void reasonInLocale();
    void kitLensKind_data();
    void kitLensKind();
    void chartCurve();
};

void TstOpticalTrain::formulas_data()
{
    QTest::addColumn<std::optional<double>>("got");
    QTest::addColumn<std::optional<double>>("expected");
    using O = std::optional<double>;
    QTest::newRow("Barlow 2x at 100 mm: f = -100") << lensFocalLength(2, 100) << O(-100);
    QTest::newRow("reducer 0.63x at 100 mm: f = 270.27") << lensFocalLength(0.63, 100) << O(100 / 0.37);
    QTest::newRow("factor 1 has no focal length") << lensFocalLength(1, 100) << O();
    QTest::newRow("design spacing 0") << lensFocalLength(2, 0) << O();
    QTest::newRow("Barlow f -100 at 150 mm: 2.5") << lensFactor(-100, 150) << O(2.5);
    QTest::newRow("Barlow f -100 at 0 mm: 1") << lensFactor(-100, 0) << O(1);
    QTest::newRow("reducer at 50 mm: 0.815") << lensFactor(100 / 0.37, 50) << O(0.815);
    QTest::newRow("reducer at its focal length") << lensFactor(200, 200) << O();
    QTest::newRow("reducer past its focal length") << lensFactor(200, 300) << O();
    QTest::newRow("Barlow f -100 for 3x: 200 mm") << spacingForFactor(-100, 3) << O(200);
    QTest::newRow("reducer f 200 for 0.5x: 100 mm") << spacingForFactor(200, 0.5) << O(100);
    QTest::newRow("projection 10 mm at 60 mm: 5") << projectionMagnification(10, 60) << O(5);
    QTest::newRow("projection at fe: no image") << projectionMagnification(10, 10) << O();
    QTest::newRow("projection inside fe") << projectionMagnification(10, 5) << O();
    QTest::newRow("afocal 25 mm, 50 mm lens: 2") << afocalFactor(25, 50) << O(2);
    QTest::newRow("afocal lens 0") << afocalFactor(25, 0) << O();
    QTest::newRow("not a number") << lensFactor(-100, std::nan("")) << O();
}

void TstOpticalTrain::formulas()
{
    QFETCH(std::optional<double>, got);
    QFETCH(std::optional<double>, expected);
    QCOMPARE(got.has_value(), expected.has_value());
    if (expected)
        QVERIFY2(std::abs(*got - *expected) < 1e-9, qPrintable(QString::number(*got, 'g', 17)));
}

void TstOpticalTrain::lensInEffect()
{
    const Lens at150 = lens(LensKind::Barlow, 2, 100, 150);
    QCOMPARE(*factorOf(at150), 2.5);
    QCOMPARE(*spacingOf(at150), 150.0);
    // At the design spacing the stated factor holds exactly.
    QCOMPARE(*factorOf(lens(LensKind::Barlow, 2.5, 110)), 2.5);
    QCOMPARE(*spacingOf(lens(LensKind::Barlow, 2.5, 110)), 110.0);
    // A focal length alone gives the design spacing back: f (1 - A0) = -50 x (1 - 3) = 100.
    Lens byFocal = lens(LensKind::Barlow, 3);
    byFocal.focalMm = -50;
    QCOMPARE(*designSpacingOf(byFocal), 100.0);
    // A fixed factor has no spacing and no range.
    QVERIFY(!spacingOf(lens(LensKind::Barlow, 2)));
    QVERIFY(!usableSpacing(lens(LensKind::Barlow, 2)));
    QCOMPARE(*factorOf(lens(LensKind::Barlow, 2)), 2.0);
    // Usable: Barlow 0.5 to 3 s0; reducer 0.5 to 1.5 s0.
    const auto barlow = usableSpacing(lens(LensKind::Barlow, 2, 100));
    QCOMPARE(barlow->lowMm, 50.0);
    QCOMPARE(barlow->highMm, 300.0);
    const auto reducer = usableSpacing(lens(LensKind::Reducer, 0.63, 100));
    QCOMPARE(reducer->lowMm, 50.0);
    QCOMPARE(reducer->highMm, 150.0);
    // A strong reducer stops short of its focal length (A = 0.1 there): f = 100/0.5 = 200.
    const auto strong = usableSpacing(lens(LensKind::Reducer, 0.5, 100));
    QCOMPARE(strong->highMm, 150.0);
    const auto stronger = usableSpacing(lens(LensKind::Reducer, 0.2, 100)); // f = 125
    QVERIFY(std::abs(stronger->highMm - 112.5) < 1e-9);
}

void TstOpticalTrain::problems_data()
{
    QTest::addColumn<Train>("train");
    QTest::addColumn<int>("field"); // -1: sound
    const auto f = [](TrainField tf) { return int(tf); };
    QTest::newRow("Barlow 2x at 100, 150") << withLens(lens(LensKind::Barlow, 2, 100, 150)) << -1;
    QTest::newRow("fixed Barlow 1x") << withLens(lens(LensKind::Barlow, 1)) << -1;
    QTest::newRow("factor 0") << withLens(lens(LensKind::Barlow, 0)) << f(TrainField::Factor);
    QTest::newRow("factor -2") << withLens(lens(LensKind::Barlow, -2, 100)) << f(TrainField::Factor);
    QTest::newRow("factor NaN") << withLens(lens(LensKind::Reducer, std::nan(""))) << f(TrainField::Factor);
    QTest::newRow("Barlow of 0.5") << withLens(lens(LensKind::Barlow, 0.5)) << f(TrainField::Factor);
    QTest::newRow("reducer of 2") << withLens(lens(LensKind::Reducer, 2)) << f(TrainField::Factor);
    QTest::newRow("design spacing 0") << withLens(lens(LensKind::Barlow, 2, 0)) << f(TrainField::DesignSpacing);
    QTest::newRow("design spacing -5") << withLens(lens(LensKind::Barlow, 2, -5)) << f(TrainField::DesignSpacing);
    QTest::newRow("spacing 0") << withLens(lens(LensKind::Barlow, 2, 100, 0)) << f(TrainField::Spacing);
    QTest::newRow("reducer past its focal length")
        << withLens(lens(LensKind::Reducer, 0.63, 100, 300)) << f(TrainField::Spacing);
    QTest::newRow("reducer at 50") << withLens(lens(LensKind::Reducer, 0.63, 100, 50)) << -1;
    QTest::newRow("spacing of a factor of 1")
        << withLens(lens(LensKind::Barlow, 1, 100, 50)) << f(TrainField::Spacing);
    QTest::newRow("spacing of a fixed factor")
        << withLens(lens(LensKind::Barlow, 2, {}, 120)) << f(TrainField::Spacing);
    QTest::newRow("projection 10 at 60") << projection(10, 60) << -1;
    QTest::newRow("projection at fe") << projection(10, 10) << f(TrainField::ProjectionDistance);
    QTest::newRow("projection eyepiece 0") << projection(0, 60) << f(TrainField::ProjectionEyepiece);
    QTest::newRow("projection beyond a metre") << projection(10, 1500) << f(TrainField::ProjectionDistance);
    QTest::newRow("afocal 25/50") << afocal(25, 50) << -1;
    QTest::newRow("afocal lens 0") << afocal(25, 0) << f(TrainField::AfocalLens);
    QTest::newRow("afocal eyepiece 0") << afocal(0, 50) << f(TrainField::AfocalEyepiece);
}

void TstOpticalTrain::problems()
{
    QFETCH(Train, train);
    QFETCH(int, field);
    const auto p = problemOf(train);
    QCOMPARE(p ? int(p->field) : -1, field);
    if (p)
        QVERIFY(!p->what.isEmpty());
}

void TstOpticalTrain::shownWithTrain_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("efl");
    QTest::addColumn<QString>("efr");
    QTest::addColumn<QString>("fovWidth");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("total");
    // 206265 x 0.0029 / 5000 = 0.1196; 3439 x 5.6144 / 5000 = 3.8616.
    QTest::newRow("Barlow 2x at 100, spacing 150")
        << typedSetup(withLens(lens(LensKind::Barlow, 2, 100, 150))) << "5000" << "25" << "3.86"
        << "0.12" << 2.5;
    // EFL 1630: 8.15; 206265 x 0.0029 / 1630 = 0.36697; 3439 x 5.6144 / 1630 = 11.845.
    QTest::newRow("reducer 0.63x at 100, spacing 50")
        << typedSetup(withLens(lens(LensKind::Reducer, 0.63, 100, 50))) << "1630" << "8.15"
        << "11.85" << "0.37" << 0.815;
    // M 5: 10000 mm, f/50; 0.0598; 1.9308.
    QTest::newRow("projection 10 mm at 60 mm")
        << typedSetup(projection(10, 60)) << "10000" << "50" << "1.93" << "0.06" << 5.0;
    // fc/fe 2: 4000 mm, f/20; 0.1495; 4.827.
    QTest::newRow("afocal 25 mm eyepiece, 50 mm lens")
        << typedSetup(afocal(25, 50)) << "4000" << "20" << "4.83" << "0.15" << 2.0;
    // Barlow 2 and projection: 2000 x 2 x 5 = 20000, f/100.
    Train stack = projection(10, 60);
    stack.lens = lens(LensKind::Barlow, 2);
    QTest::newRow("Barlow 2x + projection") << typedSetup(stack) << "20000" << "100" << "0.97"
                                           << "0.03" << 10.0;
    // 15.02 x (2 x 530) = 15921.2; / 106 = 150.2; no camera: 0, as the calculator shows it.
    QTest::newRow("Barlow 2x + WS 5mm in the VKP-2")
        << vkp2Setup(withLens(lens(LensKind::Barlow, 2))) << "15921.2" << "150.2" << "0"
        << "0" << 30.04;
}

void TstOpticalTrain::shownWithTrain()
{
    QFETCH(Setup, setup);
    QFETCH(QString, efl);
    QFETCH(QString, efr);
    QFETCH(QString, fovWidth);
    QFETCH(QString, scale);
    QFETCH(double, total);
    const Shown sh = show(setup);
    QCOMPARE(sh.box(vkp2::Box::efl), efl);
    QCOMPARE(sh.box(vkp2::Box::efr), efr);
    QCOMPARE(sh.box(vkp2::Box::Fov_width), fovWidth);
    QCOMPARE(sh.box(vkp2::Box::Pixelscale_width), scale);
    QVERIFY(sh.train);
    QVERIFY(!sh.train->element.isEmpty());
    QVERIFY2(std::abs(sh.train->totalFactor.value_or(0) - total) < 1e-9,
             qPrintable(QString::number(sh.train->totalFactor.value_or(0), 'g', 17)));
    // The telescope's own boxes stay the telescope's.
    QCOMPARE(sh.box(vkp2::Box::Flength), setup.focalLength);
}

void TstOpticalTrain::plainVkp2Untouched()
{
    // 15.02 x 530 = 7960.6, f/75.1: the calculator's own result.
    const Shown sh = show(vkp2Setup(Train()));
    QVERIFY(!sh.train);
    QCOMPARE(sh.box(vkp2::Box::efl), QStringLiteral("7960.6"));
    QCOMPARE(sh.box(vkp2::Box::efr), QStringLiteral("75.1"));
    QVERIFY(std::abs(*sh.magnification - 15.02) < 1e-12);
}

void TstOpticalTrain::unsoundTrainShowsNothing()
{
    const Shown sh = show(typedSetup(withLens(lens(LensKind::Reducer, 0.63, 100, 300))));
    QVERIFY(sh.train);
    QVERIFY(!sh.train->totalFactor);
    for (const vkp2::Box b : {vkp2::Box::efl, vkp2::Box::efr, vkp2::Box::Fov_width,
                              vkp2::Box::Pixelscale_height})
        QCOMPARE(sh.box(b), QString());
    // The rest is what the calculator shows: the telescope is still there.
    QCOMPARE(sh.box(vkp2::Box::Flength), QStringLiteral("2000"));
}

void TstOpticalTrain::spacingOutsideUsableRange_data()
{
    QTest::addColumn<Train>("train");
    QTest::addColumn<bool>("outside");
    // Barlow 2x at 100: usable 50 to 300 mm, both ends inside; reducer 0.63x: 50 to 150 mm.
    QTest::newRow("Barlow at 150") << withLens(lens(LensKind::Barlow, 2, 100, 150)) << false;
    QTest::newRow("Barlow at 300") << withLens(lens(LensKind::Barlow, 2, 100, 300)) << false;
    QTest::newRow("Barlow at 400") << withLens(lens(LensKind::Barlow, 2, 100, 400)) << true;
    QTest::newRow("Barlow at 40") << withLens(lens(LensKind::Barlow, 2, 100, 40)) << true;
    QTest::newRow("reducer at 200") << withLens(lens(LensKind::Reducer, 0.63, 100, 200)) << true;
    QTest::newRow("fixed factor") << withLens(lens(LensKind::Barlow, 2)) << false;
}

void TstOpticalTrain::spacingOutsideUsableRange()
{
    QFETCH(Train, train);
    QFETCH(bool, outside);
    const Shown sh = show(typedSetup(train));
    QCOMPARE(sh.train->outsideUsableRange, outside);
    // Still computed: the thin-lens numbers hold, the note says the image may not.
    QVERIFY(!sh.box(vkp2::Box::efl).isEmpty());
    const Advice a = adviseOn(sh, AdviceOptions());
    QCOMPARE(a.notes.contains(AdviceNote::SpacingUnusable), outside);
}

void TstOpticalTrain::solve_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Goal::Kind>("kind");
    QTest::addColumn<double>("goal");
    QTest::addColumn<TrainVariable>("variable");
    QTest::addColumn<SolveStatus>("status");
    QTest::addColumn<QString>("value"); // solved: the value set; else a part of the reason
    const Setup barlow = typedSetup(withLens(lens(LensKind::Barlow, 2, 100)));
    QTest::newRow("f/20 with the Barlow: 100 mm") << barlow << Goal::Kind::FocalRatio << 20.0
                                                  << TrainVariable::Spacing << SolveStatus::Solved << "100";
    QTest::newRow("f/30 with the Barlow: 200 mm") << barlow << Goal::Kind::FocalRatio << 30.0
                                                  << TrainVariable::Spacing << SolveStatus::Solved << "200";
    // f/80: A = 8, s = 700: 600 mm beyond the design spacing, usable to 300 mm.
    QTest::newRow("f/80 needs 700 mm") << barlow << Goal::Kind::FocalRatio << 80.0
                                       << TrainVariable::Spacing << SolveStatus::OutOfRange
                                       << "needs a spacing of 700 mm, 600 mm beyond the design 100 mm";
    QTest::newRow("f/8 would need the Barlow to shorten")
        << barlow << Goal::Kind::FocalRatio << 8.0 << TrainVariable::Spacing
        << SolveStatus::OutOfRange << "never shortens";
    // Pixel scale 0.1196265 at 2.9 µm is EFL 5000: A 2.5, s 150.
    QTest::newRow("pixel scale for 5000 mm") << barlow << Goal::Kind::PixelScale
                                             << 206265 * 0.0029 / 5000 << TrainVariable::Spacing
                                             << SolveStatus::Solved << "150";
    // EFL 1000: A 0.5, s = 270.27 x 0.5 = 135.135.
    const Setup reducer = typedSetup(withLens(lens(LensKind::Reducer, 0.63, 100)));
    QTest::newRow("reducer to 1000 mm") << reducer << Goal::Kind::FocalLength << 1000.0
                                        << TrainVariable::Spacing << SolveStatus::Solved << "135.14";
    QTest::newRow("reducer to f/12") << reducer << Goal::Kind::FocalRatio << 12.0
                                     << TrainVariable::Spacing << SolveStatus::OutOfRange
                                     << "never lengthens";
    // d = 10 x (10000 / 2000 + 1) = 60.
    QTest::newRow("projection to f/50") << typedSetup(projection(10, 30)) << Goal::Kind::FocalRatio
                                        << 50.0 << TrainVariable::ProjectionDistance
                                        << SolveStatus::Solved << "60";
    QTest::newRow("projection distance not yet set") << typedSetup(projection(10, 0))
                                                     << Goal::Kind::FocalRatio << 50.0
                                                     << TrainVariable::ProjectionDistance
                                                     << SolveStatus::Solved << "60";
    QTest::newRow("projection to 1000 mm needs d = 15")
        << typedSetup(projection(10, 30)) << Goal::Kind::FocalLength << 1000.0
        << TrainVariable::ProjectionDistance << SolveStatus::Solved << "15";
    QTest::newRow("projection to 200000 mm needs 1010 mm")
        << typedSetup(projection(10, 30)) << Goal::Kind::FocalLength << 200000.0
        << TrainVariable::ProjectionDistance << SolveStatus::OutOfRange << "1010 mm";
    QTest::newRow("afocal has no distance") << typedSetup(afocal(25, 50)) << Goal::Kind::FocalRatio
                                            << 20.0 << TrainVariable::None << SolveStatus::PrimeFocus
                                            << "fixed factor";
    QTest::newRow("fixed Barlow at prime focus")
        << typedSetup(withLens(lens(LensKind::Barlow, 2))) << Goal::Kind::FocalRatio << 20.0
        << TrainVariable::None << SolveStatus::PrimeFocus << "fixed factor";
    // Barlow 2 fixed before WS 5mm on DR-106: EFL 15921.2 is M 15.02, D 55.
    QTest::newRow("D behind a Barlow") << vkp2Setup(withLens(lens(LensKind::Barlow, 2)))
                                       << Goal::Kind::FocalLength << 15921.2 << TrainVariable::D
                                       << SolveStatus::Solved << "55";
    QTest::newRow("unsound train") << typedSetup(withLens(lens(LensKind::Barlow, 0)))
                                   << Goal::Kind::FocalRatio << 20.0 << TrainVariable::None
                                   << SolveStatus::InvalidInput << "factor";
    QTest::newRow("goal 0") << barlow << Goal::Kind::FocalRatio << 0.0 << TrainVariable::Spacing
                            << SolveStatus::InvalidInput << "above 0";
}

void TstOpticalTrain::solve()
{
    QFETCH(Setup, setup);
    QFETCH(Goal::Kind, kind);
    QFETCH(double, goal);
    QFETCH(TrainVariable, variable);
    QFETCH(SolveStatus, status);
    QFETCH(QString, value);
    const SolvedTrain t = solveTrain(setup, kind, goal);
    QCOMPARE(t.solution.status, status);
    if (status != SolveStatus::InvalidInput)
        QCOMPARE(t.variable, variable);
    if (status == SolveStatus::Solved) {
        QCOMPARE(t.valueText, value);
        // The train shows the goal there (to the box's 2 decimals).
        const Shown &sh = t.shown;
        if (kind == Goal::Kind::FocalRatio)
            QCOMPARE(sh.number(vkp2::Box::efr).value_or(0), goal);
        QVERIFY(!sh.box(vkp2::Box::efl).isEmpty());
    } else {
        QVERIFY2(reasonText(t, QLocale::c()).contains(value), qPrintable(reasonText(t, QLocale::c())));
    }
}

void TstOpticalTrain::reasonInLocale()
{
    // s0 33 mm: f = 33 / (1 - 2) = -33, usable 16.5 to 99 mm; f/80 asks for A 8, so
    // s = -33 x (1 - 8) = 231 mm, 198 mm beyond the design spacing.
    const SolvedTrain t = solveTrain(typedSetup(withLens(lens(LensKind::Barlow, 2, 33))),
                                     Goal::Kind::FocalRatio, 80);
    QCOMPARE(t.solution.status, SolveStatus::OutOfRange);
    const QString german = reasonText(t, QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(german.contains(QStringLiteral("from 16,5 to 99 mm")), qPrintable(german));
    QVERIFY2(german.contains(QStringLiteral("198 mm beyond the design 33 mm")), qPrintable(german));
    QVERIFY(reasonText(t, QLocale::c()).contains(QStringLiteral("16.5")));
    // A wrong-way lens: EFL 1000 needs 0.5 of a Barlow; the element's name keeps its dot.
    const SolvedTrain wrong = solveTrain(typedSetup(withLens(lens(LensKind::Barlow, 2.5, 55))),
                                         Goal::Kind::FocalLength, 1000);
    const QString w = reasonText(wrong, QLocale(QLocale::German, QLocale::Germany));
    QVERIFY2(w.contains(QStringLiteral("needs a factor of 0,5: Barlow 2.5x lengthens")), qPrintable(w));
    QVERIFY(wrong.solution.reason.contains(QStringLiteral("0.5")));
}

void TstOpticalTrain::kitLensKind_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<std::optional<double>>("focal");
    QTest::addColumn<bool>("barlow");
    QTest::newRow("2x") << 2.0 << std::optional<double>() << true;
    QTest::newRow("0.63x") << 0.63 << std::optional<double>() << false;
    QTest::newRow("1x, negative lens") << 1.0 << std::optional<double>(-500) << true;
    QTest::newRow("1x, positive lens") << 1.0 << std::optional<double>(500) << false;
}

void TstOpticalTrain::kitLensKind()
{
    QFETCH(double, factor);
    QFETCH(std::optional<double>, focal);
    QFETCH(bool, barlow);
    vkp2::storage::KitLens k{QStringLiteral("L"), factor, focal, std::nullopt};
    QCOMPARE(k.isBarlow(), barlow);
    const Lens l = lensOf(k);
    QCOMPARE(l.kind == LensKind::Barlow, barlow);
    // The kit and the trains agree: a kit entry is a sound lens of its kind.
    QVERIFY(!problemOf(withLens(l)));
}

void TstOpticalTrain::chartCurve()
{
    const Train barlow = withLens(lens(LensKind::Barlow, 2, 100));
    const Projection vkp2{2000, std::nullopt, 0};
    QCOMPARE(*trainFocalLengthAt(vkp2, barlow, TrainVariable::Spacing, 150), 5000.0);
    QCOMPARE(*trainFocalLengthAt(vkp2, barlow, TrainVariable::Spacing, 300), 8000.0);
    QVERIFY(!trainFocalLengthAt(vkp2, barlow, TrainVariable::Spacing, 301));
    QVERIFY(!trainFocalLengthAt(vkp2, barlow, TrainVariable::Spacing, 49));
    QCOMPARE(*trainFocalLengthAt(vkp2, projection(10, 30), TrainVariable::ProjectionDistance, 60),
             10000.0);
    QVERIFY(!trainFocalLengthAt(vkp2, projection(10, 30), TrainVariable::ProjectionDistance, 10));
    QCOMPARE(*trainFocalLengthAt(vkp2, afocal(25, 50), TrainVariable::None, 0), 4000.0);
    // The variable the chart draws against, and the range it spans.
    QCOMPARE(variableOf(typedSetup(barlow)), TrainVariable::Spacing);
    QCOMPARE(variableOf(vkp2Setup(barlow)), TrainVariable::D);
    QCOMPARE(variableOf(typedSetup(projection(10, 30))), TrainVariable::ProjectionDistance);
    QCOMPARE(variableRange(typedSetup(projection(10, 30)))->lowMm, 10.0);
    QCOMPARE(withVariable(typedSetup(barlow), 123.456).train.lens->spacingMm.value_or(0), 123.46);
    QCOMPARE(withVariable(vkp2Setup(barlow), 80.004).d, QStringLiteral("80"));
}

QTEST_GUILESS_MAIN(TstOpticalTrain)
#include "tst_optical_train.moc"
