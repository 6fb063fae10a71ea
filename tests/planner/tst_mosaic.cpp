// Full-disc mosaics: every point of the disc lies in a pane, by the planner's test and by one
// of the test's own; every pane holds some of the disc; the grid is the smallest. And the
// derotation limit, against values worked out in python3 from t = blur × P × 3600 / (π d).

#include "planner/mosaic.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <utility>

using namespace vkp2::planner;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The camera's axes from the sky's: turned back by the rotation.
std::pair<double, double> toCamera(double x, double y, double rotationDeg)
{
    const double a = rotationDeg * std::numbers::pi / 180;
    return {x * std::cos(a) + y * std::sin(a), -x * std::sin(a) + y * std::cos(a)};
}

// The test's own: is the sky point inside a pane's rotated rectangle?
bool insideSomePane(const Mosaic &m, double x, double y)
{
    for (const MosaicPane &p : m.panes) {
        const auto [u, v] = toCamera(x - p.xArcsec, y - p.yArcsec, m.rotationDeg);
        if (std::abs(u) <= m.frameWidthArcsec / 2 * (1 + 1e-9)
            && std::abs(v) <= m.frameHeightArcsec / 2 * (1 + 1e-9))
            return true;
    }
    return false;
}

// The width `frames` frames cover along one side.
double span(int frames, double frame, double overlapPercent)
{
    return frame + (frames - 1) * frame * (1 - overlapPercent / 100);
}

} // namespace

class TstMosaic : public QObject {
    Q_OBJECT
private slots:
    void covers_data();
    void covers();
    void fitsInOne_data();
    void fitsInOne();
    void refuses_data();
    void refuses();
    void derotation_data();
    void derotation();
    void derotationRefuses_data();
    void derotationRefuses();
    void hugeRotationsTurnAsTheirRemainder_data();
    void hugeRotationsTurnAsTheirRemainder();
    void overflowingLimitIsNone();
    void panesAsCsv();
};

void TstMosaic::covers_data()
{
    QTest::addColumn<double>("disc");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<double>("rotation");
    const struct { const char *name; double w, h; } frames[] = {
        {"square", 1000, 1000}, {"landscape 4:3", 1000, 750}, {"portrait 2:3", 1000, 1500}};
    for (const auto &f : frames) {
        for (const double across : {0.8, 3.0, 4.3}) {
            for (const double overlap : {0.0, 15.0, 50.0}) {
                for (const double rotation : {0.0, 30.0, 90.0})
                    QTest::addRow("%s disc %.1f widths, %g %%, %g°", f.name, across, overlap,
                                  rotation)
                        << across * f.w << f.w << f.h << overlap << rotation;
            }
        }
    }
    // 1000 + 2 × 850 = 2700 exactly: three columns, not four.
    QTest::newRow("exactly three steps") << 2700.0 << 1000.0 << 1000.0 << 15.0 << 0.0;
    // The Moon (1860″) on a 1225″ × 920″ frame, turned oddly.
    QTest::newRow("Moon, 17°") << 1860.0 << 1225.0 << 920.0 << 15.0 << 17.0;
    QTest::newRow("Moon, -135°") << 1860.0 << 1225.0 << 920.0 << 20.0 << -135.0;
    // The Sun on a small chip: a hundred-odd panes.
    QTest::newRow("Sun, small frame") << 1950.0 << 190.0 << 140.0 << 10.0 << 45.0;
    // 100 × 100 frames, about 8000 of them touching: under kPanesHighest.
    QTest::newRow("large but allowed") << 1000.0 << 10.0 << 10.0 << 0.0 << 0.0;
    // A strip of 1 × 9999 frames, every one on the disc: just under kPanesHighest.
    QTest::newRow("a long strip") << 1000.0 << 1000.0 << 0.2 << 50.0 << 0.0;
}

