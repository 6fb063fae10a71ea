// A typed telescope or camera name found among the presets, the user's kit and the database,
// in that order, with the closest names when none has it.

#include "planner/equipment_lookup.h"

#include <QtTest>

using namespace vkp2;
using namespace vkp2::planner;
using storage::KitCamera;
using storage::KitTelescope;

Q_DECLARE_METATYPE(vkp2::planner::EquipmentSource)

namespace {

KitTelescope telescope(const QString &name, double focal, double aperture)
{
    KitTelescope t;
    t.name = name;
    t.focalLength = focal;
    t.aperture = aperture;
    return t;
}

KitCamera camera(const QString &name, double pixel, int w, int h)
{
    KitCamera c;
    c.name = name;
    c.pixelWidth = c.pixelHeight = pixel;
    c.width = w;
    c.height = h;
    return c;
}

// Names no database holds, so the kit's cases cannot be answered from it.
storage::Kit testKit()
{
    storage::Kit k;
    k.telescopes = {telescope("Qwzx Refractor 80", 480, 80), telescope("Qwzx Refractor 102", 714, 102),
                    telescope("Garden Newton (self-built)", 1200, 250)};
    k.cameras = {camera("ZWO ASI462MC", 3.75, 100, 100), camera("Qwzx Cam One", 4.8, 800, 600),
                 camera("ZWO ASI462MC Pro Custom", 5, 10, 10),
                 camera("SBIG ST-7 Custom", 9, 765, 510)};
    return k;
}

} // namespace

