// vkp2plan solve, in-process: the D each ocular needs, checked by solving back and by hand.

#include "cli_runs.h"

#include <QTest>

using namespace cli_runs;

class TstCliSolve : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

    static QJsonObject firstRow(const QStringList &args)
    {
        return tableJson(QStringList{"solve"} + args).first().toObject();
    }

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }

    // Solving for the focal length a D shows gives that D back, to the 2 decimals it is typed.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("telescope");
        QTest::addColumn<QString>("ocular");
        QTest::addColumn<QString>("tl");
        QTest::addColumn<double>("d");
        QTest::newRow("DR-106 WS 5mm") << "DR-106" << "WS 5mm" << "5" << 55.0;
        QTest::newRow("AR-100 PT 18mm") << "AR-100" << "PT 18mm" << "10" << 312.25;
        QTest::newRow("BR-152 WS 24mm at the end stop") << "BR-152" << "WS 24mm" << "0" << 1000.0;
    }

    void roundTrip()
    {
        QFETCH(QString, telescope);
        QFETCH(QString, ocular);
        QFETCH(QString, tl);
        QFETCH(double, d);
        const QStringList setup{"--telescope", telescope, "--ocular", ocular, "--tl", tl};
        const double efl = showJson(setup + QStringList{"--d", QString::number(d)}).value("efl_mm").toDouble();
        QVERIFY(efl > 0);
        const QJsonObject row = firstRow(QStringList{"--efl", QString::number(efl, 'g', 17)} + setup);
        QCOMPARE(row.value("ocular").toString(), ocular);
        QCOMPARE(row.value("d_mm").toDouble(), d);
        QCOMPARE(row.value("efl_mm").toDouble(), efl);
    }

    // --focal-length and --aperture are the telescope's in solve as everywhere. By hand, F 1200,
    // D 200, f/30: EFL 6000, D = (6000/1200 + 1) x 5 - (58 + 5 + 3 - 40.9) = 4.9 mm.
    void telescopeOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("efl");
        QTest::newRow("typed telescope") << QStringList{"--focal-length", "1200", "--aperture", "200"} << 4.9 << 6000.0;
        // F 530 kept, aperture 200: EFL 6000, D = (6000/530 + 1) x 5 - 25.1 = 36.50 mm, and
        // the calculator shows 36.5 mm as (36.5 + 25.1)/5 - 1 = 11.32 x 530 = 5999.6 mm.
        QTest::newRow("User-Defined aperture")
            << QStringList{"--telescope", "User-Defined", "--aperture", "200"} << 36.5 << 5999.6;
    }

    void telescopeOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(double, d);
        QFETCH(double, efl);
        const QJsonObject row = firstRow(args + QStringList{"--focal-ratio", "30", "--ocular", "WS 5mm"});
        QCOMPARE(row.value("d_mm").toDouble(), d);
        QCOMPARE(row.value("efl_mm").toDouble(), efl);
    }

    // WS 5mm on DR-106 reaches f/20.1 at D 0; f/20.099 needs D = -0.001 mm, which is typed 0.
    void endStopWithinRounding()
    {
        const QJsonObject row = firstRow({"--focal-ratio", "20.099", "--ocular", "WS 5mm"});
        QCOMPARE(row.value("d_mm").toDouble(), 0.0);
        QVERIFY(row.value("reason").isNull());
        const QJsonObject beyond = firstRow({"--focal-ratio", "20.09", "--ocular", "WS 5mm"});
        QVERIFY(beyond.value("d_mm").isNull());
        QCOMPARE(beyond.value("needed_d_mm").toDouble(), -0.01); // (2129.54/530 + 1) x 5 - 25.1
    }

    void outOfReach()
    {
        const QJsonObject row = firstRow({"--efl", "200000", "--ocular", "WS 5mm"});
        QVERIFY(row.value("d_mm").isNull());
        QCOMPARE(row.value("reason").toString(), QString("needs D = 1867 mm; the adapter allows 0 to 1000"));
        // By hand: (200000/530 + 1) x 5 - (58 + 5 + 3 - 40.9) = 1866.69 mm.
        QCOMPARE(row.value("needed_d_mm").toDouble(), 1866.69);
    }

    // f/15 on DR-106 with the WS 5mm: (1590/530 + 1) x 5 - 25.1 = -5.1 mm.
    void reasonsInTheLocale()
    {
        const vkp2::cli::Result r = run({"solve", "--focal-ratio", "15", "--ocular", "WS 5mm"},
                                        QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(r.status, 0);
        QVERIFY2(out(r).contains("needs D = -5,1 mm; the adapter allows 0 to 1000"), r.out.constData());
        const QJsonObject row = firstRow({"--focal-ratio", "15", "--ocular", "WS 5mm"});
        QCOMPARE(row.value("reason").toString(), QString("needs D = -5.1 mm; the adapter allows 0 to 1000"));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("no goal") << QStringList{} << "vkp2plan: solve: needs a goal: --focal-ratio N, --pixel-scale ARCSEC or --efl MM\n";
        QTest::newRow("two goals") << QStringList{"--focal-ratio", "20", "--efl", "3000"}
                                   << "vkp2plan: --efl: give one goal: --focal-ratio, --pixel-scale or --efl\n";
        QTest::newRow("preset with a focal length") << QStringList{"--telescope", "AR-50", "--focal-length", "500", "--efl", "3000"}
                                                    << "vkp2plan: --focal-length: a preset telescope has its own; leave out --telescope or give --telescope User-Defined\n";
        QTest::newRow("TL out of range") << QStringList{"--focal-ratio", "20", "--tl", "50"}
                                         << "vkp2plan: --tl: 50 is outside 0 to 30, which the adapter allows\n";
        QTest::newRow("pixel scale without camera") << QStringList{"--pixel-scale", "1"}
                                                    << "vkp2plan: --pixel-scale: the setup has no camera; give --camera or --pixel\n";
    }

    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        const vkp2::cli::Result r = run(QStringList{"solve"} + args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(err(r), line);
    }
};

QTEST_GUILESS_MAIN(TstCliSolve)
#include "tst_cli_solve.moc"
