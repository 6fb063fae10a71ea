// vkp2plan kit and the commands that use the kit, in-process, on the sandbox's own kit.json:
// an ocular.ini written here from its field list is imported, listed, exported and imported
// again; a refused import or change leaves kit.json as it was, byte for byte.

#include "cli_runs.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

using namespace cli_runs;
using namespace vkp2;

namespace {

// One [section] of an ocular.ini: QSettings' array form, "N\key" and a size.
QByteArray section(const char *name, const QList<QList<std::pair<const char *, QString>>> &entries)
{
    QByteArray out = QByteArray("[") + name + "]\n";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        for (const auto &[key, value] : entries[i])
            out += QByteArray::number(i + 1) + '\\' + key + '=' + value.toUtf8() + '\n';
    }
    return out + "size=" + QByteArray::number(entries.size()) + "\n\n";
}

QList<std::pair<const char *, QString>> ccd(const QString &name, int w, int h, double pixel)
{
    return {{"name", name},
            {"resolutionX", QString::number(w)},
            {"resolutionY", QString::number(h)},
            {"chip_width", QString::number(w * pixel / 1000)},
            {"chip_height", QString::number(h * pixel / 1000)},
            {"pixel_width", QString::number(pixel)},
            {"pixel_height", QString::number(pixel)},
            {"binningX", "1"},
            {"binningY", "1"}};
}

// Two telescopes, three cameras and a 2x lens; `badPixel` makes the second camera's pixel
// one no camera has.
QByteArray ocularIni(bool badPixel = false)
{
    return section("telescope", {{{"name", "Garden Newton 200"}, {"focalLength", "1000"}, {"diameter", "200"}},
                                 {{"name", "Travel Refractor 70"}, {"focalLength", "400"}, {"diameter", "70"}}})
           + section("ccd", {ccd("Planet Cam", 1936, 1096, 2.9), ccd("Deep Cam", 4144, 2822, badPixel ? 0.01 : 4.63),
                             ccd("Old CCD", 765, 510, 9)})
           + section("lens", {{{"name", "Barlow 2x"}, {"multipler", "2"}}});
}

storage::Kit kitOnDisk() { return storage::readKitFile(kitPath()).kit; }

QStringList namesOf(const QJsonArray &rows, const QString &key)
{
    QStringList out;
    for (const QJsonValue &v : rows)
        out << v.toObject().value(key).toString();
    return out;
}

} // namespace

class TstCliKit : public QObject {
    Q_OBJECT

    Sandbox sandbox_;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = sandbox_.filePath(name);
        return writeBytes(path, bytes) ? path : QString();
    }

    // The kit of ocularIni(), imported into an empty kit.
    bool importTheIni()
    {
        removeKit();
        return run({"kit", "import", file("ocular.ini", ocularIni())}).status == 0;
    }

