// The advice on a planned night: the target's outline on the date, how long a capture may
// run, the full-disc mosaic, and the sampling rules. Expected numbers are worked by hand from
// the formulas or taken from the ephemeris and checked against them.

#include "planner/advice.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace vkp2;
using namespace vkp2::planner;

namespace {

// Prime focus, 2000/200 mm: 206.265 × 2.9 / 2000 = 0.29908″ per pixel.
Setup primeFocus(const QString &chipW = QStringLiteral("1936"),
                 const QString &chipH = QStringLiteral("1096"))
{
    Setup s;
    s.typeTelescope(QStringLiteral("2000"), QStringLiteral("200"));
    s.chooseOcular(QStringLiteral("No-VKP2"));
    s.typeCamera(QStringLiteral("2.9"), QStringLiteral("2.9"), chipW, chipH);
    return s;
}

QDateTime at(const char *iso) { return parseMoment(QString::fromLatin1(iso)).value(); }

AdviceOptions onNight(const char *target, const char *iso)
{
    AdviceOptions o;
    o.target = findTarget(QString::fromLatin1(target));
    o.moment = at(iso);
    return o;
}

const FitAt *dateFit(const Advice &a)
{
    for (const FitAt &f : a.fits) {
        if (f.which == FitAt::Size::OnDate)
            return &f;
    }
    return nullptr;
}

} // namespace