void TstMosaic::covers()
{
    QFETCH(double, disc);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, overlap);
    QFETCH(double, rotation);
    const auto m = planMosaic(disc, width, height, overlap, rotation);
    QVERIFY(m);
    QCOMPARE(m->frameWidthArcsec, width);
    QCOMPARE(m->frameHeightArcsec, height);
    QCOMPARE(m->overlapPercent, overlap);
    QCOMPARE(m->rotationDeg, rotation);
    QVERIFY(!m->panes.isEmpty());
    QVERIFY(m->panes.size() <= mosaic_limits::kPanesHighest);
    QVERIFY(qint64(m->columns) * m->rows >= m->panes.size());

    // The smallest grid over the disc's bounding square: one column or row fewer falls short.
    QVERIFY(span(m->columns, width, overlap) >= disc * (1 - 1e-9));
    QVERIFY(span(m->rows, height, overlap) >= disc * (1 - 1e-9));
    if (m->columns > 1)
        QVERIFY(span(m->columns - 1, width, overlap) < disc);
    if (m->rows > 1)
        QVERIFY(span(m->rows - 1, height, overlap) < disc);

    const double radius = disc / 2;
    const double stepW = width * (1 - overlap / 100), stepH = height * (1 - overlap / 100);
    const double tol = 1e-9 * disc;
    std::set<std::pair<int, int>> seen;
    std::pair<int, int> previous{-1, -1};
    double sumX = 0, sumY = 0;
    int rowSign = 0;
    for (const MosaicPane &p : m->panes) {
        QVERIFY(p.column >= 0 && p.column < m->columns && p.row >= 0 && p.row < m->rows);
        QVERIFY(seen.insert({p.column, p.row}).second);
        // Row by row, column by column.
        QVERIFY(std::pair(p.row, p.column) > previous);
        previous = {p.row, p.column};
        // On the centred grid in the camera's axes, steps of a frame less the overlap.
        const auto [u, v] = toCamera(p.xArcsec, p.yArcsec, rotation);
        QVERIFY(std::abs(u - (p.column - (m->columns - 1) / 2.0) * stepW) < tol);
        const double rowOffset = (p.row - (m->rows - 1) / 2.0) * stepH;
        QVERIFY(std::abs(std::abs(v) - std::abs(rowOffset)) < tol);
        if (std::abs(rowOffset) > tol) {
            const int sign = (v > 0) == (rowOffset > 0) ? 1 : -1;
            QVERIFY(rowSign == 0 || rowSign == sign); // one direction for all rows
            rowSign = sign;
        }
        // It holds some of the disc: the rectangle's nearest point is inside the rim.
        const double dx = std::max(std::abs(u) - width / 2, 0.0);
        const double dy = std::max(std::abs(v) - height / 2, 0.0);
        QVERIFY2(std::hypot(dx, dy) < radius,
                 qPrintable(QStringLiteral("pane %1,%2 misses the disc").arg(p.column).arg(p.row)));
        sumX += p.xArcsec;
        sumY += p.yArcsec;
    }
    // The panes that touch a centred disc are symmetric about its centre.
    QVERIFY(std::abs(sumX) < tol * m->panes.size() && std::abs(sumY) < tol * m->panes.size());

    // A polar grid of the disc, out to 0.999 of the radius: 40 rings of 72, and the centre.
    int points = 0;
    for (int ring = 0; ring <= 40; ++ring) {
        const double r = ring == 40 ? 0.999 * radius : radius * ring / 40.0;
        const int around = ring == 0 ? 1 : 72;
        for (int k = 0; k < around; ++k) {
            const double a = (k + (ring % 2) * 0.5) * 2 * std::numbers::pi / around;
            const double x = r * std::cos(a), y = r * std::sin(a);
            ++points;
            if (!mosaicCovers(*m, x, y) || !insideSomePane(*m, x, y))
                QFAIL(qPrintable(QStringLiteral("(%1, %2) not covered: planner %3, test %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(mosaicCovers(*m, x, y))
                                     .arg(insideSomePane(*m, x, y))));
        }
    }
    QVERIFY(points >= 2000);
    // And outside what any pane could reach, nothing.
    const double far = radius + std::hypot(width, height) * 1.01;
    QVERIFY(!mosaicCovers(*m, far, 0) && !mosaicCovers(*m, 0, -far));
}

void TstMosaic::fitsInOne_data()
{
    QTest::addColumn<double>("disc");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<double>("rotation");
    QTest::newRow("0.8 width, square") << 800.0 << 1000.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("0.8 width, turned 30°") << 800.0 << 1000.0 << 1000.0 << 50.0 << 30.0;
    QTest::newRow("fits the height of 4:3") << 740.0 << 1000.0 << 750.0 << 0.0 << 90.0;
    QTest::newRow("exactly the height") << 750.0 << 1000.0 << 750.0 << 15.0 << 0.0;
    QTest::newRow("Jupiter on a big chip") << 45.0 << 300.0 << 200.0 << 15.0 << 0.0;
}

