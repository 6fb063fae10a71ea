// vkp2plan find, in-process: the kit's and the database's entries a text matches, with their
// values, the kit's first; nothing found is a failed action, a bad kind a usage error.

#include "cli_runs.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

using namespace cli_runs;

namespace {

// A kit of one camera whose name no database holds but which "462" matches.
const QByteArray kKit = R"({ "format": "vkp2-kit", "version": 1,
  "telescopes": [], "lenses": [], "eyepieces": [],
  "cameras": [ { "name": "Qwzx Cam 462 Custom", "pixel_width_um": 3.75, "pixel_height_um": 3.75,
                 "width_px": 1280, "height_px": 960, "colour": "mono", "binning": [1, 2] } ] })";

QJsonObject rowNamed(const QJsonArray &rows, const QString &name)
{
    for (const QJsonValue &v : rows) {
        if (v.toObject().value(QStringLiteral("name")).toString() == name)
            return v.toObject();
    }
    return {};
}

} // namespace

class TstCliFind : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }
    void init() { removeKit(); }

    // The database's ASI462MC, however the words are written.
    void findsTheDatabaseEntry_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::newRow("a number") << QStringList{"cameras", "462"};
        QTest::newRow("maker and model as two words") << QStringList{"cameras", "zwo", "462mc"};
        QTest::newRow("the kind in the singular") << QStringList{"camera", "ASI 462 MC"};
    }
    void findsTheDatabaseEntry()
    {
        QFETCH(QStringList, words);
        const auto r = run(QStringList{"find"} + words + QStringList{"--format", "json"});
        QCOMPARE(r.status, 0);
        const QJsonObject asi = rowNamed(QJsonDocument::fromJson(r.out).array(), "ZWO ASI462MC");
        QVERIFY2(!asi.isEmpty(), r.out.constData());
        QCOMPARE(asi["source"].toString(), QStringLiteral("database"));
        QCOMPARE(asi["pixel_width_um"].toDouble(), 2.9);
        QCOMPARE(asi["pixel_height_um"].toDouble(), 2.9);
        QCOMPARE(asi["width_px"].toInt(), 1936);
        QCOMPARE(asi["height_px"].toInt(), 1096);
    }

    void textIsAligned()
    {
        const auto r = run({"find", "cameras", "462"});
        QCOMPARE(r.status, 0);
        const QStringList lines = out(r).split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 2);
        QString asi;
        for (const QString &l : lines) {
            if (l.startsWith(QLatin1String("ZWO ASI462MC ")))
                asi = l;
        }
        QVERIFY2(asi.contains(QString::fromUtf8("2.9 × 2.9")), qPrintable(out(r)));
        QVERIFY(asi.contains(QString::fromUtf8("1936 × 1096")));
        // Every row's values start under their heading.
        const qsizetype pixelColumn = lines.first().indexOf(QLatin1String("Pixel"));
        QVERIFY(pixelColumn > 0);
        QCOMPARE(asi.indexOf(QLatin1String("2.9")), pixelColumn);
    }

    void kitComesFirst()
    {
        QVERIFY(writeBytes(kitPath(), kKit));
        const QJsonArray rows = tableJson({"find", "cameras", "462"});
        QVERIFY(rows.size() >= 2);
        const QJsonObject first = rows.first().toObject();
        QCOMPARE(first["name"].toString(), QStringLiteral("Qwzx Cam 462 Custom"));
        QCOMPARE(first["source"].toString(), QStringLiteral("kit"));
        QCOMPARE(first["binning"].toString(), QStringLiteral("1x1 2x2"));
        QCOMPARE(first["colour"].toString(), QStringLiteral("mono"));
        QCOMPARE(rowNamed(rows, "ZWO ASI462MC")["source"].toString(), QStringLiteral("database"));
    }

    void csvHasTheKeys()
    {
        QVERIFY(writeBytes(kitPath(), R"({ "format": "vkp2-kit", "version": 1, "cameras": [],
            "lenses": [], "eyepieces": [],
            "telescopes": [ { "name": "Qwzx Newton, 200/1000", "focal_length_mm": 1000, "aperture_mm": 200 } ] })"));
        const auto r = run({"find", "telescopes", "qwzx", "--format", "csv"});
        QCOMPARE(r.status, 0);
        const QList<QStringList> rows = parseCsv(out(r));
        QCOMPARE(rows, (QList<QStringList>{{"name", "source", "focal_length_mm", "aperture_mm"},
                                           {"Qwzx Newton, 200/1000", "kit", "1000", "200"}}));
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("nothing matches") << QStringList{"find", "cameras", "qqqzzzxxx"} << 1
                                         << "vkp2plan: no camera matches \"qqqzzzxxx\"\n";
        QTest::newRow("no kind") << QStringList{"find"} << 2
                                 << "vkp2plan: find: give one of cameras, telescopes, eyepieces, "
                                    "barlows, then the text to look for\n";
        QTest::newRow("a kind there is none of") << QStringList{"find", "mounts", "eq6"} << 2
                                                 << "vkp2plan: find: \"mounts\" is none of cameras, "
                                                    "telescopes, eyepieces, barlows\n";
        QTest::newRow("no letter or digit") << QStringList{"find", "cameras", "!!!"} << 2
                                            << "vkp2plan: find: \"!!!\" holds no letter or digit\n";
        QTest::newRow("no text") << QStringList{"find", "barlows"} << 2
                                 << "vkp2plan: find: give the text to look for after \"barlows\"\n";
    }
    void refused()
    {
        QFETCH(QStringList, args);
        const auto r = run(args);
        QTEST(r.status, "status");
        QTEST(err(r), "err");
        QVERIFY(r.out.isEmpty());
    }

    // A kit file that cannot be read is said once; the database still answers.
    void brokenKitIsSaidAndPassedBy()
    {
        QVERIFY(writeBytes(kitPath(), "{ not json"));
        const auto r = run({"find", "cameras", "462"});
        QCOMPARE(r.status, 0);
        const QStringList lines = err(r).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.first().contains(kitPath()));
        QVERIFY(out(r).contains(QLatin1String("ZWO ASI462MC")));
    }
};

QTEST_GUILESS_MAIN(TstCliFind)
#include "tst_cli_find.moc"
