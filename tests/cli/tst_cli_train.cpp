// vkp2plan with an optical train, in-process: Barlows, reducers, eyepiece projection and
// afocal cameras in show, table and solve, each number worked out by hand.

#include "cli_runs.h"

#include <QRegularExpression>
#include <QTest>

using namespace cli_runs;

namespace {

// F 2000 mm, D 200 mm: f/10 before the train.
const QStringList kScope{"--focal-length", "2000", "--aperture", "200"};
// 2.9 µm pixels on 1936 x 1096.
const QStringList kCamera{"--pixel", "2.9", "--chip", "1936x1096"};

const QStringList kTrainKeys{"element", "element_factor", "spacing_mm", "design_spacing_mm",
                             "projection_distance_mm", "rear_factor", "total_factor"};

} // namespace

class TstCliTrain : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

private slots:
    void initTestCase()
    {
        QVERIFY(sandbox_.isValid());
        // A reducer only the kit has: the database has none with a design spacing.
        QCOMPARE(run({"kit", "add", "barlow", "Test Reducer", "--factor", "0.63", "--design-spacing", "105"}).status, 0);
    }

    void showsTheTrain_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        // f = 100/(1 - 2) = -100 mm, A = 1 - 150/-100 = 2.5: EFL 5000, f/25,
        // scale 206265 x 0.0029/5000 = 0.1196", field 3437.75' x 5.6144/5000 = 3.86'.
        const QStringList barlow = kScope + kCamera
            + QStringList{"--barlow", "2", "--design-spacing", "100", "--spacing", "150"};
        QTest::newRow("Barlow efl") << barlow << "efl_mm" << 5000.0;
        QTest::newRow("Barlow efr") << barlow << "efr" << 25.0;
        QTest::newRow("Barlow scale") << barlow << "scale_width_arcsec_per_px" << 0.12;
        QTest::newRow("Barlow field") << barlow << "fov_width_arcmin" << 3.86;
        QTest::newRow("Barlow factor") << barlow << "element_factor" << 2.5;
        QTest::newRow("Barlow spacing") << barlow << "spacing_mm" << 150.0;
        QTest::newRow("Barlow design spacing") << barlow << "design_spacing_mm" << 100.0;
        QTest::newRow("Barlow total") << barlow << "total_factor" << 2.5;
        // f = 100/0.37 = 270.27 mm, A = 1 - 50 x 0.37/100 = 0.815: EFL 1630, f/8.15.
        const QStringList reducer = kScope + QStringList{"--reducer", "0.63", "--design-spacing", "100", "--spacing", "50"};
        QTest::newRow("reducer factor") << reducer << "element_factor" << 0.815;
        QTest::newRow("reducer efl") << reducer << "efl_mm" << 1630.0;
        QTest::newRow("reducer efr") << reducer << "efr" << 8.15;
        // M = 60/10 - 1 = 5.
        const QStringList projection = kScope + QStringList{"--projection-eyepiece", "10", "--projection-distance", "60"};
        QTest::newRow("projection rear factor") << projection << "rear_factor" << 5.0;
        QTest::newRow("projection efl") << projection << "efl_mm" << 10000.0;
        QTest::newRow("projection distance") << projection << "projection_distance_mm" << 60.0;
        // fc/fe = 50/25 = 2.
        const QStringList afocal = kScope + QStringList{"--afocal-lens", "50", "--eyepiece", "25"};
        QTest::newRow("afocal rear factor") << afocal << "rear_factor" << 2.0;
        QTest::newRow("afocal efl") << afocal << "efl_mm" << 4000.0;
        // Before the WS 5mm at TL 5, D 55: P = 58 + 5 + 3 + 55 - 40.9 = 80.1, M = 15.02;
        // EFL = 15.02 x 2 x 2000 = 60080, the factor from F 30.04.
        const QStringList stack = kScope + QStringList{"--barlow", "2", "--ocular", "WS 5mm", "--tl", "5", "--d", "55"};
        QTest::newRow("stack efl") << stack << "efl_mm" << 60080.0;
        QTest::newRow("stack total") << stack << "total_factor" << 30.04;
        QTest::newRow("stack magnification") << stack << "magnification" << 15.02;
        // The kit's reducer, s0 105: A = 1 - 50 x 0.37/105 = 0.823809..., EFL 1647.62.
        const QStringList kit = kScope + QStringList{"--reducer", "test reducer", "--spacing", "50"};
        QTest::newRow("kit reducer efl") << kit << "efl_mm" << 1647.62;
        QTest::newRow("kit reducer design spacing") << kit << "design_spacing_mm" << 105.0;
        // Database entries by name: a fixed 2x, a 10 mm eyepiece at 60 mm.
        QTest::newRow("database Barlow") << (kScope + QStringList{"--barlow", "TeleVue Powermate 2x (2\")"})
                                         << "efl_mm" << 4000.0;
        QTest::newRow("database eyepiece")
            << (kScope + QStringList{"--projection-eyepiece", "APM Plossl 10mm", "--projection-distance", "60"})
            << "efl_mm" << 10000.0;
    }

    void showsTheTrain()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(double, value);
        const vkp2::cli::Result r = run(QStringList{"show", "--format", "json"} + args);
        QVERIFY2(r.status == 0, r.err.constData());
        const QJsonValue v = QJsonDocument::fromJson(r.out).object().value(key);
        QVERIFY2(v.isDouble(), qPrintable(key));
        QCOMPARE(v.toDouble(), value);
    }

    // The element's name, and a lens alone at prime focus.
    void namesTheElement_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("ocular");
        QTest::newRow("typed Barlow") << QStringList{"--barlow", "2"} << "Barlow 2x" << "No-VKP2";
        QTest::newRow("kit reducer") << QStringList{"--reducer", "Test Reducer"} << "Test Reducer" << "No-VKP2";
        QTest::newRow("stack") << QStringList{"--barlow", "3", "--ocular", "PT 9mm"} << "Barlow 3x" << "PT 9mm";
        QTest::newRow("projection") << QStringList{"--projection-eyepiece", "APM Plossl 10mm", "--projection-distance", "60"}
                                    << "eyepiece projection APM Plossl 10mm" << "No-VKP2";
    }

    void namesTheElement()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, element);
        QFETCH(QString, ocular);
        const QJsonObject json = showJson(kScope + args);
        QCOMPARE(json.value("element").toString(), element);
        QCOMPARE(json.value("ocular").toString(), ocular);
    }

    // Without a train the record has none of its keys; with one, CSV and JSON have them all.
    void keysOnlyWithATrain()
    {
        const QJsonObject plain = showJson(kScope);
        for (const QString &key : kTrainKeys)
            QVERIFY2(!plain.contains(key), qPrintable(key));
        const QJsonObject train = showJson(kScope + QStringList{"--barlow", "2"});
        for (const QString &key : kTrainKeys)
            QVERIFY2(train.contains(key), qPrintable(key));
        const QStringList head = parseCsv(out(run(QStringList{"show", "--format", "csv", "--barlow", "2"} + kScope))).value(0);
        for (const QString &key : kTrainKeys)
            QVERIFY2(head.contains(key), qPrintable(key));
    }

    // Barlow 2x designed for 100 mm, f = -100: A = 1 + s/100, usable from 50 to 300 mm.
    void solvesTheSpacing_data()
    {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QJsonValue>("spacing");
        QTest::addColumn<QJsonValue>("needed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("f/20 at the design spacing") << "20" << QJsonValue(100.0) << QJsonValue() << QString();
        QTest::newRow("f/30") << "30" << QJsonValue(200.0) << QJsonValue() << QString();
        // A = 8: s = 700 mm, 600 beyond the design spacing.
        QTest::newRow("f/80 out of reach") << "80" << QJsonValue() << QJsonValue(700.0)
                                           << "needs a spacing of 700 mm, 600 mm beyond the design 100 mm; "
                                              "Barlow 2x is usable from 50 to 300 mm";
    }

    void solvesTheSpacing()
    {
        QFETCH(QString, ratio);
        QFETCH(QJsonValue, spacing);
        QFETCH(QJsonValue, needed);
        QFETCH(QString, reason);
        const QStringList args = QStringList{"solve", "--focal-ratio", ratio, "--barlow", "2", "--design-spacing", "100"} + kScope;
        const vkp2::cli::Result r = run(args + QStringList{"--format", "json"});
        QCOMPARE(r.status, 0); // an unreached goal is an answer, as for D
        const QJsonArray rows = QJsonDocument::fromJson(r.out).array();
        QCOMPARE(rows.size(), 1);
        const QJsonObject row = rows.first().toObject();
        QCOMPARE(row.value("spacing_mm").isNull(), spacing.isNull());
        if (!spacing.isNull()) {
            QCOMPARE(row.value("spacing_mm").toDouble(), spacing.toDouble());
            QCOMPARE(row.value("efr").toDouble(), ratio.toDouble());
        }
        QCOMPARE(row.value("needed_spacing_mm").isNull(), needed.isNull());
        if (!needed.isNull())
            QCOMPARE(row.value("needed_spacing_mm").toDouble(), needed.toDouble());
        QCOMPARE(row.value("reason").toString(), reason);
    }

    void solvesOtherTrains_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("efl");
        // f/40: EFL 8000, M = 4, d = 10 x (4 + 1) = 50 mm.
        QTest::newRow("projection distance") << QStringList{"--focal-ratio", "40", "--projection-eyepiece", "10"}
                                             << "projection_distance_mm" << 50.0 << 8000.0;
        // f/200 behind a fixed 2x: EFL 40000 from 4000, M = 10, P = 55 mm,
        // D = 55 - (58 + 5 + 3 - 40.9) = 29.9 mm.
        // Behind a Barlow at 150 mm (2.5x): EFL 8000 from 5000, M = 1.6, d = 10 x 2.6 = 26 mm.
        QTest::newRow("projection behind a spaced Barlow")
            << QStringList{"--focal-ratio", "40", "--projection-eyepiece", "10", "--barlow", "2",
                           "--design-spacing", "100", "--spacing", "150"}
            << "projection_distance_mm" << 26.0 << 8000.0;
        QTest::newRow("D behind a Barlow") << QStringList{"--focal-ratio", "200", "--barlow", "2", "--ocular", "WS 5mm", "--tl", "5"}
                                           << "d_mm" << 29.9 << 40000.0;
    }

    void solvesOtherTrains()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(double, value);
        QFETCH(double, efl);
        const QJsonArray rows = tableJson(QStringList{"solve"} + kScope + args);
        QCOMPARE(rows.size(), 1);
        const QJsonObject row = rows.first().toObject();
        QVERIFY2(row.value("reason").isNull(), qPrintable(row.value("reason").toString()));
        QCOMPARE(row.value(key).toDouble(), value);
        QCOMPARE(row.value("efl_mm").toDouble(), efl);
    }

    // An afocal camera has no distance to set: solve says so for its row.
    void afocalHasNothingToSolve()
    {
        const QJsonObject row = tableJson(QStringList{"solve", "--efl", "3000", "--afocal-lens", "50", "--eyepiece", "25"} + kScope)
                                    .first().toObject();
        QVERIFY(row.value("efl_mm").isNull());
        QVERIFY2(row.value("reason").toString().contains("fixed factor"), qPrintable(row.value("reason").toString()));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("option");
        QTest::newRow("factor 0") << QStringList{"show", "--barlow", "0"} << "--barlow";
        QTest::newRow("negative factor") << QStringList{"show", "--barlow", "-2"} << "--barlow";
        QTest::newRow("reducer factor 0") << QStringList{"show", "--reducer", "0"} << "--reducer";
        QTest::newRow("Barlow below 1") << QStringList{"show", "--barlow", "0.5"} << "--barlow";
        QTest::newRow("design spacing 0") << QStringList{"show", "--reducer", "0.63", "--design-spacing", "0"} << "--design-spacing";
        // f = 270.27 mm: at 300 mm A = 1 - 300/270.27 < 0.
        QTest::newRow("reducer past its focal length")
            << QStringList{"show", "--reducer", "0.63", "--design-spacing", "100", "--spacing", "300"} << "--spacing";
        QTest::newRow("afocal lens 0") << QStringList{"show", "--afocal-lens", "0", "--eyepiece", "25"} << "--afocal-lens";
        QTest::newRow("spacing without a lens") << QStringList{"show", "--spacing", "100"} << "--spacing";
        QTest::newRow("spacing of a fixed factor") << QStringList{"show", "--barlow", "2", "--spacing", "100"} << "--spacing";
        QTest::newRow("spacing no number") << QStringList{"show", "--barlow", "2", "--design-spacing", "1o0"} << "--design-spacing";
        QTest::newRow("both lenses") << QStringList{"show", "--barlow", "2", "--reducer", "0.5"} << "--reducer";
        QTest::newRow("no such lens") << QStringList{"show", "--barlow", "Zzyzx"} << "--barlow";
        QTest::newRow("reducer named as a Barlow") << QStringList{"show", "--barlow", "Test Reducer"} << "--barlow";
        QTest::newRow("no such eyepiece") << QStringList{"show", "--projection-eyepiece", "Zzyzx", "--projection-distance", "60"}
                                          << "--projection-eyepiece";
        QTest::newRow("projection without distance") << QStringList{"show", "--projection-eyepiece", "10"} << "--projection-eyepiece";
        QTest::newRow("distance without eyepiece") << QStringList{"table", "--projection-distance", "60"} << "--projection-distance";
        QTest::newRow("no image") << QStringList{"show", "--projection-eyepiece", "10", "--projection-distance", "8"}
                                  << "--projection-distance";
        QTest::newRow("projection with an ocular")
            << QStringList{"show", "--projection-eyepiece", "10", "--projection-distance", "60", "--ocular", "WS 5mm"} << "--ocular";
        QTest::newRow("afocal without eyepiece") << QStringList{"show", "--afocal-lens", "50"} << "--afocal-lens";
        QTest::newRow("eyepiece without lens") << QStringList{"show", "--eyepiece", "25"} << "--eyepiece";
        QTest::newRow("projection and afocal")
            << QStringList{"show", "--projection-eyepiece", "10", "--projection-distance", "60", "--afocal-lens", "50", "--eyepiece", "25"}
            << "--afocal-lens";
        QTest::newRow("D of a lens alone") << QStringList{"show", "--barlow", "2", "--d", "50"} << "--d";
        QTest::newRow("solve given the distance")
            << QStringList{"solve", "--efl", "3000", "--projection-eyepiece", "10", "--projection-distance", "60"}
            << "--projection-distance";
        QTest::newRow("solve given the spacing")
            << QStringList{"solve", "--efl", "3000", "--barlow", "2", "--design-spacing", "100", "--spacing", "150"} << "--spacing";
        QTest::newRow("a lens in table --all") << QStringList{"table", "--all", "--barlow", "2"} << "--barlow";
        QTest::newRow("a lens in table --kit") << QStringList{"table", "--kit", "--barlow", "2"} << "--barlow";
        QTest::newRow("table --kit spacing beyond any lens")
            << QStringList{"table", "--kit", "--spacing", "5000"} << "--spacing";
        QTest::newRow("table --kit negative spacing") << QStringList{"table", "--kit", "--spacing", "-5"} << "--spacing";
        QTest::newRow("table --kit distance beyond a metre")
            << QStringList{"table", "--kit", "--projection-distance", "5000"} << "--projection-distance";
    }

    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, option);
        // The walks of the presets and the kit take no telescope of their own.
        const bool walk = args.contains("--all") || args.contains("--kit");
        const vkp2::cli::Result r = run(walk ? args : args + kScope);
        QCOMPARE(r.status, vkp2::cli::kExitUsage);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(err(r).startsWith("vkp2plan: " + option + ": "), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
    }

    // A name nothing has offers the closest ones, as a telescope's does.
    void didYouMean()
    {
        const vkp2::cli::Result r = run(QStringList{"show", "--reducer", "Tset Reducer"} + kScope);
        QCOMPARE(r.status, 2);
        QVERIFY2(err(r).contains("did you mean \"Test Reducer\""), r.err.constData());
    }

    // table: the element and its distance in their own columns, every row with the train.
    void tableColumns()
    {
        const vkp2::cli::Result r = run(QStringList{"table", "--format", "csv", "--barlow", "2", "--design-spacing", "100",
                                                    "--spacing", "150", "--ocular", "WS 5mm", "--tl", "5",
                                                    "--d-from", "55", "--d-to", "105", "--d-step", "50"}
                                        + kScope);
        QCOMPARE(r.status, 0);
        const QList<QStringList> rows = parseCsv(out(r));
        QCOMPARE(rows.size(), 3);
        const QStringList head = rows.first();
        const qsizetype element = head.indexOf("element"), spacing = head.indexOf("spacing_mm");
        const qsizetype efl = head.indexOf("efl_mm");
        QVERIFY(element >= 0 && spacing >= 0 && efl >= 0);
        QCOMPARE(rows[1][element], QString("Barlow 2x"));
        QCOMPARE(rows[1][spacing], QString("150"));
        // M = 15.02 at D 55, 25.02 at D 105 (P 130.1 mm); times 2.5 x 2000.
        QCOMPARE(rows[1][efl], QString("75100"));
        QCOMPARE(rows[2][efl], QString("125100"));
        // Without a train the table has no such column.
        QVERIFY(!parseCsv(out(run({"table", "--format", "csv", "--ocular", "WS 5mm", "--d", "55"}))).value(0).contains("element"));
    }

    // table --kit: each kit lens at prime focus, each kit eyepiece projecting at the distance.
    void tableKitWalksLensesAndEyepieces()
    {
        QCOMPARE(run({"kit", "add", "telescope", "Big Scope", "--focal-length", "2000", "--aperture", "200"}).status, 0);
        QCOMPARE(run({"kit", "add", "camera", "Small Cam", "--pixel", "2.9", "--chip", "1936x1096"}).status, 0);
        QCOMPARE(run({"kit", "add", "eyepiece", "Ten", "--focal-length", "10"}).status, 0);
        const QJsonArray rows = tableJson({"table", "--kit", "--ocular", "WS 5mm", "--d", "55", "--tl", "5",
                                           "--spacing", "50", "--projection-distance", "60"});
        QCOMPARE(rows.size(), 3); // the ocular, the reducer, the eyepiece
        QVERIFY(rows[0].toObject().value("element").toString().isEmpty());
        const QJsonObject lens = rows[1].toObject();
        QCOMPARE(lens.value("element").toString(), QString("Test Reducer"));
        QCOMPARE(lens.value("spacing_mm").toDouble(), 50.0);
        QCOMPARE(lens.value("efl_mm").toDouble(), 1647.62); // as by --reducer above
        const QJsonObject eyepiece = rows[2].toObject();
        QCOMPARE(eyepiece.value("projection_distance_mm").toDouble(), 60.0);
        QCOMPARE(eyepiece.value("efl_mm").toDouble(), 10000.0);
        // Without --projection-distance the eyepiece has no row.
        QCOMPARE(tableJson({"table", "--kit", "--ocular", "WS 5mm", "--d", "55"}).size(), 2);
        QCOMPARE(run({"kit", "remove", "eyepiece", "Ten"}).status, 0);
        QCOMPARE(run({"kit", "remove", "camera", "Small Cam"}).status, 0);
        QCOMPARE(run({"kit", "remove", "telescope", "Big Scope"}).status, 0);
    }

    // Text in a German locale: the train's numbers with a decimal comma, the reasons too.
    void germanText()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        const vkp2::cli::Result r = run(QStringList{"show", "--reducer", "0,63", "--design-spacing", "100", "--spacing", "50"} + kScope,
                                        german);
        QCOMPARE(r.status, 0);
        const QString text = out(r);
        QVERIFY2(text.contains("Lens factor = 0,815\n"), r.out.constData());
        QVERIFY(text.contains("Extended Focal Ratio = 8,15\n"));
        static const QRegularExpression dotDecimal(QStringLiteral("= [^=]*\\d\\.\\d"));
        for (const QString &line : text.split('\n')) {
            if (!line.startsWith("Element"))
                QVERIFY2(!line.contains(dotDecimal), qPrintable(line));
        }
        // A reducer 0.63x designed for 100 mm is usable from 50 to 150 mm.
        const vkp2::cli::Result solve = run(QStringList{"solve", "--focal-ratio", "4,5", "--reducer", "0,63",
                                                        "--design-spacing", "100"} + kScope, german);
        QCOMPARE(solve.status, 0);
        // A = 0.45: s = 270.27 x 0.55 = 148.65 mm, within 50 to 150.
        QVERIFY2(out(solve).contains("148,65"), solve.out.constData());
    }
};

QTEST_GUILESS_MAIN(TstCliTrain)
#include "tst_cli_train.moc"
