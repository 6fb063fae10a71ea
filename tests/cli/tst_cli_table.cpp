// vkp2plan table, in-process: each row is what the calculator shows for that setup started
// afresh, labelled with what it shows.

#include "cli_runs.h"
#include "planner/setup.h"

#include <QTest>

using namespace cli_runs;
using namespace vkp2;

namespace {

const QString kRefusal = QStringLiteral("Note: This camera does not support 3x3 Binning (binning falls back to 2x2)");

} // namespace

class TstCliTable : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }

    void csvTableReadsBack()
    {
        const vkp2::cli::Result r = run({"table", "--format", "csv", "--ocular", "WS 12.5mm", "--camera",
                                         "SBIG ST-7E", "--d-from", "0", "--d-to", "100", "--d-step", "25"});
        QCOMPARE(r.status, 0);
        const QList<QStringList> rows = parseCsv(out(r));
        QCOMPARE(rows.size(), 6);
        const QStringList head = rows.first();
        const qsizetype d = head.indexOf("d_mm"), efl = head.indexOf("efl_mm");
        QVERIFY(d >= 0 && efl >= 0);
        for (int i = 1; i < rows.size(); ++i) {
            QCOMPARE(rows[i].size(), head.size());
            QCOMPARE(rows[i][d].toDouble(), 25.0 * (i - 1));
            QCOMPARE(rows[i][efl], planner::show(setupOf("DR-106", "WS 12.5mm", "5", rows[i][d],
                                                         "SBIG ST-7E", "1x1")).box(vkp2::Box::efl));
        }
    }

    // Prime focus locks its own distances at 0, not those of the other oculars in the table.
    void tableOcularsKeepDistances()
    {
        const QJsonArray rows = tableJson({"table", "--ocular", "PT 9mm", "--ocular", "No-VKP2", "--d", "100"});
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].toObject().value("d_mm").toDouble(), 100.0);
        QCOMPARE(rows[1].toObject().value("d_mm").toDouble(), 0.0);
        QCOMPARE(rows[1].toObject().value("tl_mm").toDouble(), 0.0);
        QCOMPARE(rows[1].toObject().value("efl_mm").toDouble(), 530.0); // the telescope's own
    }

    // A refused mode: the row shows the mode the calculator fell back to, and says why.
    void refusedModeIsLabelledAsShown()
    {
        const vkp2::cli::Result r = run({"table", "--camera", "Starlight Express HX916", "--binning",
                                         "3x3", "--ocular", "WS 5mm", "--d", "55", "--format", "csv"});
        QCOMPARE(r.status, 1);
        const QList<QStringList> rows = parseCsv(out(r));
        QCOMPARE(rows.size(), 2);
        const QStringList head = rows.first();
        QCOMPARE(rows[1][head.indexOf("binning")], QString("2x2"));
        QCOMPARE(rows[1][head.indexOf("note")], kRefusal);
        const planner::Shown shown = planner::show(setupOf("DR-106", "WS 5mm", "5", "55",
                                                           "Starlight Express HX916", "3x3"));
        QCOMPARE(rows[1][head.indexOf("efl_mm")], shown.box(vkp2::Box::efl));
        QCOMPARE(rows[1][head.indexOf("scale_width_arcsec_per_px")], shown.box(vkp2::Box::Pixelscale_width));
    }

    // The focal-ratio column comes with any focal-ratio advice asked for.
    void focalRatioColumn_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("column");
        QTest::newRow("nothing asked") << QStringList{} << false;
        QTest::newRow("a planet") << QStringList{"--target", "mars"} << true;
        QTest::newRow("colour") << QStringList{"--colour"} << true;
        QTest::newRow("wavelength") << QStringList{"--wavelength", "650"} << true;
    }

    void focalRatioColumn()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, column);
        const QJsonArray rows = tableJson(QStringList{"table", "--camera", "SBIG ST-7E", "--d", "55",
                                                      "--ocular", "WS 5mm"} + args);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject().contains("focal_ratio_sampling"), column);
        if (column) // f/75.1 against 32.73 to 49.09 (9 µm, 550 nm), or more when asked for so
            QVERIFY(!rows[0].toObject().value("focal_ratio_sampling").toString().isEmpty());
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("too many rows") << QStringList{"table", "--d-step", "0.001"}
                                       << "vkp2plan: --d-step: more than 100000 rows; use a larger step or a shorter range\n";
        QTest::newRow("all at a D out of range") << QStringList{"table", "--all", "--d", "1001"}
                                                 << "vkp2plan: --d: 1001 is outside 0 to 1000, which the adapter allows\n";
        QTest::newRow("all with a camera") << QStringList{"table", "--all", "--camera", "SBIG ST-7E"}
                                           << "vkp2plan: --camera: cannot be combined with --all\n";
        QTest::newRow("TL with only No-VKP2") << QStringList{"table", "--ocular", "No-VKP2", "--tl", "3"}
                                              << "vkp2plan: --tl: the distances are fixed at 0 with No-VKP2\n";
        QTest::newRow("D and a range") << QStringList{"table", "--d", "5", "--d-to", "9"}
                                       << "vkp2plan: --d: give either --d or --d-from/--d-to/--d-step\n";
        QTest::newRow("unknown list") << QStringList{"list", "stars"}
                                      << "vkp2plan: list: \"stars\" is none of telescopes, oculars, cameras\n";
    }

    void refused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, line);
        const vkp2::cli::Result r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(err(r), line);
    }

    // JSON that parses, with numbers (or null) under every key with a unit.
    void jsonParses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("list cameras") << QStringList{"list", "cameras"};
        QTest::newRow("table") << QStringList{"table", "--d-step", "500", "--target", "jupiter"};
        QTest::newRow("solve") << QStringList{"solve", "--focal-ratio", "30"};
        QTest::newRow("show with target") << QStringList{"show", "--camera", "SBIG ST-7E", "--target", "moon"};
    }

    void jsonParses()
    {
        QFETCH(QStringList, args);
        const vkp2::cli::Result r = run(args + QStringList{"--format", "json"});
        QCOMPARE(r.status, 0);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject first = doc.isArray() ? doc.array().first().toObject() : doc.object();
        QVERIFY(!first.isEmpty());
        for (const QString &key : first.keys()) {
            if (key.endsWith("_mm") || key.endsWith("_px") || key.endsWith("_um") || key.endsWith("_arcsec"))
                QVERIFY2(first.value(key).isDouble() || first.value(key).isNull(), qPrintable(key));
        }
    }

    // Every kit row is what show() gives for the same setup started afresh.
    void allRowsEqualShow()
    {
        const vkp2::cli::Result r = run({"table", "--all", "--format", "csv"});
        QCOMPARE(r.status, 1); // the HX916 refuses 3x3 in every telescope and ocular
        const QList<QStringList> rows = parseCsv(out(r));
        // 19 telescopes, 11 oculars, 55 cameras without binning and 20 with 3 modes each.
        QCOMPARE(rows.size(), 1 + 19 * 11 * (55 + 20 * 3));
        const QStringList head = rows.first();
        const auto col = [&](const char *key) { return head.indexOf(QLatin1String(key)); };
        int checked = 0, refusedRows = 0;
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const QStringList &row = rows[i];
            QCOMPARE(row.size(), head.size());
            const bool refused = row[col("note")].contains(kRefusal);
            if (refused) {
                ++refusedRows;
                QVERIFY(row[col("camera")].contains("HX916"));
                QCOMPARE(row[col("binning")], QString("2x2")); // as shown, not as asked
            }
            if (i % 61 != 0 && !(refused && i % 7 == 0))
                continue;
            const QString ocular = row[col("ocular")];
            const QString distance = ocular == "No-VKP2" ? "0" : "55";
            const QString tl = ocular == "No-VKP2" ? "0" : "5";
            const QString mode = refused ? "3x3" : row[col("binning")].isEmpty() ? "1x1" : row[col("binning")];
            const planner::Shown shown = planner::show(
                setupOf(row[col("telescope")], ocular, tl, distance, row[col("camera")], mode));
            for (const auto &[box, key] : kResultBoxes)
                QCOMPARE(row[col(key)], shown.box(box));
            ++checked;
        }
        QCOMPARE(refusedRows, 19 * 11);
        QVERIFY(checked > 300);
    }
};

QTEST_GUILESS_MAIN(TstCliTable)
#include "tst_cli_table.moc"
