// The ephemeris against a reference of the test's own (reference_positions.h: Standish's
// Keplerian elements and Meeus's series, no ERFA), the shapes it derives, and the moments it
// reads. The radii are the bodies' facts; the distance is what is checked.

#include "planner/ephemeris.h"
#include "planner/reference_positions.h"

#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <map>

using namespace vkp2::planner;

Q_DECLARE_METATYPE(vkp2::planner::Body)

namespace {

QDateTime utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
}

// Spread over 2026 to 2030, with Mars near and far and Saturn's rings near edge-on and open.
const QList<QDateTime> &dates()
{
    static const QList<QDateTime> list{
        utc(2026, 3, 1),  utc(2027, 1, 10, 22), utc(2027, 2, 20), utc(2028, 6, 15),
        utc(2029, 3, 25), utc(2029, 9, 30),     utc(2030, 12, 20, 6, 30)};
    return list;
}

QString bodyName(Body b)
{
    switch (b) {
    case Body::Moon: return QStringLiteral("Moon");
    case Body::Mars: return QStringLiteral("Mars");
    case Body::Jupiter: return QStringLiteral("Jupiter");
    case Body::Saturn: return QStringLiteral("Saturn");
    default: return QStringLiteral("other");
    }
}

double referenceDistanceKm(Body b, double t)
{
    switch (b) {
    case Body::Moon: return reference::moonDistanceKm(t);
    case Body::Mars: return reference::planetDistanceKm(reference::kMars, t);
    case Body::Jupiter: return reference::planetDistanceKm(reference::kJupiter, t);
    case Body::Saturn: return reference::planetDistanceKm(reference::kSaturn, t);
    default: return 0;
    }
}

} // namespace

class TstEphemeris : public QObject {
    Q_OBJECT
    std::map<QString, double> worstDiameterPercent;
    double worstRingOpeningDeg = 0;

private slots:
    void referenceMatchesPublishedFigures_data();
    void referenceMatchesPublishedFigures();
    void plannerMatchesPublishedFigures_data();
    void plannerMatchesPublishedFigures();
    void diameters_data();
    void diameters();
    void ringOpening_data();
    void ringOpening();
    void saturnOutline_data();
    void saturnOutline();
    void roundAndOblate_data();
    void roundAndOblate();
    void ephemerisYears_data();
    void ephemerisYears();
    void parseMoment_data();
    void parseMoment();
    void cleanupTestCase();
};

// The reference itself, against figures published with the formulas it follows, so that a
// slip in its tables shows here and not as a fault of the planner.
void TstEphemeris::referenceMatchesPublishedFigures_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("tolerance");
    // Meeus example 47.a, 1992 April 12 0h TD (the reference adds 69.184 s to UTC): 368 409.7
    // km. A term dropped or mistyped in the reference moves this by a km or more.
    QTest::newRow("Moon, Meeus 47.a") << "moon" << utc(1992, 4, 12).addMSecs(-69184) << 368409.7
                                      << 0.2;
    // Mars' closest approach of 2003 August 27 09:51 UT: 55 758 006 km (NASA).
    QTest::newRow("Mars 2003 closest") << "mars" << utc(2003, 8, 27, 9, 51) << 55758006.0
                                       << 55758006.0 * 0.001;
    // Meeus example 45.a, 1992 December 16 0h TD: B = +16.442°.
    QTest::newRow("Saturn B, Meeus 45.a") << "ring" << utc(1992, 12, 16).addMSecs(-69184)
                                          << 16.442 << 0.2;
    // The Earth crossed the ring plane on 2025 March 23.
    QTest::newRow("Saturn B, 2025 crossing") << "ring" << utc(2025, 3, 23, 12) << 0.0 << 0.2;
}

void TstEphemeris::referenceMatchesPublishedFigures()
{
    QFETCH(QString, what);
    QFETCH(QDateTime, moment);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    const double t = reference::centuriesTT(moment);
    double got = reference::saturnRingOpeningDeg(t);
    if (what == QLatin1String("moon"))
        got = reference::moonDistanceKm(t);
    else if (what == QLatin1String("mars"))
        got = reference::planetDistanceKm(reference::kMars, t);
    QVERIFY2(std::abs(got - published) <= tolerance,
             qPrintable(QStringLiteral("reference %1, published %2")
                            .arg(got, 0, 'f', 4)
                            .arg(published)));
}

// The same published figures, straight from the planner: a second, outside anchor.
void TstEphemeris::plannerMatchesPublishedFigures_data()
{
    referenceMatchesPublishedFigures_data();
}