void TstMosaic::fitsInOne()
{
    QFETCH(double, disc);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, overlap);
    QFETCH(double, rotation);
    const auto m = planMosaic(disc, width, height, overlap, rotation);
    QVERIFY(m);
    QCOMPARE(m->columns, 1);
    QCOMPARE(m->rows, 1);
    QCOMPARE(m->panes.size(), 1);
    QCOMPARE(m->panes[0].column, 0);
    QCOMPARE(m->panes[0].row, 0);
    QCOMPARE(m->panes[0].xArcsec + 1, 1.0);
    QCOMPARE(m->panes[0].yArcsec + 1, 1.0);
}

void TstMosaic::refuses_data()
{
    QTest::addColumn<double>("disc");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<double>("rotation");
    QTest::newRow("overlap -1") << 3000.0 << 1000.0 << 1000.0 << -1.0 << 0.0;
    QTest::newRow("overlap 50.1") << 3000.0 << 1000.0 << 1000.0 << 50.1 << 0.0;
    QTest::newRow("overlap 100") << 3000.0 << 1000.0 << 1000.0 << 100.0 << 0.0;
    QTest::newRow("overlap NaN") << 3000.0 << 1000.0 << 1000.0 << kNaN << 0.0;
    QTest::newRow("overlap inf") << 3000.0 << 1000.0 << 1000.0 << kInf << 0.0;
    QTest::newRow("disc 0") << 0.0 << 1000.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("disc -1") << -1.0 << 1000.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("disc NaN") << kNaN << 1000.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("disc inf") << kInf << 1000.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("width 0") << 3000.0 << 0.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("height 0") << 3000.0 << 1000.0 << 0.0 << 15.0 << 0.0;
    QTest::newRow("width -5") << 3000.0 << -5.0 << 1000.0 << 15.0 << 0.0;
    QTest::newRow("height NaN") << 3000.0 << 1000.0 << kNaN << 15.0 << 0.0;
    QTest::newRow("width inf") << 3000.0 << kInf << 1000.0 << 15.0 << 0.0;
    QTest::newRow("rotation NaN") << 3000.0 << 1000.0 << 1000.0 << 15.0 << kNaN;
    QTest::newRow("rotation inf") << 3000.0 << 1000.0 << 1000.0 << 15.0 << kInf;
    // 120 × 120 frames, some 11 800 of them on the disc: over kPanesHighest (10 000).
    QTest::newRow("just over the panes allowed") << 1200.0 << 10.0 << 10.0 << 0.0 << 0.0;
    // The Sun on 1″ frames with half overlap: four million cells, no int overflow either.
    QTest::newRow("far over") << 1950.0 << 1.0 << 1.0 << 50.0 << 0.0;
    QTest::newRow("tiny frame") << 1950.0 << 1e-300 << 1e-300 << 0.0 << 0.0;
}

void TstMosaic::refuses()
{
    QFETCH(double, disc);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, overlap);
    QFETCH(double, rotation);
    QVERIFY(!planMosaic(disc, width, height, overlap, rotation));
}

void TstMosaic::derotation_data()
{
    QTest::addColumn<double>("blur");
    QTest::addColumn<double>("periodHours");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("seconds");
    // 0.1 × 9.925 × 3600 = 3573; π × 45 = 141.3717; 3573 / 141.3717 = 25.2738 s.
    QTest::newRow("Jupiter 0.1″ on 45″") << 0.1 << 9.925 << 45.0 << 25.2738;
    // 0.05 × 9.925 × 3600 = 1786.5; π × 49.5 = 155.5088; → 11.4881 s.
    QTest::newRow("Jupiter 0.05″ on 49.5″") << 0.05 << 9.925 << 49.5 << 11.4881;
    // 0.2 × 10.656 × 3600 = 7672.32; π × 18 = 56.5487; → 135.6764 s.
    QTest::newRow("Saturn 0.2″ on 18″") << 0.2 << 10.656 << 18.0 << 135.6764;
    // 0.15 × 24.6229 × 3600 = 13296.366; π × 20 = 62.8319; → 211.6182 s.
    QTest::newRow("Mars 0.15″ on 20″") << 0.15 << 24.6229 << 20.0 << 211.6182;
    // 3600 / π = 1145.9156 s.
    QTest::newRow("unit inputs") << 1.0 << 1.0 << 1.0 << 1145.9156;
}