class TstPlannerTonight : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    // The date's outline is the ephemeris' and sits between the table's sizes.
    void outlineOnTheDate_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("date");
        QTest::newRow("Jupiter at opposition") << "jupiter" << "2026-01-10T00:00Z";
        QTest::newRow("Saturn, rings open") << "saturn" << "2028-06-15T00:00Z";
        QTest::newRow("Mars near opposition") << "mars" << "2027-02-19T00:00Z";
        QTest::newRow("Moon") << "moon" << "2027-01-10T22:00Z";
    }
    void outlineOnTheDate()
    {
        QFETCH(QString, target);
        QFETCH(QString, date);
        AdviceOptions o;
        o.target = findTarget(target);
        o.moment = parseMoment(date);
        const Advice a = adviseOn(show(primeFocus()), o);
        QVERIFY(a.onDate);
        const BodyView v = *viewAt(*o.target->body, *o.moment);
        const FitAt *f = dateFit(a);
        QVERIFY(f && f->fit);
        QCOMPARE(f->sizeArcsec, v.widthArcsec());
        QCOMPARE(f->heightArcsec, v.heightArcsec());
        QVERIFY(qAbs(f->fit->widthPx - v.widthArcsec() / *a.scaleWidth) < 1e-9);
        const double pct = 100 * (v.widthArcsec() - o.target->minArcsec)
                           / (o.target->maxArcsec - o.target->minArcsec);
        QVERIFY(qAbs(a.onDate->rangePercent - pct) < 1e-9);
        QVERIFY2(pct > 0 && pct < 100, qPrintable(QString::number(pct)));
        QVERIFY(a.seeingLongExposureOnly);
        QVERIFY(seeingLongExposureOnlyFor(o.target));
    }

    // Without a date, or for a typed size, nothing depends on a date.
    void noDateNoNight()
    {
        AdviceOptions o;
        o.target = findTarget(u"jupiter");
        Advice a = adviseOn(show(primeFocus()), o);
        QVERIFY(!a.onDate && !dateFit(a) && !a.derotationLimitS);
        QCOMPARE(a.fits.size(), 2);
        o.target = Target{"size", "Target", 40, 40, 0, std::nullopt};
        o.moment = at("2027-01-10T22:00Z");
        a = adviseOn(show(primeFocus()), o);
        QVERIFY(!a.onDate && !a.derotationLimitS && !a.seeingLongExposureOnly);
        QVERIFY(!seeingLongExposureOnlyFor(o.target) && !seeingLongExposureOnlyFor(std::nullopt));
        o.target = findTarget(u"jupiter");
        o.moment = at("1850-01-01");
        a = adviseOn(show(primeFocus()), o);
        QVERIFY(!a.onDate && !a.derotationLimitS);
    }

    // The rings, near edge-on, fit a strip of a frame that a circle of their width would not.
    void ringsFitWhereACircleWouldNot()
    {
        // 2027-01-10: rings about 39.5″ × 4.5″ around a 15.7″ polar globe; at 0.299″/px that is
        // 132 × 53 px against a frame 200 px wide and 60 px high.
        const Advice a =
            adviseOn(show(primeFocus(QStringLiteral("200"), QStringLiteral("60"))),
                     onNight("saturn", "2027-01-10T22:00Z"));
        const FitAt *f = dateFit(a);
        QVERIFY(f && f->fit);
        QVERIFY(f->fit->fits);
        QVERIFY(f->heightArcsec < f->sizeArcsec / 2);
        const auto circle = fitTarget(f->sizeArcsec, *a.scaleWidth, *a.scaleHeight, 200, 60);
        QVERIFY(circle && !circle->fits);
        QCOMPARE(f->heightArcsec, a.onDate->view.polarArcsec); // the globe stands out of the rings
    }

    // t = blur × P / (π d) for each kind of blur; only Mars, Jupiter and Saturn rotate visibly.
    void derotationLimit_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("blur"); // 0: worked out here
        QTest::newRow("Jupiter, a pixel") << "jupiter" << int(Blur::Kind::Pixel) << 0.0;
        QTest::newRow("Jupiter, Dawes") << "jupiter" << int(Blur::Kind::Dawes) << 116.0 / 200;
        QTest::newRow("Saturn, 0.2″") << "saturn" << int(Blur::Kind::Arcsec) << 0.2;
        QTest::newRow("Mars, a pixel") << "mars" << int(Blur::Kind::Pixel) << 0.0;
    }
    void derotationLimit()
    {
        QFETCH(QString, target);
        QFETCH(int, kind);
        QFETCH(double, blur);
        AdviceOptions o = onNight(qPrintable(target), "2027-01-10T22:00Z");
        o.blur = Blur{Blur::Kind(kind), blur};
        const Advice a = adviseOn(show(primeFocus()), o);
        const double expectedBlur = blur > 0 ? blur : 206.265 * 2.9 / 2000;
        QVERIFY(a.blurArcsec && qAbs(*a.blurArcsec - expectedBlur) < 1e-6);
        const double p = factsOf(*o.target->body).rotationHours * 3600;
        const double t = expectedBlur * p / (std::numbers::pi * a.onDate->view.equatorialArcsec);
        QVERIFY(a.derotationLimitS);
        QVERIFY2(qAbs(*a.derotationLimitS / t - 1) < 1e-6, qPrintable(QString::number(*a.derotationLimitS)));
    }

    void noDerotationLimit_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("blur");
        QTest::newRow("the Moon does not turn in a capture") << "moon" << int(Blur::Kind::Pixel) << 0.0;
        QTest::newRow("Venus shows no features to smear") << "venus" << int(Blur::Kind::Pixel) << 0.0;
        QTest::newRow("a blur of 0") << "jupiter" << int(Blur::Kind::Arcsec) << 0.0;
        QTest::newRow("a blur below 0") << "jupiter" << int(Blur::Kind::Arcsec) << -1.0;
    }
    void noDerotationLimit()
    {
        QFETCH(QString, target);
        QFETCH(int, kind);
        QFETCH(double, blur);
        AdviceOptions o = onNight(qPrintable(target), "2027-01-10T22:00Z");
        o.blur = Blur{Blur::Kind(kind), blur};
        QVERIFY(!adviseOn(show(primeFocus()), o).derotationLimitS);
    }

    // A mosaic only for the Moon and the Sun, when asked, over the date's disc.
    void mosaicOfTheFullDisc_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("planned");
        QTest::newRow("Moon") << "moon" << true << true;
        QTest::newRow("Sun") << "sun" << true << true;
        QTest::newRow("Moon, not asked") << "moon" << false << false;
        QTest::newRow("Jupiter") << "jupiter" << true << false;
    }
    void mosaicOfTheFullDisc()
    {
        QFETCH(QString, target);
        QFETCH(bool, asked);
        QFETCH(bool, planned);
        AdviceOptions o = onNight(qPrintable(target), "2027-01-10T22:00Z");
        if (asked)
            o.mosaic = MosaicRequest{20, 30};
        const Advice a = adviseOn(show(primeFocus()), o);
        QCOMPARE(a.mosaic.has_value(), planned);
        if (!planned)
            return;
        QVERIFY(qAbs(a.mosaic->frameWidthArcsec - 1936 * *a.scaleWidth) < 1e-9);
        QVERIFY(qAbs(a.mosaic->frameHeightArcsec - 1096 * *a.scaleHeight) < 1e-9);
        QCOMPARE(a.mosaic->overlapPercent, 20.0);
        QCOMPARE(a.mosaic->rotationDeg, 30.0);
        // 579″ × 328″ frames over a disc of about 1800″: more than one pane, rim points covered.
        const double r = a.onDate->view.equatorialArcsec / 2 * 0.999;
        QVERIFY(a.mosaic->panes.size() > 4);
        for (int deg = 0; deg < 360; deg += 5) {
            const double t = deg * std::numbers::pi / 180;
            QVERIFY2(mosaicCovers(*a.mosaic, r * std::cos(t), r * std::sin(t)), qPrintable(QString::number(deg)));
        }
    }

    // The rules and factors the critical focal ratio is worked with.
    void rulesAndFactors_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<double>("nm");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("n");
        QTest::addColumn<double>("high");
        // 2 × 2900 / 550 = 10.545; the band to 1.5 N.
        QTest::newRow("Nyquist, mono") << int(SamplingRule::Nyquist) << 550.0 << false << 2.0
                                       << 2 * 2900 / 550.0 << 1.5 * 2 * 2900 / 550.0;
        QTest::newRow("Nyquist, colour 1.5") << int(SamplingRule::Nyquist) << 550.0 << true << 1.5
                                             << 1.5 * 2 * 2900 / 550.0 << 2.25 * 2 * 2900 / 550.0;
        QTest::newRow("Nyquist, methane") << int(SamplingRule::Nyquist) << 889.0 << false << 2.0
                                          << 2 * 2900 / 889.0 << 1.5 * 2 * 2900 / 889.0;
        QTest::newRow("Nyquist, colour, stacked") << int(SamplingRule::Nyquist) << 656.3 << true
                                                  << 1.0 << 2 * 2900 / 656.3 << 1.5 * 2 * 2900 / 656.3;
        // 5 × 2.9 = 14.5 to 7 × 2.9 = 20.3, whatever the wavelength.
        QTest::newRow("5 × pixel") << int(SamplingRule::PixelTimes5) << 889.0 << false << 2.0 << 14.5 << 20.3;
        QTest::newRow("5 × pixel, colour 2") << int(SamplingRule::PixelTimes5) << 550.0 << true
                                             << 2.0 << 29.0 << 40.6;
    }
    void rulesAndFactors()
    {
        QFETCH(int, rule);
        QFETCH(double, nm);
        QFETCH(bool, colour);
        QFETCH(double, factor);
        QFETCH(double, n);
        QFETCH(double, high);
        AdviceOptions o;
        o.rule = SamplingRule(rule);
        o.wavelengthNm = nm;
        o.colourSensor = colour;
        o.colourFactor = factor;
        const Advice a = adviseOn(show(primeFocus()), o);
        QCOMPARE(a.colourFactor, colour ? factor : 1.0);
        QVERIFY(a.criticalFocalRatio && a.focalRatioBand);
        QVERIFY2(qAbs(*a.criticalFocalRatio - n) < 1e-9, qPrintable(QString::number(*a.criticalFocalRatio)));
        QVERIFY(qAbs(a.focalRatioBand->high - high) < 1e-9);
        // f/10 against these bands.
        const Sampling expected = 10 < n ? Sampling::UnderSampled
                                         : (10 > high ? Sampling::OverSampled : Sampling::WellSampled);
        QCOMPARE(a.focalRatioVerdict, std::optional(expected));
    }

    // 1.22 λ / D: 1.22 × 656.3e-6 / 200 × 206265 (the calculator's arcsec per radian) is
    // 0.8257675″; the 550 nm figure, 0.6920191″, stays beside it.
    void rayleighFollowsTheWavelength()
    {
        AdviceOptions o;
        o.wavelengthNm = 656.3;
        const Advice a = adviseOn(show(primeFocus()), o);
        QVERIFY(a.rayleighAtWavelengthArcsec && a.rayleighArcsec);
        QVERIFY(qAbs(*a.rayleighAtWavelengthArcsec - 0.8257675) < 1e-6);
        QVERIFY2(qAbs(*a.rayleighArcsec - 0.6920191) < 1e-6, qPrintable(QString::number(*a.rayleighArcsec, 'g', 10)));
    }

    void filterPresetTable()
    {
        QCOMPARE(filterPresets().size(), std::size_t(11));
        QCOMPARE(findFilter(u"HALPHA")->wavelengthNm, 656.3);
        QCOMPARE(findFilter(u"ch4")->wavelengthNm, 889.0);
        QCOMPARE(defaultFilter().wavelengthNm, limits::kWavelengthNm); // what advice starts at
        QVERIFY(!findFilter(u"oiii"));
        double last = 0;
        for (const FilterPreset &f : filterPresets()) {
            QVERIFY2(f.wavelengthNm > last && wavelengthInRange(f.wavelengthNm), f.key);
            last = f.wavelengthNm;
        }
        QVERIFY(wavelengthInRange(300) && wavelengthInRange(1100));
        QVERIFY(!wavelengthInRange(299.9) && !wavelengthInRange(1100.1) && !wavelengthInRange(qQNaN()));
        QVERIFY(isColourFactor(1) && isColourFactor(1.5) && isColourFactor(2) && !isColourFactor(3));
        QCOMPARE(findSamplingRule(u"5X"), std::optional(SamplingRule::PixelTimes5));
        QVERIFY(!findSamplingRule(u"dawes"));
    }

    void shapeSentence()
    {
        const auto fit = fitShape(40, 10, 0.1, 0.1, 640, 480);
        QVERIFY(fit && fit->fits);
        QCOMPARE(fitSentence(QStringLiteral("Saturn"), 40, 10, *fit, QLocale(QLocale::German)),
                 QString::fromUtf8("Saturn, 40″ × 10″: 400 × 100 px, fits with 37 % to spare"));
        QCOMPARE(fitSentence(QStringLiteral("Mars"), 12.04, 12.01, *fitShape(12.04, 12.01, 0.1, 0.1, 640, 480),
                             QLocale(QLocale::German)),
                 QString::fromUtf8("Mars, 12″: 120 × 120 px, fits with 74 % to spare"));
    }
};

QTEST_GUILESS_MAIN(TstPlannerTonight)
#include "tst_planner_tonight.moc"