void TstEphemeris::plannerMatchesPublishedFigures()
{
    QFETCH(QString, what);
    QFETCH(QDateTime, moment);
    QFETCH(double, published);
    QFETCH(double, tolerance);
    const Body body = what == QLatin1String("moon")   ? Body::Moon
                      : what == QLatin1String("mars") ? Body::Mars
                                                      : Body::Saturn;
    const auto view = viewAt(body, moment);
    QVERIFY(view);
    const double got = body == Body::Saturn ? view->subEarthLatitudeDeg.value_or(99)
                                            : view->distanceKm;
    QVERIFY2(std::abs(got - published) <= tolerance,
             qPrintable(QStringLiteral("planner %1, published %2")
                            .arg(got, 0, 'f', 4)
                            .arg(published)));
}

void TstEphemeris::diameters_data()
{
    QTest::addColumn<Body>("body");
    QTest::addColumn<QDateTime>("moment");
    for (const Body b : {Body::Jupiter, Body::Saturn, Body::Mars, Body::Moon}) {
        for (const QDateTime &d : dates())
            QTest::addRow("%s %s", qPrintable(bodyName(b)), qPrintable(d.toString(Qt::ISODate)))
                << b << d;
    }
}

void TstEphemeris::diameters()
{
    QFETCH(Body, body);
    QFETCH(QDateTime, moment);
    const auto view = viewAt(body, moment);
    QVERIFY(view);
    const double distance = referenceDistanceKm(body, reference::centuriesTT(moment));
    const double expected = reference::diameterArcsec(factsOf(body).equatorialRadiusKm, distance);
    const double errorPercent = 100 * std::abs(view->equatorialArcsec - expected) / expected;
    double &worst = worstDiameterPercent[bodyName(body)];
    worst = std::max(worst, errorPercent);
    QVERIFY2(errorPercent < 0.5, qPrintable(QStringLiteral("%1″, reference %2″ (%3 %)")
                                                .arg(view->equatorialArcsec, 0, 'f', 4)
                                                .arg(expected, 0, 'f', 4)
                                                .arg(errorPercent, 0, 'f', 3)));
    // The distance it reports is the one its size comes from.
    QVERIFY(std::abs(view->distanceKm - distance) / distance < 0.005);
}

void TstEphemeris::ringOpening_data()
{
    QTest::addColumn<QDateTime>("moment");
    for (const QDateTime &d : dates())
        QTest::addRow("%s", qPrintable(d.toString(Qt::ISODate))) << d;
    // Wide open, the northern face: B near +27° in late 2017.
    QTest::newRow("2017-10-16") << utc(2017, 10, 16);
}

void TstEphemeris::ringOpening()
{
    QFETCH(QDateTime, moment);
    const auto view = viewAt(Body::Saturn, moment);
    QVERIFY(view);
    QVERIFY(view->subEarthLatitudeDeg);
    const double expected = reference::saturnRingOpeningDeg(reference::centuriesTT(moment));
    const double error = std::abs(*view->subEarthLatitudeDeg - expected);
    worstRingOpeningDeg = std::max(worstRingOpeningDeg, error);
    // Signed: a flipped pole or a B of the wrong face would pass a check of |B| alone.
    QVERIFY2(error < 0.5, qPrintable(QStringLiteral("B %1°, reference %2°")
                                         .arg(*view->subEarthLatitudeDeg, 0, 'f', 3)
                                         .arg(expected, 0, 'f', 3)));
}

void TstEphemeris::saturnOutline_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<bool>("ringsTallerThanGlobe");
    // In equatorial diameters the rings span 136 775 / 60 268 = 2.27 and the globe's polar
    // extent is √(0.902² cos² B + sin² B). B −3.7°: the rings are a line through the globe.
    QTest::newRow("2026-03-01 near edge-on") << utc(2026, 3, 1) << false;
    // B −22.8°: 2.27 × sin B = 0.88 against a globe of 0.92.
    QTest::newRow("2029-09-30") << utc(2029, 9, 30) << false;
    // B −24.8°: 0.95 against 0.92, the rings set the height.
    QTest::newRow("2030-12-20") << utc(2030, 12, 20) << true;
    // B +27.0°: 1.03 against 0.92.
    QTest::newRow("2017-10-16 wide open") << utc(2017, 10, 16) << true;
}