void TstMosaic::derotation()
{
    QFETCH(double, blur);
    QFETCH(double, periodHours);
    QFETCH(double, diameter);
    QFETCH(double, seconds);
    const auto t = derotationLimitSeconds(blur, periodHours, diameter);
    QVERIFY(t);
    QVERIFY2(std::abs(*t - seconds) < 1e-4 * seconds, qPrintable(QString::number(*t, 'f', 6)));
}

void TstMosaic::derotationRefuses_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<double>("bad");
    for (int which = 0; which < 3; ++which) {
        for (const double bad : {0.0, -1.0, kNaN, kInf, -kInf})
            QTest::addRow("input %d = %g", which, bad) << which << bad;
    }
}

void TstMosaic::derotationRefuses()
{
    QFETCH(int, which);
    QFETCH(double, bad);
    double in[3] = {0.1, 9.925, 45};
    QVERIFY(derotationLimitSeconds(in[0], in[1], in[2])); // the good row the bad one spoils
    in[which] = bad;
    QVERIFY(!derotationLimitSeconds(in[0], in[1], in[2]));
}

// A camera turned by any finite angle turns the grid as the angle's remainder of a turn; the
// angle itself is kept as typed.
void TstMosaic::hugeRotationsTurnAsTheirRemainder_data()
{
    QTest::addColumn<double>("rotation");
    QTest::addColumn<double>("same");
    // 1e20 = 277777777777777777 × 360 + 280 (python3: 10**20 % 360).
    QTest::newRow("1e20 is 280") << 1e20 << 280.0;
    QTest::newRow("-370 is -10") << -370.0 << -10.0;
    QTest::newRow("720 is 0") << 720.0 << 0.0;
    // 1e308 % 360 = 296 (python3: int(1e308) % 360).
    QTest::newRow("1e308 is 296") << 1e308 << 296.0;
}

void TstMosaic::hugeRotationsTurnAsTheirRemainder()
{
    QFETCH(double, rotation);
    QFETCH(double, same);
    const auto huge = planMosaic(1860, 1225, 920, 15, rotation);
    const auto plain = planMosaic(1860, 1225, 920, 15, same);
    QVERIFY(huge && plain);
    QCOMPARE(huge->rotationDeg, rotation);
    QCOMPARE(huge->panes.size(), plain->panes.size());
    for (qsizetype i = 0; i < huge->panes.size(); ++i) {
        QVERIFY(std::isfinite(huge->panes[i].xArcsec) && std::isfinite(huge->panes[i].yArcsec));
        QVERIFY2(std::abs(huge->panes[i].xArcsec - plain->panes[i].xArcsec) < 1e-6
                     && std::abs(huge->panes[i].yArcsec - plain->panes[i].yArcsec) < 1e-6,
                 qPrintable(QString::number(i)));
    }
    QVERIFY(mosaicCovers(*huge, 0.999 * 930, 0));
}

// A blur so large that the limit overflows gives no limit, not an infinite one.
void TstMosaic::overflowingLimitIsNone()
{
    QVERIFY(!derotationLimitSeconds(1e308, 9.925, 45));
    QVERIFY(!derotationLimitSeconds(0.1, 9.925, 1e-320)); // subnormal diameter
    QVERIFY(derotationLimitSeconds(1e300, 9.925, 45));
    QVERIFY(!blurInRange(kInf) && !blurInRange(0) && !blurInRange(kNaN) && blurInRange(1e-9));
    QVERIFY(overlapInRange(0) && overlapInRange(50) && !overlapInRange(50.0000001)
            && !overlapInRange(kNaN) && !overlapInRange(-1e-9));
}

void TstMosaic::panesAsCsv()
{
    const auto m = planMosaic(2700, 1000, 1000, 15, 0);
    QVERIFY(m && m->panes.size() == 9);
    const QList<QByteArray> lines = mosaicPanesCsv(*m).split('\n');
    QCOMPARE(lines.size(), 11); // header, 9 panes, the last newline
    QCOMPARE(lines[0], QByteArray("pane,column,row,x_arcsec,y_arcsec"));
    // Row 0 at the top: its first pane is at the left, 850″ up.
    QCOMPARE(lines[1], QByteArray("1,0,0,-850,850"));
    QCOMPARE(lines[5], QByteArray("5,1,1,0,0"));
    QCOMPARE(lines[9], QByteArray("9,2,2,850,-850"));
    QVERIFY(lines[10].isEmpty());
}

QTEST_GUILESS_MAIN(TstMosaic)
#include "tst_mosaic.moc"