class TstEquipmentLookup : public QObject {
    Q_OBJECT
private slots:
    void telescopes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("found");
        QTest::addColumn<EquipmentSource>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("focal");
        QTest::addColumn<double>("aperture");
        const auto preset = EquipmentSource::Preset, kit = EquipmentSource::Kit;
        QTest::newRow("preset") << "DR-106" << true << preset << "DR-106" << 530.0 << 106.0;
        QTest::newRow("preset in another case") << "dr-106" << true << preset << "DR-106" << 530.0 << 106.0;
        QTest::newRow("list entry without values") << "user-defined" << true << preset << "User-Defined"
                                                   << 0.0 << 0.0;
        QTest::newRow("kit name, punctuation and case ignored")
            << "garden newton self built" << true << kit << "Garden Newton (self-built)" << 1200.0 << 250.0;
        QTest::newRow("kit, the only entry the words match")
            << "qwzx 102" << true << kit << "Qwzx Refractor 102" << 714.0 << 102.0;
        QTest::newRow("words match two kit entries") << "qwzx refractor" << false << kit << "" << 0.0 << 0.0;
        QTest::newRow("nothing") << "Zzyzx Qqq 9000" << false << kit << "" << 0.0 << 0.0;
    }
    void telescopes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, found);
        const auto r = findTelescope(typed, testKit());
        QCOMPARE(r.found.has_value(), found);
        if (!found) {
            QVERIFY(r.closest.size() <= 3);
            return;
        }
        QTEST(r.found->source, "source");
        QTEST(r.found->entry.name, "name");
        QTEST(r.found->entry.focalLength, "focal");
        QTEST(r.found->entry.aperture, "aperture");
        QVERIFY(r.closest.isEmpty());
    }

    void closestNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a mistyped preset") << "DR106" << "DR-106";
        QTest::newRow("two kit entries the words match") << "qwzx refractor" << "Qwzx Refractor 80";
        QTest::newRow("a mistyped kit entry") << "Qwzx Refractor 1O2" << "Qwzx Refractor 102";
    }

    // Words that match one kit entry but a preset too are taken for neither.
    void wordsMatchingAPresetTakeNothing()
    {
        const auto r = findCamera(QStringLiteral("sbig st7"), testKit());
        QVERIFY(!r.found);
        QVERIFY2(r.closest.contains(QStringLiteral("SBIG ST-7E")), qPrintable(r.closest.join(", ")));
        QVERIFY(r.closest.contains(QStringLiteral("SBIG ST-7 Custom")));
        QCOMPARE(findCamera(QStringLiteral("st-7 custom"), testKit()).found->entry.name,
                 QStringLiteral("SBIG ST-7 Custom"));
    }
    void closestNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const auto r = findTelescope(typed, testKit());
        QVERIFY(!r.found);
        QVERIFY2(r.closest.contains(expected), qPrintable(r.closest.join(", ")));
    }

    void cameras_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<EquipmentSource>("source");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("pixel");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("binning");
        const auto preset = EquipmentSource::Preset, kit = EquipmentSource::Kit;
        QTest::newRow("preset") << "Apogee AP7" << preset << "Apogee AP7" << 24.0 << 512 << 512 << QList<int>{1};
        QTest::newRow("preset with binning modes")
            << "fli img261e" << preset << "FLI IMG261E" << 20.0 << 512 << 512 << QList<int>{1, 2, 3};
        QTest::newRow("kit before the database") << "zwo asi-462 mc" << kit << "ZWO ASI462MC" << 3.75
                                                 << 100 << 100 << QList<int>{1};
        QTest::newRow("kit, only match") << "cam one" << kit << "Qwzx Cam One" << 4.8 << 800 << 600
                                         << QList<int>{1};
    }
    void cameras()
    {
        QFETCH(QString, typed);
        const auto r = findCamera(typed, testKit());
        QVERIFY(r.found);
        QTEST(r.found->source, "source");
        QTEST(r.found->entry.name, "name");
        QTEST(r.found->entry.pixelWidth, "pixel");
        QTEST(r.found->entry.pixelHeight, "pixel");
        QTEST(r.found->entry.width, "width");
        QTEST(r.found->entry.height, "height");
        QTEST(r.found->entry.binning, "binning");
    }

    // Words several kit entries match are the user's to settle, even when the database holds
    // a single match for them: nothing is found and those entries are offered.
    void severalKitMatches_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("closest");
        QTest::newRow("one database match") << "zwo 462mc" << QStringList{"ZWO ASI462MC", "ZWO ASI462MC Pro Custom"};
        QTest::newRow("no database match") << "qwzx cam" << QStringList{"Qwzx Cam One", "Qwzx Cam Two"};
    }
    void severalKitMatches()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, closest);
        storage::Kit kit = testKit();
        kit.cameras << camera("Qwzx Cam Two", 4, 10, 10);
        const auto r = findCamera(typed, kit);
        QVERIFY2(!r.found, qPrintable(r.found ? r.found->entry.name : QString()));
        QCOMPARE(r.closest, closest);
    }

    // With an empty kit the database answers; an exact database name beats a kit entry the
    // words only match.
    void databaseCameras_data()
    {
        QTest::addColumn<bool>("withKit");
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty kit") << false << "ZWO ASI462MC";
        QTest::newRow("empty kit, another spelling") << false << "zwo asi 462mc";
        QTest::newRow("exact in the database, partial in the kit") << true << "ZWO-ASI462MC";
    }
    void databaseCameras()
    {
        QFETCH(bool, withKit);
        QFETCH(QString, typed);
        storage::Kit kit = testKit();
        kit.cameras.removeFirst(); // the kit's own ASI462MC
        const auto r = findCamera(typed, withKit ? kit : storage::Kit{});
        QVERIFY(r.found);
        QCOMPARE(r.found->source, EquipmentSource::Database);
        QCOMPARE(r.found->entry.name, QStringLiteral("ZWO ASI462MC"));
        QCOMPARE(r.found->entry.pixelWidth, 2.9);
        QCOMPARE(r.found->entry.width, 1936);
        QCOMPARE(r.found->entry.height, 1096);
    }
};

QTEST_GUILESS_MAIN(TstEquipmentLookup)
#include "tst_equipment_lookup.moc"