void TstEphemeris::saturnOutline()
{
    QFETCH(QDateTime, moment);
    QFETCH(bool, ringsTallerThanGlobe);
    const auto view = viewAt(Body::Saturn, moment);
    QVERIFY(view);
    QVERIFY(view->ringMajorArcsec && view->ringMinorArcsec && view->subEarthLatitudeDeg);
    const double t = reference::centuriesTT(moment);
    const double distance = reference::planetDistanceKm(reference::kSaturn, t);
    const BodyFacts &f = factsOf(Body::Saturn);
    const double major = reference::diameterArcsec(f.ringOuterRadiusKm, distance);
    QVERIFY(std::abs(*view->ringMajorArcsec - major) / major < 0.005);
    // The minor axis follows the ring opening the view reports, and so the reference's too.
    const double viewB = reference::radians(*view->subEarthLatitudeDeg);
    QVERIFY(qFuzzyCompare(*view->ringMinorArcsec,
                          *view->ringMajorArcsec * std::abs(std::sin(viewB))));
    const double b = reference::radians(reference::saturnRingOpeningDeg(t));
    QVERIFY(std::abs(*view->ringMinorArcsec - major * std::abs(std::sin(b))) < major * 0.01);
    // The globe's outline, a spheroid seen from latitude B: its polar semi-axis is
    // a √(1 − ε² cos² B), ε² = 1 − (c/a)².
    const double flat2 = 1 - std::pow(f.polarRadiusKm / f.equatorialRadiusKm, 2);
    const double polar = reference::diameterArcsec(f.equatorialRadiusKm, distance)
                         * std::sqrt(1 - flat2 * std::cos(b) * std::cos(b));
    QVERIFY2(std::abs(view->polarArcsec - polar) / polar < 0.005,
             qPrintable(QStringLiteral("polar %1″, reference %2″")
                            .arg(view->polarArcsec)
                            .arg(polar)));
    QCOMPARE(view->widthArcsec(), *view->ringMajorArcsec);
    QCOMPARE(view->heightArcsec(), std::max(*view->ringMinorArcsec, view->polarArcsec));
    QCOMPARE(*view->ringMinorArcsec > view->polarArcsec, ringsTallerThanGlobe);
    QVERIFY(view->widthArcsec() > view->equatorialArcsec);
}

void TstEphemeris::roundAndOblate_data()
{
    QTest::addColumn<Body>("body");
    QTest::addColumn<QDateTime>("moment");
    for (const QDateTime &d : {utc(2026, 3, 1), utc(2028, 6, 15), utc(2030, 12, 20)}) {
        const QByteArray when = d.toString(Qt::ISODate).toLatin1();
        for (const Body b : {Body::Moon, Body::Sun, Body::Mercury, Body::Venus, Body::Mars,
                             Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune})
            QTest::addRow("%d %s", int(b), when.constData()) << b << d;
    }
}

void TstEphemeris::roundAndOblate()
{
    QFETCH(Body, body);
    QFETCH(QDateTime, moment);
    const auto view = viewAt(body, moment);
    QVERIFY(view);
    const BodyFacts &f = factsOf(body);
    QVERIFY(view->equatorialArcsec > 0);
    QCOMPARE(view->ringMajorArcsec.has_value(), body == Body::Saturn);
    if (!f.oblate) {
        QCOMPARE(view->polarArcsec, view->equatorialArcsec);
        QCOMPARE(view->widthArcsec(), view->equatorialArcsec);
        QCOMPARE(view->heightArcsec(), view->equatorialArcsec);
        QVERIFY(!view->subEarthLatitudeDeg);
        return;
    }
    // Between the true polar diameter (pole in the sky's plane) and the equatorial one.
    const double truePolar = reference::diameterArcsec(f.polarRadiusKm, view->distanceKm);
    QVERIFY(view->polarArcsec < view->equatorialArcsec);
    QVERIFY(view->polarArcsec >= truePolar * (1 - 1e-12));
    if (body == Body::Jupiter) {
        // Jupiter's pole is never more than about 4° from the sky's plane, so its outline's
        // polar axis is the true one to 0.3 % (at the reference's distance).
        QVERIFY(std::abs(*view->subEarthLatitudeDeg) < 4.5);
        const double distance = reference::planetDistanceKm(reference::kJupiter,
                                                            reference::centuriesTT(moment));
        const double polar = reference::diameterArcsec(f.polarRadiusKm, distance);
        QVERIFY(std::abs(view->polarArcsec - polar) / polar < 0.005);
        QCOMPARE(view->widthArcsec(), view->equatorialArcsec);
        QCOMPARE(view->heightArcsec(), view->polarArcsec);
    }
}

void TstEphemeris::ephemerisYears_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<bool>("placed");
    QTest::newRow("1900 first day") << utc(1900, 1, 1) << true;
    QTest::newRow("2100 last minute") << utc(2100, 12, 31, 23, 59) << true;
    QTest::newRow("1899 last minute") << utc(1899, 12, 31, 23, 59) << false;
    QTest::newRow("2101 first day") << utc(2101, 1, 1) << false;
    QTest::newRow("1600") << utc(1600, 6, 1) << false;
    QTest::newRow("3000") << utc(3000, 6, 1) << false;
    // 2101-01-01 00:30 at +01:00 is still 2100 in UTC.
    QTest::newRow("2100 by UTC, not local")
        << QDateTime(QDate(2101, 1, 1), QTime(0, 30), QTimeZone(3600)) << true;
    QTest::newRow("invalid") << QDateTime() << false;
}