private slots:
    void initTestCase() { QVERIFY(sandbox_.isValid()); }
    void init() { removeKit(); }

    void importsAnOcularIni()
    {
        const auto r = run({"kit", "import", file("ocular.ini", ocularIni())});
        QCOMPARE(r.status, 0);
        QVERIFY2(out(r).contains(QLatin1String("imported 2 telescopes, 3 cameras, 1 barlow")), r.out.constData());
        const storage::Kit kit = kitOnDisk();
        QCOMPARE(kit.telescopes.size(), 2);
        QCOMPARE(kit.cameras.size(), 3);
        QCOMPARE(kit.lenses.size(), 1);
        QCOMPARE(kit.telescopes[0].focalLength, 1000.0);
        QCOMPARE(kit.telescopes[1].aperture, 70.0);
        QCOMPARE(kit.cameras[1].pixelWidth, 4.63);
        QCOMPARE(kit.cameras[1].width, 4144);
        QCOMPARE(kit.lenses[0].factor, 2.0);

        const QJsonArray listed = tableJson({"kit", "list"});
        QCOMPARE(namesOf(listed, "name"), (QStringList{"Garden Newton 200", "Travel Refractor 70", "Planet Cam",
                                                       "Deep Cam", "Old CCD", "Barlow 2x"}));
        QCOMPARE(namesOf(listed, "kind"),
                 (QStringList{"telescope", "telescope", "camera", "camera", "camera", "barlow"}));
        QCOMPARE(listed[2].toObject()["width_px"].toInt(), 1936);
        QCOMPARE(listed[2].toObject()["pixel_width_um"].toDouble(), 2.9);
        const QString text = out(run({"kit", "list"}));
        QVERIFY(text.contains(QString::fromUtf8("Deep Cam    4.63 × 4.63  4144 × 2822")));
    }

    void exportedIniImportsToTheSameKit()
    {
        QVERIFY(importTheIni());
        const storage::Kit first = kitOnDisk();
        const QString exported = sandbox_.filePath("exported.ini");
        const auto e = run({"kit", "export", "--format", "ocular-ini", exported});
        QCOMPARE(e.status, 0);
        removeKit();
        QCOMPARE(run({"kit", "import", exported}).status, 0);
        QCOMPARE(kitOnDisk(), first);
    }

    void refusedImportLeavesTheKit_data()
    {
        QTest::addColumn<bool>("brokenKit");
        QTest::addColumn<QString>("errPart");
        QTest::newRow("a wrong entry, no --partial") << false
                                                     << "nothing imported: 1 entry is wrong; --partial takes the others";
        QTest::newRow("a kit.json that cannot be read") << true << "the kit is left as it is";
    }
    void refusedImportLeavesTheKit()
    {
        QFETCH(bool, brokenKit);
        QFETCH(QString, errPart);
        if (brokenKit)
            QVERIFY(writeBytes(kitPath(), "{ \"format\": \"vkp2-kit\", \"version\": 1, \"cameras\": [ {"));
        else
            QVERIFY(run({"kit", "add", "telescope", "Kept", "--focal-length", "800", "--aperture", "80"}).status == 0);
        const QByteArray before = readBytes(kitPath());
        const auto r = run({"kit", "import", file("bad.ini", ocularIni(!brokenKit))});
        QCOMPARE(r.status, 1);
        QVERIFY2(err(r).contains(errPart), r.err.constData());
        // A failure says all it has to say on standard error.
        QVERIFY2(r.out.isEmpty(), r.out.constData());
        if (!brokenKit)
            QVERIFY2(err(r).contains(QLatin1String("wrong: ")), r.err.constData());
        QCOMPARE(readBytes(kitPath()), before);
    }

    void fileOfNoEquipmentFails()
    {
        const auto r = run({"kit", "import", file("empty.ini", "[telescope]\nsize=0\n[ocular]\nsize=0\n")});
        QCOMPARE(r.status, 1);
        QVERIFY2(err(r).contains(QLatin1String("the file holds no equipment")), r.err.constData());
        QVERIFY(!QFile::exists(kitPath()));
    }

    void partialTakesTheOthers()
    {
        const auto r = run({"kit", "import", file("bad.ini", ocularIni(true)), "--partial"});
        QCOMPARE(r.status, 0);
        QVERIFY(out(r).contains(QLatin1String("wrong: ")));
        QVERIFY(out(r).contains(QLatin1String("imported 2 telescopes, 2 cameras, 1 barlow")));
        QCOMPARE(kitOnDisk().cameras.size(), 2);
    }

    void namesTheKitHasAreLeftOut()
    {
        QVERIFY(run({"kit", "add", "camera", "planet-cam", "--pixel", "5", "--chip", "100x100"}).status == 0);
        const auto r = run({"kit", "import", file("ocular.ini", ocularIni())});
        QCOMPARE(r.status, 0);
        QVERIFY(out(r).contains(QLatin1String("left out: ")));
        QVERIFY(out(r).contains(QLatin1String("imported 2 telescopes, 2 cameras, 1 barlow")));
        QCOMPARE(kitOnDisk().cameras.first().pixelWidth, 5.0); // the kit's own stays
    }

    void adds_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key"); // a kit list JSON key of the new entry
        QTest::addColumn<QString>("value");
        QTest::newRow("telescope") << QStringList{"telescope", "Dob 8", "--focal-length", "1200", "--aperture", "203"}
                                   << "aperture_mm" << "203";
        QTest::newRow("camera, pixel one number") << QStringList{"camera", "Guide Cam", "--pixel", "3.75", "--chip",
                                                                 "1280x960", "--mono", "--binning-modes", "2,1"}
                                                  << "binning" << "1x1 2x2";
        QTest::newRow("camera, pixel two numbers") << QStringList{"camera", "Odd Cam", "--pixel", "4x5", "--chip", "10x20"}
                                                   << "pixel_height_um" << "5";
        QTest::newRow("barlow by its focal length")
            << QStringList{"barlow", "Shorty", "--factor", "2", "--lens-focal-length", "-100"} << "focal_length_mm"
            << "-100";
        QTest::newRow("reducer by its spacing")
            << QStringList{"barlow", "Reducer 0.63", "--factor", "0.63", "--design-spacing", "105"}
            << "design_spacing_mm" << "105";
        QTest::newRow("eyepiece") << QStringList{"eyepiece", "Plossl 10", "--focal-length", "10", "--apparent-field", "52"}
                                  << "apparent_field_deg" << "52";
        QTest::newRow("camera from the database") << QStringList{"camera", "asi462mc"} << "width_px" << "1936";
    }
    void adds()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const auto r = run(QStringList{"kit", "add"} + args);
        QCOMPARE(r.status, 0);
        const QJsonArray listed = tableJson({"kit", "list"});
        QCOMPARE(listed.size(), 1);
        const QJsonValue v = listed[0].toObject()[key];
        QCOMPARE(v.isString() ? v.toString() : QString::number(v.toDouble()), value);
    }

    void databaseNameAsTheDatabaseHasIt()
    {
        QCOMPARE(run({"kit", "add", "camera", "zwo", "asi-462mc"}).status, 0);
        const storage::Kit kit = kitOnDisk();
        QCOMPARE(kit.cameras.size(), 1);
        QCOMPARE(kit.cameras[0].name, QStringLiteral("ZWO ASI462MC"));
        QCOMPARE(kit.cameras[0].pixelWidth, 2.9);
        QCOMPARE(kit.cameras[0].height, 1096);
    }

    void refusedChanges_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errPart");
        QTest::newRow("a name the kit has, written another way")
            << QStringList{"add", "telescope", "kept-scope", "--focal-length", "500", "--aperture", "50"} << 1
            << "the kit already has a telescope \"kept-scope\"";
        QTest::newRow("a value missing") << QStringList{"add", "telescope", "New", "--focal-length", "500"} << 2
                                         << "--aperture: a telescope needs --focal-length and --aperture";
        QTest::newRow("a value no camera has")
            << QStringList{"add", "camera", "Tiny", "--pixel", "0.01", "--chip", "10x10"} << 2 << "pixel";
        QTest::newRow("a chip of part pixels")
            << QStringList{"add", "camera", "Half", "--pixel", "3", "--chip", "10.5x10"} << 2
            << "--chip: a chip is a whole number of pixels";
        QTest::newRow("another kind's value") << QStringList{"add", "camera", "C", "--factor", "2"} << 2
                                              << "--factor: not an option of kit add camera";
        QTest::newRow("no such kind") << QStringList{"add", "mount", "EQ6"} << 2
                                      << "\"mount\" is none of telescope, camera, barlow, eyepiece";
        QTest::newRow("not in the database") << QStringList{"add", "camera", "Qqqzzz 9000"} << 2
                                             << "the database has no camera \"Qqqzzz 9000\"";
        QTest::newRow("remove what the kit has not") << QStringList{"remove", "camera", "Kept Scope"} << 1
                                                     << "the kit has no camera \"Kept Scope\"";
        QTest::newRow("no such action") << QStringList{"move", "camera"} << 2 << "\"move\" is none of list, add";
        QTest::newRow("export to an import-only format")
            << QStringList{"export", "--format", "kstars", "x.sqlite"} << 2 << "not written";
        QTest::newRow("export to N.I.N.A.") << QStringList{"export", "--format", "nina", "x.xml"} << 2
                                            << "not written";
        QTest::newRow("export to no format") << QStringList{"export", "--format", "csv", "x.csv"} << 2
                                             << "\"csv\" is none of json, ocular-ini, oal";
        QTest::newRow("export over the kit file itself") << QStringList{"export", "--format", "oal", kitPath()} << 1
                                                         << "the kit file itself";
        QTest::newRow("a name of punctuation only")
            << QStringList{"add", "telescope", "***", "--focal-length", "500", "--aperture", "50"} << 2
            << "the name holds no letter or digit";
        QTest::newRow("a binning mode wider than the chip")
            << QStringList{"add", "camera", "Tiny", "--pixel", "3", "--chip", "10x10", "--binning-modes", "16"} << 2
            << "binning 16 is larger than the chip's 10 px side";
    }
    void refusedChanges()
    {
        QFETCH(QStringList, args);
        QVERIFY(run({"kit", "add", "telescope", "Kept Scope", "--focal-length", "800", "--aperture", "80"}).status == 0);
        const QByteArray before = readBytes(kitPath());
        const auto r = run(QStringList{"kit"} + args);
        QTEST(r.status, "status");
        QFETCH(QString, errPart);
        QVERIFY2(err(r).contains(errPart), r.err.constData());
        QCOMPARE(readBytes(kitPath()), before);
    }

    // The reader refuses a kind over the cap, so no change may make one.
    void kitAtTheCapTakesNoMore_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("add") << QStringList{"add", "telescope", "One More", "--focal-length", "500", "--aperture", "50"};
        storage::Kit one;
        one.telescopes = {{QStringLiteral("One More"), 500, 50}};
        QTest::newRow("import") << QStringList{"import", file("one.json", storage::kitToJson(one))};
    }
    void kitAtTheCapTakesNoMore()
    {
        QFETCH(QStringList, args);
        storage::Kit full;
        for (int i = 0; i < storage::kit_limits::kMaxEntriesPerKind; ++i)
            full.telescopes << storage::KitTelescope{QStringLiteral("Scope %1").arg(i), 1000, 100};
        QVERIFY(storage::writeKitFile(kitPath(), full));
        const QByteArray before = readBytes(kitPath());
        const auto r = run(QStringList{"kit"} + args);
        QCOMPARE(r.status, 1);
        QVERIFY2(err(r).contains(storage::tooManyEntriesProblem()), r.err.constData());
        QVERIFY2(!out(r).contains(QLatin1String("imported")) && !out(r).contains(QLatin1String("added")),
                 r.out.constData());
        QCOMPARE(readBytes(kitPath()), before);
    }

    // With no data folder to be had the kit is not written anywhere else, and reads as none.
    void noDataFolderWritesNoKit()
    {
        const QString blocker = file("not-a-folder", "x");
        const QByteArray previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker));
        const auto added = run({"kit", "add", "telescope", "Dob", "--focal-length", "1200", "--aperture", "200"});
        const auto listed = run({"kit", "list"});
        qputenv("XDG_DATA_HOME", previous);
        QCOMPARE(added.status, 1);
        QVERIFY2(err(added).contains(QLatin1String("the data folder")) && err(added).contains(QLatin1String("cannot be made")),
                 added.err.constData());
        QVERIFY(!QFile::exists(QDir::current().filePath("kit.json")));
        QCOMPARE(listed.status, 0);
        QVERIFY2(!out(listed).contains(QLatin1String("Dob")), listed.out.constData());
    }

    void removes()
    {
        QVERIFY(importTheIni());
        const auto r = run({"kit", "remove", "camera", "deep cam"});
        QCOMPARE(r.status, 0);
        QCOMPARE(out(r), QStringLiteral("removed the camera \"Deep Cam\"\n"));
        const storage::Kit kit = kitOnDisk();
        QCOMPARE(kit.cameras.size(), 2);
        QCOMPARE(kit.cameras[1].name, QStringLiteral("Old CCD"));
    }

    void exportsJsonByDefault()
    {
        QVERIFY(importTheIni());
        const QString path = sandbox_.filePath("copy.json");
        QCOMPARE(run({"kit", "export", path}).status, 0);
        const auto parsed = storage::kitFromJson(readBytes(path));
        QVERIFY(parsed.kit);
        QCOMPARE(*parsed.kit, kitOnDisk());
    }

    // show takes kit and database entries by name, shows them by it and computes with their
    // values; a kit camera bins as it offers.
    void showsKitAndDatabaseEntries_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QStringList asi{"--camera", "ZWO ASI462MC"};
        QTest::newRow("database camera: name") << asi << "camera" << "ZWO ASI462MC";
        QTest::newRow("database camera: pixel") << asi << "pixel_width_um" << "2.9";
        QTest::newRow("database camera: chip width") << asi << "chip_width_px" << "1936";
        QTest::newRow("database camera: chip height") << asi << "chip_height_px" << "1096";
        // DR-106, WS 5mm at D 55: EFL 7960.6 mm; 2.9 µm: 206265 × 0.0029 / 7960.6 = 0.075".
        QTest::newRow("database camera: scale") << asi << "scale_width_arcsec_per_px" << "0.08";
        const QStringList newton{"--telescope", "garden newton 200"};
        QTest::newRow("kit telescope: name") << newton << "telescope" << "Garden Newton 200";
        QTest::newRow("kit telescope: focal length") << newton << "focal_length_mm" << "1000";
        QTest::newRow("kit telescope: focal ratio") << newton << "focal_ratio" << "5";
        const QStringList binned{"--camera", "old ccd", "--binning", "2x2"};
        QTest::newRow("kit camera binned: name") << binned << "camera" << "Old CCD (2x2)";
        QTest::newRow("kit camera binned: pixel") << binned << "pixel_width_um" << "18";
        QTest::newRow("kit camera binned: chip, whole pixels") << binned << "chip_width_px" << "382";
    }
    void showsKitAndDatabaseEntries()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, key);
        QVERIFY(importTheIni());
        storage::Kit kit = kitOnDisk();
        kit.cameras[2].binning = {1, 2};
        QVERIFY(storage::writeKitFile(kitPath(), kit));
        const auto r = run(QStringList{"show", "--ocular", "WS 5mm", "--d", "55", "--tl", "5", "--format", "json"} + args);
        QVERIFY2(r.status == 0, r.err.constData());
        const QJsonValue v = QJsonDocument::fromJson(r.out).object()[key];
        QTEST(v.isString() ? v.toString() : QString::number(v.toDouble()), "value");
    }

    void refusedKitNames_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("a mode the kit camera does not offer")
            << QStringList{"--camera", "Planet Cam", "--binning", "2x2"}
            << "vkp2plan: --binning: the camera \"Planet Cam\" offers 1x1\n";
        QTest::newRow("a typed value for a kit telescope")
            << QStringList{"--telescope", "Travel Refractor 70", "--aperture", "60"}
            << "vkp2plan: --aperture: the telescope \"Travel Refractor 70\" has its own; leave out "
               "--telescope or give --telescope User-Defined\n";
        QTest::newRow("a mistyped kit name") << QStringList{"--camera", "Planet Cma"}
                                             << "vkp2plan: --camera: no camera \"Planet Cma\"; did you mean \"Planet Cam\"?\n";
    }
    void refusedKitNames()
    {
        QFETCH(QStringList, args);
        QVERIFY(importTheIni());
        const auto r = run(QStringList{"show"} + args);
        QCOMPARE(r.status, 2);
        QTEST(err(r), "err");
        QVERIFY(r.out.isEmpty());
    }

    // A kit file with a problem is said in one line naming it when a name is looked up in it;
    // the rest goes on as without a kit, and the exit status stays what it would be. A preset
    // name never reads the kit.
    void brokenKitIsPassedBy_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("said");
        QTest::newRow("a preset camera") << QStringList{"--camera", "SBIG ST-7E"} << false;
        QTest::newRow("a list entry") << QStringList{"--camera", "None or Film"} << false;
        QTest::newRow("a preset telescope, another case") << QStringList{"--telescope", "dr-106"} << false;
        QTest::newRow("a database camera") << QStringList{"--camera", "ZWO ASI462MC"} << true;
        QTest::newRow("a database telescope")
            << QStringList{"--telescope", "Sky-Watcher 150PDS Newtonian"} << true;
    }
    void brokenKitIsPassedBy()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, said);
        QVERIFY(writeBytes(kitPath(), "[1, 2"));
        const auto r = run(QStringList{"show"} + args);
        QVERIFY2(r.status == 0, r.err.constData());
        const QStringList lines = err(r).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), said ? 1 : 0);
        if (said) {
            QVERIFY(lines.first().startsWith(QLatin1String("vkp2plan: the kit is not used: ")));
            QVERIFY(lines.first().contains(kitPath()));
        }
        QVERIFY(!r.out.isEmpty());
        QCOMPARE(readBytes(kitPath()), QByteArray("[1, 2"));
    }

    // Every pair of kit telescope and camera, each camera in every mode it offers, named as the
    // kit names them, with the values typed by hand giving the same boxes.
    void tableWalksTheKit()
    {
        QVERIFY(importTheIni());
        storage::Kit kit = kitOnDisk();
        kit.cameras[2].binning = {1, 2};
        QVERIFY(storage::writeKitFile(kitPath(), kit));
        const auto r = run({"table", "--kit", "--ocular", "WS 5mm", "--ocular", "No-VKP2", "--d", "55", "--tl", "5",
                            "--format", "json"});
        QVERIFY2(r.status == 0, r.err.constData());
        const QJsonArray all = QJsonDocument::fromJson(r.out).array();
        // The kit's Barlow 2x has a row of its own at prime focus on each pair and mode.
        QJsonArray rows;
        qsizetype lensRows = 0;
        for (const QJsonValue &v : all) {
            if (v.toObject()["element"].toString() == QStringLiteral("Barlow 2x")) {
                ++lensRows;
                QCOMPARE(v.toObject()["ocular"].toString(), QStringLiteral("No-VKP2"));
            } else {
                rows.append(v);
            }
        }
        QCOMPARE(lensRows, 2 * 4);
        QCOMPARE(rows.size(), 2 * 4 * 2); // telescopes × (cameras and the extra mode) × oculars
        QStringList pairs;
        for (const QJsonValue &v : rows)
            pairs << v.toObject()["telescope"].toString() + " + " + v.toObject()["camera"].toString();
        QCOMPARE(pairs.first(), QStringLiteral("Garden Newton 200 + Planet Cam"));
        QVERIFY(pairs.contains(QStringLiteral("Travel Refractor 70 + Old CCD (2x2)")));
        QCOMPARE(pairs.count(QStringLiteral("Travel Refractor 70 + Deep Cam")), 2);

        // Deep Cam on the refractor through WS 5mm, typed by hand.
        const QJsonObject typed = showJson({"--focal-length", "400", "--aperture", "70", "--pixel", "4.63", "--chip",
                                            "4144x2822", "--ocular", "WS 5mm", "--d", "55", "--tl", "5"});
        QJsonObject row;
        for (const QJsonValue &v : rows) {
            const QJsonObject o = v.toObject();
            if (o["telescope"] == QStringLiteral("Travel Refractor 70") && o["camera"] == QStringLiteral("Deep Cam")
                && o["ocular"] == QStringLiteral("WS 5mm"))
                row = o;
        }
        QVERIFY(!row.isEmpty());
        for (const auto &[box, key] : kResultBoxes)
            QCOMPARE(row[QLatin1String(key)], typed[QLatin1String(key)]);
    }

    void tableOfAnEmptyKit()
    {
        const auto r = run({"table", "--kit"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(err(r).contains(QLatin1String("vkp2plan kit add")), r.err.constData());
        QVERIFY(err(r).contains(QLatin1String("vkp2plan kit import")));
    }

    void tableKitRefuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("a telescope") << QStringList{"--telescope", "DR-106"};
        QTest::newRow("a camera") << QStringList{"--camera", "SBIG ST-7E"};
        QTest::newRow("--all") << QStringList{"--all"};
        QTest::newRow("--d and a range") << QStringList{"--d", "5", "--d-step", "10"};
    }
    void tableKitRefuses()
    {
        QFETCH(QStringList, args);
        QVERIFY(importTheIni());
        const auto r = run(QStringList{"table", "--kit"} + args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstCliKit)
#include "tst_cli_kit.moc"
