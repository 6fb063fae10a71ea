// vkp2plan on the planned night, in-process: the date's outline, the derotation limit, the
// mosaic, the filter, the sampling rule and the colour factor; bad input refused in one line.

#include "calculator/core/numbers.h"
#include "cli_runs.h"
#include "planner/bodies.h"
#include "planner/ephemeris.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace cli_runs;
using namespace vkp2;

namespace {

// SBIG ST-7E: 9 µm pixels.
const QStringList kSt7{"--camera", "SBIG ST-7E"};
const QString kNight = QStringLiteral("2027-01-10T22:00Z");

// 4 µm pixels on 640 x 480 at 840 mm, prime focus: a frame of about 629" x 471", a third of
// the Moon's width.
const QStringList kMoonThirds{"--focal-length", "840", "--aperture", "100", "--ocular", "No-VKP2",
                              "--pixel", "4", "--chip", "640x480"};

double number(const QJsonObject &o, const char *key) { return o.value(QLatin1String(key)).toDouble(); }

} // namespace

class TstCliTonight : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("mentions");
        const QStringList moon{"show", "--target", "moon", "--mosaic"};
        const QString years = planner::ephemerisYearsText();
        QTest::newRow("date no date") << QStringList{"show", "--date", "tomorrow"} << "--date" << "";
        QTest::newRow("date no month 13") << QStringList{"show", "--date", "2027-13-01"} << "--date" << "";
        QTest::newRow("date before the ephemeris")
            << QStringList{"show", "--date", "1850-01-01"} << "--date" << years;
        QTest::newRow("date after the ephemeris")
            << QStringList{"show", "--target", "mars", "--date", "2150-06-01T00:00Z"} << "--date" << years;
        QTest::newRow("overlap above 50") << (moon + QStringList{"--overlap", "60"}) << "--overlap" << "50";
        QTest::newRow("overlap below 0") << (moon + QStringList{"--overlap", "-1"}) << "--overlap" << "0";
        QTest::newRow("overlap no number") << (moon + QStringList{"--overlap", "a lot"}) << "--overlap" << "";
        QTest::newRow("overlap without mosaic")
            << QStringList{"show", "--target", "moon", "--overlap", "10"} << "--overlap" << "";
        QTest::newRow("blur 0") << QStringList{"show", "--blur", "0"} << "--blur" << "";
        QTest::newRow("blur negative") << QStringList{"show", "--blur", "-0.5"} << "--blur" << "";
        QTest::newRow("blur word") << QStringList{"show", "--blur", "pixel"} << "--blur" << "";
        QTest::newRow("wavelength 299") << QStringList{"show", "--wavelength", "299"} << "--wavelength" << "300";
        QTest::newRow("wavelength 1101") << QStringList{"show", "--wavelength", "1101"} << "--wavelength" << "1100";
        QTest::newRow("filter unknown") << QStringList{"show", "--filter", "ir999"} << "--filter" << "ir685";
        QTest::newRow("filter and wavelength")
            << QStringList{"show", "--filter", "ir685", "--wavelength", "700"} << "--filter" << "";
        QTest::newRow("table filters unknown")
            << QStringList{"table", "--filters", "ir685,ir999"} << "--filters" << "ir999";
        QTest::newRow("rule unknown") << QStringList{"show", "--rule", "3x"} << "--rule" << "nyquist";
        QTest::newRow("colour factor 3")
            << QStringList{"show", "--colour", "--colour-factor", "3"} << "--colour-factor" << "1.5";
        QTest::newRow("colour factor 0")
            << QStringList{"show", "--colour", "--colour-factor", "0"} << "--colour-factor" << "";
        QTest::newRow("colour factor for mono")
            << QStringList{"show", "--colour-factor", "1.5"} << "--colour-factor" << "";
        QTest::newRow("mosaic of a planet")
            << QStringList{"show", "--target", "jupiter", "--mosaic"} << "--mosaic" << "moon";
        QTest::newRow("mosaic of a size")
            << QStringList{"show", "--size", "1900", "--mosaic"} << "--mosaic" << "sun";
        QTest::newRow("mosaic without target") << QStringList{"show", "--mosaic"} << "--mosaic" << "";
        QTest::newRow("mosaic in table")
            << QStringList{"table", "--target", "moon", "--mosaic"} << "--mosaic" << "";
        // The table shows no sizes on a date: it takes neither.
        QTest::newRow("date in table")
            << QStringList{"table", "--target", "saturn", "--date", "2027-01-10"} << "--date" << "";
        QTest::newRow("blur in table") << QStringList{"table", "--target", "jupiter", "--blur", "3"}
                                       << "--blur" << "";
        QTest::newRow("blur beyond a double")
            << QStringList{"show", "--blur", QStringLiteral("1") + QString(309, QLatin1Char('0'))} << "--blur" << "";
        QTest::newRow("blur inf") << QStringList{"show", "--blur", "inf"} << "--blur" << "";
        QTest::newRow("rotation inf") << (moon + QStringList{"--rotation", "inf"}) << "--rotation" << "";
        QTest::newRow("rotation nan") << (moon + QStringList{"--rotation", "nan"}) << "--rotation" << "";
        QTest::newRow("offset past +14:00")
            << QStringList{"show", "--date", "2027-01-10T22:00+14:30"} << "--date" << "";
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, option);
        QFETCH(QString, mentions);
        const auto r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        const QString e = err(r);
        QVERIFY2(e.endsWith(QLatin1Char('\n')) && e.count(QLatin1Char('\n')) == 1, qPrintable(e));
        QVERIFY2(e.startsWith(QStringLiteral("vkp2plan: ") + option + QLatin1Char(':')), qPrintable(e));
        QVERIFY2(e.contains(mentions), qPrintable(e));
    }

    // t = blur × P / (π d), from the output's own blur and diameter.
    void derotationLimit_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("blur"); // 0: whatever the output says
        QTest::newRow("jupiter, one pixel")
            << QStringList{"--target", "jupiter"} << int(planner::Body::Jupiter) << 0.0;
        QTest::newRow("jupiter, typed blur")
            << QStringList{"--target", "jupiter", "--blur", "0.25"} << int(planner::Body::Jupiter) << 0.25;
        QTest::newRow("mars, dawes") << QStringList{"--target", "mars", "--blur", "dawes"}
                                     << int(planner::Body::Mars) << 0.0;
        QTest::newRow("saturn") << QStringList{"--target", "saturn"} << int(planner::Body::Saturn) << 0.0;
    }

    void derotationLimit()
    {
        QFETCH(QStringList, args);
        QFETCH(int, body);
        QFETCH(double, blur);
        const QJsonObject o = showJson(args + kSt7 + QStringList{"--date", kNight});
        QCOMPARE(o.value("date_utc").toString(), QStringLiteral("2027-01-10T22:00:00Z"));
        const double b = number(o, "blur_arcsec");
        const double d = number(o, "target_equatorial_arcsec");
        QVERIFY(b > 0 && d > 0);
        if (blur > 0)
            QCOMPARE(b, blur);
        const double hours = planner::factsOf(planner::Body(body)).rotationHours;
        const double expected = b * hours * 3600 / (std::numbers::pi * d);
        const double got = number(o, "derotation_limit_s");
        QVERIFY2(std::abs(got - expected) <= 1e-6 * expected,
                 qPrintable(QStringLiteral("%1 against %2").arg(got).arg(expected)));
    }

    void dateOutline()
    {
        // The same moment with an offset; Saturn's rings set the width and have an opening.
        const QJsonObject o = showJson(kSt7 + QStringList{"--target", "saturn", "--date",
                                                          "2027-01-10T23:00+01:00"});
        QCOMPARE(o.value("date_utc").toString(), QStringLiteral("2027-01-10T22:00:00Z"));
        const double width = number(o, "target_date_arcsec");
        const double height = number(o, "target_date_height_arcsec");
        QVERIFY(width > number(o, "target_equatorial_arcsec"));
        QVERIFY(height < width);
        QVERIFY(number(o, "target_polar_arcsec") < number(o, "target_equatorial_arcsec"));
        QVERIFY(o.value("ring_opening_deg").isDouble());
        const double range = number(o, "target_range_percent");
        const double smallest = number(o, "target_smallest_arcsec");
        const double largest = number(o, "target_largest_arcsec");
        QVERIFY(qAbs(range - numbers::round2(100 * (width - smallest) / (largest - smallest))) < 1e-9);
        QVERIFY(o.value("target_date_fits").isBool());
        QVERIFY(o.value("target_date_fit").toString().startsWith(QStringLiteral("Saturn, ")));
        // Uranus turns too slowly for a limit: none is printed.
        const QJsonObject u = showJson(kSt7 + QStringList{"--target", "uranus", "--date", kNight});
        QVERIFY(u.value("target_equatorial_arcsec").isDouble());
        QVERIFY(!u.contains("derotation_limit_s"));
    }

    // Every sampled point of the disc lies in a pane of the frame's size.
    void mosaicCoversTheMoon_data()
    {
        QTest::addColumn<QString>("overlap");
        QTest::addColumn<QString>("rotation");
        QTest::newRow("15 %, square") << "15" << "0";
        QTest::newRow("15 %, turned 30°") << "15" << "30";
        QTest::newRow("no overlap, turned -70°") << "0" << "-70";
    }

    void mosaicCoversTheMoon()
    {
        QFETCH(QString, overlap);
        QFETCH(QString, rotation);
        const QJsonObject o = showJson(kMoonThirds + QStringList{"--target", "moon", "--date", kNight,
                                                                 "--mosaic", "--overlap", overlap,
                                                                 "--rotation", rotation});
        const double disc = number(o, "target_equatorial_arcsec");
        const QJsonObject m = o.value("mosaic").toObject();
        const double w = number(m, "frame_width_arcsec"), h = number(m, "frame_height_arcsec");
        QVERIFY2(disc / w > 2.5 && disc / w < 3.5, qPrintable(QString::number(disc / w)));
        QCOMPARE(number(m, "overlap_percent"), overlap.toDouble());
        const double turn = number(m, "rotation_deg") * std::numbers::pi / 180;
        QCOMPARE(number(m, "rotation_deg"), rotation.toDouble());
        const QJsonArray panes = m.value("panes").toArray();
        QVERIFY(panes.size() > 4 && panes.size() <= m.value("columns").toInt() * m.value("rows").toInt());
        const double c = std::cos(turn), s = std::sin(turn);
        const auto covered = [&](double x, double y) {
            for (const QJsonValue &p : panes) {
                const double dx = x - p["x_arcsec"].toDouble(), dy = y - p["y_arcsec"].toDouble();
                // Into the turned camera's axes, where the pane is upright.
                const double u = dx * c + dy * s, v = -dx * s + dy * c;
                if (std::abs(u) <= w / 2 && std::abs(v) <= h / 2)
                    return true;
            }
            return false;
        };
        // A sunflower spiral fills the disc evenly; the rim gets points of its own.
        const double radius = disc / 2 * (1 - 1e-9);
        const int inside = 3000, rim = 500;
        const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
        int missed = 0;
        for (int i = 0; i < inside + rim; ++i) {
            const double r = i < inside ? radius * std::sqrt((i + 0.5) / inside) : radius;
            const double a = i < inside ? i * golden : 2 * std::numbers::pi * (i - inside) / rim;
            if (!covered(r * std::cos(a), r * std::sin(a)))
                ++missed;
        }
        QCOMPARE(missed, 0);
    }

    void mosaicTextAndCsv()
    {
        const QStringList base = kMoonThirds
            + QStringList{"--target", "moon", "--date", kNight, "--mosaic", "--overlap", "15"};
        const QJsonObject m = showJson(base).value("mosaic").toObject();
        const int panes = int(m.value("panes").toArray().size());
        QVERIFY(panes > 0);
        const QStringList show = QStringList{"show"} + base;
        const QString text = out(run(show));
        const QString head = QStringLiteral("Mosaic: %1 × %2 grid, %3 panes (15 % overlap, 0° rotation)\n")
                                 .arg(m.value("columns").toInt()).arg(m.value("rows").toInt()).arg(panes);
        QVERIFY2(text.contains(head), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("  Pane ")), panes);
        QVERIFY(text.contains(QStringLiteral("Sampling of the seeing (long exposures) = ")));
        const auto csv = run(show + QStringList{"--format", "csv"});
        QCOMPARE(csv.status, 0);
        const QList<QStringList> rows = parseCsv(out(csv));
        QCOMPARE(rows.value(0), (QStringList{"pane", "column", "row", "x_arcsec", "y_arcsec"}));
        QCOMPARE(rows.size(), panes + 1);
        const QJsonObject first = m.value("panes").toArray().first().toObject();
        QCOMPARE(rows[1][3].toDouble(), first.value("x_arcsec").toDouble());
        QCOMPARE(rows[1][4].toDouble(), first.value("y_arcsec").toDouble());
    }

    // Without a camera frame there is nothing to tile: said, and status 1, in every format.
    void noMosaicWithoutCamera()
    {
        const QStringList args{"show", "--target", "sun", "--date", kNight, "--mosaic", "--camera",
                               "None or Film"};
        const auto text = run(args);
        QCOMPARE(text.status, 1);
        QVERIFY2(out(text).contains(QStringLiteral("\nMosaic: none; ")), qPrintable(out(text)));
        const auto json = run(args + QStringList{"--format", "json"});
        QCOMPARE(json.status, 1);
        QVERIFY(QJsonDocument::fromJson(json.out).object().value("mosaic").isNull());
        QCOMPARE(err(json).count(QLatin1Char('\n')), 1);
    }

    // N = 2p/λ at the filter's wavelength, 5p by the rule of thumb, times the colour factor.
    void focalRatioOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("critical");
        QTest::addColumn<double>("colourFactor");
        QTest::addColumn<QString>("rule");
        QTest::newRow("ir685") << QStringList{"--filter", "ir685"} << 2 * 9000 / 685.0 << 1.0 << "nyquist";
        QTest::newRow("methane") << QStringList{"--filter", "CH4"} << 2 * 9000 / 889.0 << 1.0 << "nyquist";
        QTest::newRow("5x") << QStringList{"--rule", "5x"} << 5 * 9.0 << 1.0 << "5x";
        QTest::newRow("5x ignores the filter")
            << QStringList{"--rule", "5x", "--filter", "ir685"} << 5 * 9.0 << 1.0 << "5x";
        QTest::newRow("colour, default factor")
            << QStringList{"--colour"} << 2 * 2 * 9000 / 550.0 << 2.0 << "nyquist";
        QTest::newRow("colour factor 1.5")
            << QStringList{"--colour", "--colour-factor", "1.5"} << 1.5 * 2 * 9000 / 550.0 << 1.5 << "nyquist";
        QTest::newRow("colour factor 1, 5x")
            << QStringList{"--colour", "--colour-factor", "1", "--rule", "5x"} << 5 * 9.0 << 1.0 << "5x";
    }

    void focalRatioOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(double, critical);
        QFETCH(double, colourFactor);
        QFETCH(QString, rule);
        const QJsonObject o = showJson(kSt7 + args);
        QCOMPARE(number(o, "critical_focal_ratio"), numbers::round2(critical));
        QCOMPARE(number(o, "colour_factor"), colourFactor);
        QCOMPARE(o.value("sampling_rule").toString(), rule);
    }

    void filterAndRayleigh()
    {
        // Rayleigh 1.22 λ/D on the DR-106: at 685 nm 1.22 × 685e-6 × 206265 / 106 = 1.626".
        const QJsonObject o = showJson(kSt7 + QStringList{"--telescope", "DR-106", "--filter", "ir685"});
        QCOMPARE(o.value("filter").toString(), QStringLiteral("IR 685"));
        QCOMPARE(number(o, "wavelength_nm"), 685.0);
        QCOMPARE(number(o, "rayleigh_arcsec"), numbers::round2(1.22 * 685e-6 * 206264.806 / 106));
        QCOMPARE(number(o, "rayleigh_550nm_arcsec"), 1.31);
    }

    // One verdict column per filter, each what show says at that filter.
    void tableFilters()
    {
        const QStringList setup = kSt7 + QStringList{"--telescope", "DR-106", "--ocular", "WS 5mm"};
        const QJsonArray rows = tableJson(QStringList{"table", "--d", "55", "--filters", "ir685,b"} + setup);
        QCOMPARE(rows.size(), 1);
        const QJsonObject row = rows.first().toObject();
        for (const char *key : {"ir685", "b"}) {
            const QJsonObject shown = showJson(setup + QStringList{"--d", "55", "--filter", key});
            const QString column = QStringLiteral("focal_ratio_sampling_") + QLatin1String(key);
            QVERIFY2(row.value(column).isString(), qPrintable(column));
            QCOMPARE(row.value(column).toString(), shown.value("focal_ratio_sampling").toString());
        }
        const QJsonObject all = tableJson(QStringList{"table", "--d", "55", "--filters", "all"} + setup)
                                    .first().toObject();
        QVERIFY(all.contains("focal_ratio_sampling_uv") && all.contains("focal_ratio_sampling_ch4"));
    }

    // A rotation of any size turns the panes as its remainder of a turn, in JSON that reads.
    void hugeRotation()
    {
        const QStringList base = kMoonThirds + QStringList{"--target", "moon", "--date", kNight, "--mosaic"};
        const QString huge308 = QStringLiteral("1") + QString(308, QLatin1Char('0')); // 1e308
        const auto r = run(QStringList{"show", "--format", "json", "--rotation", huge308} + base);
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonObject huge = QJsonDocument::fromJson(r.out, &error).object().value("mosaic").toObject();
        QCOMPARE(error.error, QJsonParseError::NoError);
        // int(1e308) % 360 = 296 (python3).
        const QJsonObject plain = showJson(base + QStringList{"--rotation", "296"}).value("mosaic").toObject();
        const QJsonArray a = huge.value("panes").toArray(), b = plain.value("panes").toArray();
        QVERIFY(!a.isEmpty());
        QCOMPARE(a.size(), b.size());
        for (qsizetype i = 0; i < a.size(); ++i) {
            for (const char *key : {"x_arcsec", "y_arcsec"})
                QVERIFY(qAbs(number(a[i].toObject(), key) - number(b[i].toObject(), key)) < 1e-6);
        }
    }

    // The seeing verdict is the long-exposure view for a body, in every form.
    void longExposureSeeing_data()
    {
        QTest::addColumn<QStringList>("target");
        QTest::addColumn<bool>("longOnly");
        QTest::newRow("Saturn") << QStringList{"--target", "saturn"} << true;
        QTest::newRow("the Sun") << QStringList{"--target", "sun"} << true;
        QTest::newRow("a typed size") << QStringList{"--size", "600"} << false;
        QTest::newRow("no target") << QStringList{} << false;
    }
    void longExposureSeeing()
    {
        QFETCH(QStringList, target);
        QFETCH(bool, longOnly);
        const QStringList setup = kSt7 + QStringList{"--telescope", "DR-106", "--d", "55"} + target;
        QCOMPARE(showJson(setup).value("sampling_long_exposure_only").toBool(), longOnly);
        const QString label = QStringLiteral("Sampling of the seeing (long exposures) = ");
        QCOMPARE(out(run(QStringList{"show"} + setup)).contains(label), longOnly);
        const QString table = out(run(QStringList{"table"} + setup));
        QCOMPARE(table.contains(QStringLiteral("Sampling (long exposures)")), longOnly);
    }

    // Without --filter or --wavelength the advice is at 550 nm, luminance, as the window says.
    void defaultFilter()
    {
        const QJsonObject o = showJson(kSt7);
        QCOMPARE(o.value("filter").toString(), QStringLiteral("L"));
        QCOMPARE(number(o, "wavelength_nm"), 550.0);
        QVERIFY(showJson(kSt7 + QStringList{"--wavelength", "600"}).value("filter").isNull());
    }

    // The help's lists come from the engine's tables.
    void helpListsTheTables()
    {
        const QString help = out(run(QStringList{"help", "show"}));
        QVERIFY2(help.contains(QStringLiteral("saturn, uranus or neptune")), qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("(Mars, Jupiter, Saturn)")));
        QVERIFY(help.contains(QStringLiteral("--rule nyquist|5x")));
        QVERIFY(help.contains(QStringLiteral("--colour-factor 1|1.5|2")));
        QVERIFY(help.contains(QStringLiteral("--target moon or sun")));
        QVERIFY(!out(run(QStringList{"help", "table"})).contains(QStringLiteral("--date")));
    }

    void germanText()
    {
        const auto r = run(QStringList{"show", "--target", "jupiter", "--date", kNight, "--blur", "0,25"}
                               + kSt7,
                           QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(r.status, 0);
        const QString text = out(r);
        QVERIFY2(text.contains(QStringLiteral("Blur (arcsec) = 0,25\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Date = 2027-01-10 22:00 UTC\n")), qPrintable(text));
        for (const char *label : {"Derotation limit (s) = ", "Equatorial diameter (arcsec) = "}) {
            const qsizetype at = text.indexOf(QLatin1String(label));
            QVERIFY2(at >= 0, label);
            const QString value = text.mid(at).section(QLatin1Char('\n'), 0, 0).section(QStringLiteral(" = "), 1);
            QVERIFY2(value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('.')), qPrintable(value));
        }
    }
};

QTEST_GUILESS_MAIN(TstCliTonight)
#include "tst_cli_tonight.moc"