void TstEphemeris::ephemerisYears()
{
    QFETCH(QDateTime, moment);
    QFETCH(bool, placed);
    QCOMPARE(inEphemerisYears(moment), placed);
    for (const Body b : {Body::Moon, Body::Sun, Body::Mars, Body::Jupiter, Body::Saturn}) {
        const auto view = viewAt(b, moment);
        QCOMPARE(view.has_value(), placed);
        if (view)
            QVERIFY(std::isfinite(view->equatorialArcsec) && view->equatorialArcsec > 0);
    }
}

void TstEphemeris::parseMoment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // invalid: refused
    const QDateTime evening = utc(2027, 1, 10, 22);
    QTest::newRow("Z") << "2027-01-10T22:00Z" << evening;
    QTest::newRow("lower-case z") << "2027-01-10t22:00z" << evening;
    QTest::newRow("+01:00 same moment") << "2027-01-10T23:00+01:00" << evening;
    QTest::newRow("-05:30") << "2027-01-10T16:30-05:30" << evening;
    QTest::newRow("+0100 without colon") << "2027-01-10T23:00+0100" << evening;
    QTest::newRow("+01 hours only") << "2027-01-10T23:00+01" << evening;
    QTest::newRow("+14:00 accepted") << "2027-01-11T12:00+14:00" << evening;
    QTest::newRow("offset across midnight") << "2027-01-11T01:00+03:00" << evening;
    QTest::newRow("space, no zone: UTC") << "2027-01-10 22:00" << evening;
    QTest::newRow("surrounding blanks") << "  2027-01-10 22:00  " << evening;
    QTest::newRow("date only: midnight UTC") << "2027-01-10" << utc(2027, 1, 10);
    QTest::newRow("seconds") << "2027-01-10T22:00:45Z" << utc(2027, 1, 10, 22, 0, 45);
    QTest::newRow("fraction .5") << "2027-01-10T22:00:45.5Z" << utc(2027, 1, 10, 22, 0, 45, 500);
    QTest::newRow("fraction ,25") << "2027-01-10T22:00:45,25" << utc(2027, 1, 10, 22, 0, 45, 250);
    QTest::newRow("fraction to ms") << "2027-01-10T22:00:45.123456Z"
                                    << utc(2027, 1, 10, 22, 0, 45, 123);
    QTest::newRow("fraction and offset") << "2027-01-10T23:00:00.75+01:00"
                                         << utc(2027, 1, 10, 22, 0, 0, 750);
    QTest::newRow("leap day") << "2028-02-29T12:00Z" << utc(2028, 2, 29, 12);
    QTest::newRow("month 13") << "2027-13-01" << QDateTime();
    QTest::newRow("February 30") << "2027-02-30" << QDateTime();
    QTest::newRow("no leap day 2027") << "2027-02-29" << QDateTime();
    QTest::newRow("yesterday") << "yesterday" << QDateTime();
    QTest::newRow("hour 25") << "2027-01-10T25:00" << QDateTime();
    QTest::newRow("minute 60") << "2027-01-10T22:60" << QDateTime();
    QTest::newRow("second 61") << "2027-01-10T22:00:61Z" << QDateTime();
    QTest::newRow("+15:00") << "2027-01-10T22:00+15:00" << QDateTime();
    QTest::newRow("-15:00") << "2027-01-10T22:00-15:00" << QDateTime();
    QTest::newRow("+01:60") << "2027-01-10T22:00+01:60" << QDateTime();
    QTest::newRow("+14:59, past the last zone") << "2027-01-10T22:00+14:59" << QDateTime();
    QTest::newRow("-14:30") << "2027-01-10T22:00-14:30" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
    QTest::newRow("blank") << "   " << QDateTime();
    QTest::newRow("hour without minutes") << "2027-01-10T22" << QDateTime();
    QTest::newRow("short year") << "27-01-10" << QDateTime();
    QTest::newRow("trailing text") << "2027-01-10T22:00Z tonight" << QDateTime();
}

void TstEphemeris::parseMoment()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    const auto got = vkp2::planner::parseMoment(text);
    QCOMPARE(got.has_value(), expected.isValid());
    if (!got)
        return;
    QVERIFY(got->isValid());
    // The same instant, to the millisecond, whatever zone it is held in.
    QCOMPARE(got->toMSecsSinceEpoch(), expected.toMSecsSinceEpoch());
    QCOMPARE(got->toUTC(), expected);
}

void TstEphemeris::cleanupTestCase()
{
    for (const auto &[body, percent] : worstDiameterPercent)
        qInfo("largest diameter error, %s: %.3g %%", qPrintable(body), percent);
    qInfo("largest ring opening error, Saturn: %.3g°", worstRingOpeningDeg);
}

QTEST_GUILESS_MAIN(TstEphemeris)
#include "tst_ephemeris.moc"
