// vkp2plan show, in-process: the boxes are the headless calculator's, the advice is worked out
// by hand from the formulas, and bad input is refused before anything is shown.

#include "calculator/core/numbers.h"
#include "cli_runs.h"
#include "planner/setup.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(vkp2::planner::Setup)

using namespace cli_runs;
using namespace vkp2;

namespace {

void compareBox(const QJsonValue &value, const QString &box, const char *what)
{
    const auto expected = numbers::parse(box);
    if (!expected) {
        QVERIFY2(value.isNull(), what);
        return;
    }
    QVERIFY2(value.isDouble(), what);
    QCOMPARE(value.toDouble(), *expected);
}

} // namespace

class TstCliShow : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = sandbox_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }

    // By hand: P = 58 + 5 + 3 + 55 - 40.9 = 80.1 mm, M = 80.1/5 - 1 = 15.02, EFL = 7960.6,
    // EFR = 75.1. Rayleigh 1.22 x 550e-6 mm x 206265 / 106 mm = 1.3057". SBIG ST-7E has
    // 9 µm pixels: N = 2 x 9000 / 550 = 32.73, for a colour sensor 65.45; at 700 nm 25.71.
    // 8.5 x 19.7 µm pixels: the larger pitch, N = 2 x 19700 / 550 = 71.64.
    void knownValues_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        const QStringList ws5{"--telescope", "DR-106", "--ocular", "WS 5mm", "--d", "55", "--tl", "5"};
        const QStringList st7{"--camera", "SBIG ST-7E"};
        QTest::newRow("efl") << ws5 << "efl_mm" << 7960.6;
        QTest::newRow("magnification") << ws5 << "magnification" << 15.02;
        QTest::newRow("Rayleigh at 550 nm") << (ws5 + QStringList{"--wavelength", "700"})
                                            << "rayleigh_550nm_arcsec" << 1.31;
        QTest::newRow("Dawes") << ws5 << "dawes_limit_arcsec" << 1.09;
        QTest::newRow("critical ratio without a target") << st7 << "critical_focal_ratio" << 32.73;
        QTest::newRow("critical ratio with --colour alone") << (st7 + QStringList{"--colour"})
                                                           << "critical_focal_ratio" << 65.45;
        QTest::newRow("critical ratio with --wavelength alone")
            << (st7 + QStringList{"--wavelength", "700"}) << "critical_focal_ratio" << 25.71;
        QTest::newRow("critical ratio for the Sun") << (st7 + QStringList{"--target", "sun"})
                                                   << "critical_focal_ratio" << 32.73;
        QTest::newRow("critical ratio with --size") << (st7 + QStringList{"--size", "40"})
                                                   << "critical_focal_ratio" << 32.73;
        QTest::newRow("the larger pixel sets N")
            << QStringList{"--pixel", "8.5x19.7", "--chip", "100x100"} << "critical_focal_ratio" << 71.64;
        QTest::newRow("D falls back") << QStringList{"--d", "1200"} << "d_mm" << 55.0;
        QTest::newRow("focal length falls back")
            << QStringList{"--focal-length", "0", "--aperture", "100"} << "focal_length_mm" << 50.0;
        // Prime focus with 20 µm pixels on 512 px: FOV = 3439 x 10.24/530 = 66.44',
        // scale = 206265 x 0.02/530 = 7.78".
        const QStringList prime{"--telescope", "DR-106", "--ocular", "No-VKP2", "--camera", "FLI IMG261E"};
        QTest::newRow("prime efl") << prime << "efl_mm" << 530.0;
        QTest::newRow("prime fov") << prime << "fov_height_arcmin" << 66.44;
        QTest::newRow("prime scale") << prime << "scale_width_arcsec_per_px" << 7.78;
    }

    void knownValues()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(double, value);
        const QJsonValue v = showJson(args).value(key);
        QVERIFY2(v.isDouble(), qPrintable(key));
        QCOMPARE(v.toDouble(), value);
    }

    void showEqualsCalculator_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<planner::Setup>("setup");
        QTest::newRow("defaults") << QStringList{} << planner::Setup();
        QTest::newRow("refused 3x3")
            << QStringList{"--camera", "Starlight Express HX916", "--binning", "3x3"}
            << setupOf("DR-106", "WS 5mm", "5", "55", "Starlight Express HX916", "3x3");
        QTest::newRow("binning 2x2")
            << QStringList{"--telescope", "AR-150", "--ocular", "PT 9mm", "--tl", "10", "--d", "120.5",
                           "--camera", "SBIG ST-8E", "--binning", "2x2"}
            << setupOf("AR-150", "PT 9mm", "10", "120.5", "SBIG ST-8E", "2x2");
        planner::Setup typed;
        typed.typeTelescope("800", "80");
        typed.typeCamera("5.4", "5.4", "3000", "2000");
        typed.d = "300";
        QTest::newRow("user-defined")
            << QStringList{"--focal-length", "800", "--aperture", "80", "--pixel", "5.4", "--chip",
                           "3000x2000", "--d", "300"}
            << typed;
    }

    void showEqualsCalculator()
    {
        QFETCH(QStringList, args);
        QFETCH(planner::Setup, setup);
        const QJsonObject json = showJson(args);
        const planner::Shown shown = planner::show(setup);
        for (const auto &[box, key] : kResultBoxes)
            compareBox(json.value(QLatin1String(key)), shown.box(box), key);
        QCOMPARE(json.value("telescope").toString(), shown.telescope);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("exponent is no number") << QStringList{"--tl", "1e1"}
                                               << "vkp2plan: --tl: \"1e1\" is not a number";
        QTest::newRow("telescope typo") << QStringList{"--telescope", "DR106"}
                                        << "vkp2plan: --telescope: no telescope \"DR106\"; did you mean \"DR-106\"?";
        QTest::newRow("preset with own values") << QStringList{"--telescope", "AR-50", "--aperture", "60"}
                                                << "vkp2plan: --aperture: a preset telescope has its own";
        QTest::newRow("D with No-VKP2") << QStringList{"--ocular", "No-VKP2", "--d", "100"}
                                        << "vkp2plan: --d: the distances are fixed at 0 with No-VKP2";
        QTest::newRow("two oculars") << QStringList{"--ocular", "WS 5mm", "--ocular", "PT 9mm"}
                                     << "vkp2plan: --ocular: given more than once";
        QTest::newRow("negative pixel") << QStringList{"--pixel", "-5", "--chip", "100x100"}
                                        << "vkp2plan: --pixel: a pixel size must be greater than 0";
        QTest::newRow("negative chip side") << QStringList{"--pixel", "5", "--chip", "100x-100"}
                                            << "vkp2plan: --chip: a chip size must be 1 to 2147483647 pixels";
        QTest::newRow("chip past an int") << QStringList{"--pixel", "5", "--chip", "2147483648x100"}
                                          << "vkp2plan: --chip: a chip size must be 1 to 2147483647 pixels";
        const QString withModes = "these have: FLI IMG261E, ";
        QTest::newRow("binning on no camera") << QStringList{"--binning", "2x2"}
                                              << "vkp2plan: --binning: the camera \"None or Film\" has no binning modes; " + withModes;
        QTest::newRow("binning on a preset without modes")
            << QStringList{"--camera", "Apogee AP7", "--binning", "3x3"}
            << "vkp2plan: --binning: the camera \"Apogee AP7\" has no binning modes; " + withModes;
        QTest::newRow("binning on User-Defined")
            << QStringList{"--pixel", "5", "--chip", "100x100", "--binning", "2x2"}
            << "vkp2plan: --binning: the camera \"User-Defined\" has no binning modes; " + withModes;
    }

    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        const vkp2::cli::Result r = run(QStringList{"show"} + args);
        QCOMPARE(r.status, vkp2::cli::kExitUsage);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(err(r).startsWith(line), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
    }

    void setupFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errHas");
        QTest::newRow("empty") << QByteArray() << 2 << "vkp2plan: --setup: \"%1\" is empty\n";
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n") << 2 << "vkp2plan: --setup: \"%1\" is empty\n";
        QTest::newRow("NUL bytes") << QByteArray("AR-50\0\r\nWS 5mm\r\n", 16) << 2
                                   << "vkp2plan: --setup: \"%1\" holds NUL bytes; it is no setup file\n";
        QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\x03\x04\r\n") << 2
                                << "vkp2plan: --setup: \"%1\" is a binary file, no setup file\n";
        QTest::newRow("unknown telescope") << QByteArray("Nope\r\nWS 5mm\r\nSBIG ST-7E\r\n") << 2
                                           << "vkp2plan: --setup: \"%1\" names no telescope of the list (\"Nope\")\n";
        QTest::newRow("unknown ocular") << QByteArray("AR-50\r\nWS 55mm\r\nSBIG ST-7E\r\n400\r\n50\r\n5\r\n55\r\n")
                                        << 1 << "vkp2plan: --setup: \"%1\" names no ocular of the list (\"WS 55mm\"); the calculator takes its own instead\n";
        QTest::newRow("good") << QByteArray("AR-50\r\nWS 5mm\r\nSBIG ST-7E\r\n400\r\n50\r\n5\r\n55\r\n")
                              << 0 << QString();
    }

    void setupFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        QFETCH(QString, errHas);
        const QString path = writeFile(QStringLiteral("given.dat"), content);
        const vkp2::cli::Result r = run({"show", "--setup", path});
        QCOMPARE(r.status, status);
        QCOMPARE(r.out.isEmpty(), status == 2);
        if (errHas.isEmpty())
            QVERIFY(r.err.isEmpty());
        else
            QVERIFY2(err(r).startsWith(errHas.arg(path)), r.err.constData());
        if (status == 2)
            QCOMPARE(r.err.count('\n'), 1);
    }

    // One range message for one value, however often the calculator's nested runs meet it.
    void messageOncePerEvent()
    {
        const vkp2::cli::Result r = run({"show", "--focal-length", "12000", "--aperture", "200",
                                         "--ocular", "No-VKP2", "--pixel", "10", "--chip", "100x100"});
        QCOMPARE(r.status, 1);
        QCOMPARE(err(r), QString("Error: F-Length must be between 0 and 10000 (the results stay empty)\n"));
        QCOMPARE(showJson({"--focal-length", "12000", "--aperture", "200", "--ocular", "No-VKP2"})
                     .value("messages").toString().count("F-Length"), 1);
    }

    // AR-100L: P = 58 + 0 + 3 + 0 - 36.5 = 24.5 mm with the WS 24mm, M = 24.5/24 - 1 = 0.02.
    void reducingProjectionIsNoted()
    {
        const QJsonObject json = showJson({"--telescope", "AR-100L", "--ocular", "WS 24mm", "--tl",
                                           "0", "--d", "0"});
        QCOMPARE(json.value("magnification").toDouble(), 0.02);
        QCOMPARE(json.value("note").toString(),
                 QString("magnification below 1: the projection reduces the image"));
        QVERIFY(showJson({"--ocular", "WS 5mm"}).value("note").isNull());
    }

    // Text in a German locale: every number with a comma, the fit sentences too.
    void localeNumbers()
    {
        const vkp2::cli::Result r = run({"show", "--camera", "SBIG ST-7E", "--target", "jupiter", "--d", "55,5"},
                                        QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(r.status, 0);
        const QString text = out(r);
        QVERIFY2(text.contains("Cam. Focal Distance D (mm) = 55,5\n"), r.out.constData());
        QVERIFY(text.contains("Rayleigh limit at 550 nm (arcsec) = 1,31\n"));
        QVERIFY(text.contains("Critical focal ratio = 32,73\n"));
        QVERIFY(text.contains("Fit at its smallest = Jupiter, 29,8″: "));
        QVERIFY(text.contains("Fit at its largest = Jupiter, 50,1″: "));
        for (const QString &line : text.split('\n')) {
            static const QRegularExpression dotDecimal(QStringLiteral("\\d\\.\\d"));
            QVERIFY2(!line.contains(dotDecimal), qPrintable(line));
        }
        const vkp2::cli::Result csv = run({"show", "--format", "csv", "--d", "55.5"},
                                          QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(parseCsv(out(csv)).value(1).contains("55.5"));
        QCOMPARE(run({"show", "--format", "csv", "--d", "55,5"}, QLocale(QLocale::German)).status, 2);
    }
};

QTEST_GUILESS_MAIN(TstCliShow)
#include "tst_cli_show.moc"
