// Stellarium's ocular.ini: what is read from it, what is refused, and that an exported kit
// reads back as it was.

#include "storage/kit_checks.h"
#include "storage/kit_import.h"

#include <QSettings>
#include <QTemporaryFile>
#include <QtTest>

#include <algorithm>

using namespace vkp2::storage;

Q_DECLARE_METATYPE(vkp2::storage::Kit)

namespace {

// Two telescopes, three cameras (one with pixel sizes worked out from its chip, one in the old
// spelling) and a Barlow, with keys this program does not use, as Stellarium writes them.
const QByteArray kFile = R"([General]
ccd_count=3
lens_count=1
ocular_count=0
telescope_count=2
use_max_exit_circle=false

[ccd]
1\binningX=2
1\binningY=2
1\chip_height=3.178
1\chip_width=5.614
1\chip_rot_angle=0
1\has_oag=false
1\name=ZWO ASI462MC
1\pixel_height=2.9
1\pixel_width=2.9
1\resolutionX=1936
1\resolutionY=1096
2\chip_height=14.9
2\chip_width=22.3
2\name=Canon EOS 600D
2\resolutionX=5184
2\resolutionY=3456
3\name=SBIG ST-9E
3\pixel_heght=20
3\pixel_width=20
3\resolutionX=512
3\resolutionY=512
size=3

[lens]
1\multipler=2
1\name=Barlow 2x
size=1

[telescope]
1\diameter=203.2
1\equatorial=true
1\focalLength=2032
1\hFlip=false
1\name=Celestron C8
1\vFlip=false
2\diameter=80
2\focalLength=480
2\name="Refractor 80/480, ED"
size=2
)";

KitCamera camera(const QString &name, double pw, double ph, int w, int h, QList<int> binning = {1})
{
    KitCamera c;
    c.name = name;
    c.pixelWidth = pw;
    c.pixelHeight = ph;
    c.width = w;
    c.height = h;
    c.binning = binning;
    return c;
}

KitEyepiece eyepiece(const QString &name, double f, std::optional<double> afov, std::optional<double> stop)
{
    return KitEyepiece{name, f, afov, stop};
}

Kit fileKit()
{
    Kit kit;
    kit.telescopes = {{QStringLiteral("Celestron C8"), 2032, 203.2}, {QStringLiteral("Refractor 80/480, ED"), 480, 80}};
    kit.cameras = {camera(QStringLiteral("ZWO ASI462MC"), 2.9, 2.9, 1936, 1096, {1, 2}),
                   camera(QStringLiteral("Canon EOS 600D"), 22.3 * 1000 / 5184, 14.9 * 1000 / 3456, 5184, 3456),
                   camera(QStringLiteral("SBIG ST-9E"), 20, 20, 512, 512)};
    kit.lenses = {KitLens{QStringLiteral("Barlow 2x"), 2, {}, {}}};
    return kit;
}

// One entry in a section of its own.
QByteArray section(const char *name, const QByteArray &lines)
{
    return QByteArray("[") + name + "]\n" + lines;
}

} // namespace

class TstImportOcularIni : public QObject {
    Q_OBJECT
private slots:
    void readsTheWholeFile();
    void exportReadsBack_data();
    void exportReadsBack();
    void exportIsStellariumsLayout();
    void entries_data();
    void entries();
    void binocularsAreSkipped();
    void numbers_data();
    void numbers();
    void refused_data();
    void refused();
    void fileAtTheLimitIsRead();
};

void TstImportOcularIni::readsTheWholeFile()
{
    const KitImport read = importOcularIni(kFile);
    QVERIFY2(read.ok(), qPrintable(read.problem + read.errors.join(QLatin1Char('\n'))));
    QCOMPARE(read.format, KitFormat::OcularIni);
    QCOMPARE(read.kit.telescopes, fileKit().telescopes);
    QCOMPARE(read.kit.cameras.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(read.kit.cameras[i], fileKit().cameras[i]);
    QCOMPARE(read.kit.lenses, fileKit().lenses);
    QVERIFY(read.kit.lenses.first().isBarlow());
    QVERIFY(read.kit.eyepieces.isEmpty());
    QVERIFY(read.skipped.isEmpty());
}

void TstImportOcularIni::exportReadsBack_data()
{
    QTest::addColumn<Kit>("kit");
    QTest::newRow("the file's kit") << fileKit();

    Kit awkward;
    awkward.telescopes = {{QStringLiteral("Samyang 14mm f/2.8"), 14, 5}};
    awkward.cameras = {camera(QStringLiteral("Odd \"quoted\" \\ back, slash"), 3.76, 3.75, 6248, 4176, {1, 2, 3, 4})};
    awkward.lenses = {KitLens{QStringLiteral("Reducer 0.63x"), 0.63, {}, {}},
                      KitLens{QStringLiteral("@Variant(not one)"), 2.5, {}, {}}};
    awkward.eyepieces = {eyepiece(QStringLiteral("Baader Hyperion 13mm"), 13, 68, 14.9),
                         eyepiece(QStringLiteral("Plössl 25 mm ; #"), 25, 52, std::nullopt),
                         eyepiece(QStringLiteral("Kellner 9mm"), 9, std::nullopt, std::nullopt),
                         eyepiece(QStringLiteral("Ortho 6 = six"), 6, std::nullopt, 4.3)};
    QTest::newRow("names Qt must escape, eyepieces, optional fields") << awkward;

    Kit eyepiecesOnly;
    eyepiecesOnly.eyepieces = {eyepiece(QStringLiteral("Nagler 31"), 31, 82, 42)};
    QTest::newRow("one kind only") << eyepiecesOnly;
}

void TstImportOcularIni::exportReadsBack()
{
    QFETCH(Kit, kit);
    const QByteArray ini = detail::ocularIniOf(kit);
    QVERIFY(!ini.isEmpty());
    const KitImport back = importOcularIni(ini);
    QVERIFY2(back.ok(), qPrintable(back.problem + back.errors.join(QLatin1Char('\n')) + QLatin1Char('\n') + QString::fromUtf8(ini)));
    QVERIFY(back.skipped.isEmpty());
    QCOMPARE(back.kit, kit);
}

void TstImportOcularIni::exportIsStellariumsLayout()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(detail::ocularIniOf(fileKit()));
    file.close();
    QSettings ini(file.fileName(), QSettings::IniFormat);
    QCOMPARE(ini.status(), QSettings::NoError);
    QCOMPARE(ini.value("telescope_count").toInt(), 2);
    QCOMPARE(ini.value("ccd_count").toInt(), 3);
    QCOMPARE(ini.value("lens_count").toInt(), 1);
    QCOMPARE(ini.value("ocular_count").toInt(), 0);
    QCOMPARE(ini.value("ccd/size").toInt(), 3);
    QCOMPARE(ini.value("lens/1/multipler").toDouble(), 2.0);
    QCOMPARE(ini.value("telescope/2/diameter").toDouble(), 80.0);
    // The chip in millimetres, from the pixels, for Stellarium's own sums.
    QCOMPARE(ini.value("ccd/1/chip_width").toDouble(), 1936 * 2.9 / 1000);
    QCOMPARE(ini.value("ccd/1/chip_height").toDouble(), 1096 * 2.9 / 1000);
    QCOMPARE(ini.value("ccd/1/binningY").toInt(), 2);
    QCOMPARE(ini.value("ccd/3/pixel_height").toDouble(), 20.0);
}

void TstImportOcularIni::entries_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<Kit>("expected");

    Kit photoLens;
    photoLens.telescopes = {{QStringLiteral("Samyang 14mm"), 14, 5}};
    QTest::newRow("photographic lens is a telescope")
        << section("telescope", "size=1\n1\\name=Samyang 14mm\n1\\focalLength=14\n1\\diameter=5\n") << photoLens;

    Kit anyCase;
    anyCase.telescopes = {{QStringLiteral("C8"), 2000, 200}};
    anyCase.eyepieces = {eyepiece(QStringLiteral("Hyperion 13"), 13, 68, 14.9)};
    QTest::newRow("key case and unknown keys")
        << QByteArray("[Telescope]\nSize=1\n1\\Name=C8\n1\\FOCALLENGTH=2000\n1\\Diameter=200\n1\\reticlePath=/x.png\n"
                      "[ocular]\nsize=1\n1\\name=Hyperion 13\n1\\EFL=13\n1\\aFOV=68\n1\\fieldStop=14.9\n1\\permanentCrosshair=true\n"
                      "1\\binoculars=false\n[vignetting]\n1\\name=not ours\n")
        << anyCase;

    Kit counted;
    counted.cameras = {camera(QStringLiteral("Atik 314L"), 6.45, 6.45, 1392, 1040)};
    counted.lenses = {KitLens{QStringLiteral("Powermate 2.5"), 2.5, {}, {}}};
    QTest::newRow("[General] counts, no size")
        << QByteArray("[General]\nccd_count=1\nlens_count=1\n[ccd]\n1\\name=Atik 314L\n1\\pixel_width=6.45\n1\\pixel_height=6.45\n"
                      "1\\resolutionX=1392\n1\\resolutionY=1040\n[lens]\n1\\name=Powermate 2.5\n1\\multipler=2.5\n")
        << counted;
    QTest::newRow("[General] counts from entry 0")
        << QByteArray("[General]\nccd_count=1\nlens_count=1\n[ccd]\n0\\name=Atik 314L\n0\\pixel_width=6.45\n0\\pixel_height=6.45\n"
                      "0\\resolutionX=1392\n0\\resolutionY=1040\n[lens]\n0\\name=Powermate 2.5\n0\\multiplier=2.5\n")
        << counted;

    Kit first;
    first.lenses = {KitLens{QStringLiteral("Barlow 3x"), 3, {}, {}}};
    QTest::newRow("entries past the size are stale")
        << section("lens", "size=1\n1\\name=Barlow 3x\n1\\multipler=3\n2\\name=Old one\n2\\multipler=abc\n") << first;
    QTest::newRow("size wins over the [General] count")
        << QByteArray("[General]\nlens_count=2\n") + section("lens", "size=1\n1\\name=Barlow 3x\n1\\multipler=3\n2\\name=x\n") << first;
    QTest::newRow("no count: every numbered entry")
        << section("lens", "1\\name=Barlow 3x\n1\\multipler=3\n") << first;

    Kit binned;
    binned.cameras = {camera(QStringLiteral("QHY268M"), 3.76, 3.76, 6280, 4210, {1, 2, 3})};
    QTest::newRow("binning: the smaller of X and Y")
        << section("ccd", "size=1\n1\\name=QHY268M\n1\\pixel_width=3.76\n1\\pixel_height=3.76\n1\\resolutionX=6280\n"
                          "1\\resolutionY=4210\n1\\binningX=4\n1\\binningY=3\n")
        << binned;
    QTest::newRow("binning: X alone stands for both")
        << section("ccd", "size=1\n1\\name=QHY268M\n1\\pixel_width=3.76\n1\\pixel_height=3.76\n1\\resolutionX=6280\n"
                          "1\\resolutionY=4210\n1\\binningX=3\n")
        << binned;

    Kit mixed;
    mixed.cameras = {camera(QStringLiteral("Half given"), 4.0, 12.0 * 1000 / 1000, 2000, 1000)};
    QTest::newRow("pixel width given, height from the chip")
        << section("ccd", "size=1\n1\\name=Half given\n1\\pixel_width=4\n1\\chip_width=99\n1\\chip_height=12\n"
                          "1\\resolutionX=2000\n1\\resolutionY=1000\n")
        << mixed;

    Kit unknownStop;
    unknownStop.eyepieces = {eyepiece(QStringLiteral("Plossl 32"), 32, 50, std::nullopt)};
    QTest::newRow("field stop 0 is not known")
        << section("ocular", "size=1\n1\\name=Plossl 32\n1\\efl=32\n1\\afov=50\n1\\fieldStop=0\n") << unknownStop;

    Kit spaced;
    spaced.telescopes = {{QStringLiteral("Dob 10\""), 1200, 254}};
    QTest::newRow("spaces around names and numbers")
        << section("telescope", "size = 1\n1\\name =   \"  Dob 10\\\"  \"\n1\\focalLength=  1200 \n1\\diameter=\" 254\"\n") << spaced;
}

void TstImportOcularIni::entries()
{
    QFETCH(QByteArray, ini);
    QFETCH(Kit, expected);
    const KitImport read = importOcularIni(ini);
    QVERIFY2(read.ok(), qPrintable(read.problem + read.errors.join(QLatin1Char('\n'))));
    QVERIFY(read.skipped.isEmpty());
    QCOMPARE(read.kit, expected);
}

void TstImportOcularIni::binocularsAreSkipped()
{
    const KitImport read = importOcularIni(
        section("ocular", "size=3\n1\\name=Nikon 10x50\n1\\binoculars=true\n1\\efl=0\n1\\afov=6.5\n"
                          "2\\name=Delite 7\n2\\efl=7\n2\\afov=62\n2\\fieldStop=7.6\n"
                          "3\\name=Celestron 15x70\n3\\binoculars=TRUE\n3\\efl=70\n"));
    QVERIFY2(read.ok(), qPrintable(read.problem + read.errors.join(QLatin1Char('\n'))));
    QCOMPARE(read.kit.eyepieces, QList<KitEyepiece>{eyepiece(QStringLiteral("Delite 7"), 7, 62, 7.6)});
    QCOMPARE(read.skipped.size(), 2);
    QVERIFY2(read.skipped[0].startsWith(QLatin1String("[ocular] entry 1 \"Nikon 10x50\": ")), qPrintable(read.skipped[0]));
    QVERIFY2(read.skipped[0].contains(QLatin1String("binoculars")), qPrintable(read.skipped[0]));
    QVERIFY2(read.skipped[1].contains(QLatin1String("Celestron 15x70")), qPrintable(read.skipped[1]));
}

void TstImportOcularIni::numbers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("focalLength"); // 0: refused as no number
    QTest::newRow("whole") << QByteArray("1000") << 1000.0;
    QTest::newRow("decimal point") << QByteArray("1000.5") << 1000.5;
    QTest::newRow("exponent") << QByteArray("1.2e3") << 1200.0;
    QTest::newRow("quoted") << QByteArray("\"900\"") << 900.0;
    QTest::newRow("decimal comma") << QByteArray("\"1000,5\"") << 0.0;
    QTest::newRow("two numbers") << QByteArray("1000,5") << 0.0;
    QTest::newRow("unit") << QByteArray("1000mm") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << 0.0;
    QTest::newRow("overflow") << QByteArray("1e999") << 0.0;
    QTest::newRow("hex") << QByteArray("0x3e8") << 0.0;
}

void TstImportOcularIni::numbers()
{
    QFETCH(QByteArray, text);
    QFETCH(double, focalLength);
    const KitImport read = importOcularIni(section("telescope", "1\\name=T\n1\\diameter=100\n1\\focalLength=" + text + "\n"));
    QVERIFY(read.problem.isEmpty());
    if (focalLength == 0) {
        QCOMPARE(read.errors.size(), 1);
        QVERIFY2(read.errors[0].startsWith(QLatin1String("[telescope] entry 1 \"T\": focalLength \"")), qPrintable(read.errors[0]));
        QVERIFY2(read.errors[0].endsWith(QLatin1String("\" is no number")), qPrintable(read.errors[0]));
        QVERIFY(read.kit.isEmpty());
    } else {
        QVERIFY2(read.ok(), qPrintable(read.errors.join(QLatin1Char('\n'))));
        QCOMPARE(read.kit.telescopes.size(), 1);
        QCOMPARE(read.kit.telescopes[0].focalLength, focalLength);
    }
}

void TstImportOcularIni::refused_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("expected"); // found in the problem or in one of the errors
    QTest::addColumn<int>("taken");

    const QByteArray scope = "[telescope]\n1\\name=A\n1\\focalLength=1000\n";
    const QByteArray ccd = "[ccd]\n3\\name=ASI 462\n3\\resolutionX=1936\n3\\resolutionY=1096\n3\\pixel_height=2.9\n";

    QTest::newRow("JSON") << QByteArray(R"({"telescopes": [{"name": "C8", "focalLength": 2032}]})") << "not" << 0;
    QTest::newRow("XML") << QByteArray("<?xml version=\"1.0\"?>\n<Profile><Name>x</Name></Profile>\n") << "not" << 0;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[", 19) << "not" << 0;
    QTest::newRow("empty") << QByteArray() << "no [telescope], [ccd], [lens] or [ocular] section" << 0;
    QTest::newRow("other sections only") << QByteArray("[General]\nocular_count=2\n[vignetting]\n1\\name=x\n")
                                         << "no [telescope], [ccd], [lens] or [ocular] section" << 0;
    QTest::newRow("sections of no entries") << QByteArray("[telescope]\nsize=0\n[ccd]\nsize=0\n[lens]\nsize=0\n[ocular]\nsize=0\n")
                                            << "the file holds no equipment" << 0;
    QTest::newRow("[General] counts of none") << QByteArray("[General]\ntelescope_count=0\nocular_count=0\n[telescope]\nsize=0\n[ocular]\nsize=0\n")
                                              << "the file holds no equipment" << 0;
    QTest::newRow("a section of no entry's fields") << QByteArray("[ocular]\nversion=2\n") << "the file holds no equipment" << 0;
    QTest::newRow("truncated mid entry") << QByteArray("[telescope]\nsize=2\n1\\name=A\n1\\focalLength=1000\n1\\diameter=100\n2\\name=B\n2\\focalLen")
                                         << "[telescope] entry 2 \"B\": no focalLength" << 1;
    QTest::newRow("truncated: fewer entries than the size") << QByteArray("[lens]\nsize=3\n1\\name=B2\n1\\multipler=2\n2\\name=B3\n2\\multipler=3\n")
                                                            << "[lens] entry 3: no name" << 2;
    QTest::newRow("missing diameter") << scope << "[telescope] entry 1 \"A\": no diameter" << 0;
    QTest::newRow("missing name") << QByteArray("[telescope]\n1\\focalLength=1000\n1\\diameter=100\n") << "[telescope] entry 1: no name" << 0;
    QTest::newRow("non-numeric pixel") << ccd + "3\\pixel_width=abc\n" << "[ccd] entry 3 \"ASI 462\": pixel_width \"abc\" is no number" << 0;
    QTest::newRow("no pixel size and no chip") << ccd << "[ccd] entry 3 \"ASI 462\": no pixel_width" << 0;
    QTest::newRow("resolution not whole, only one") << QByteArray("[ccd]\n1\\name=C\n1\\resolutionX=1936.5\n1\\resolutionY=1096\n1\\pixel_width=3\n1\\pixel_height=3\n")
                                                    << "[ccd] entry 1 \"C\": resolutionX \"1936.5\" is no whole number" << 0;
    QTest::newRow("resolution beyond int") << QByteArray("[ccd]\n1\\name=C\n1\\resolutionX=1e12\n1\\resolutionY=1096\n1\\pixel_width=3\n1\\pixel_height=3\n")
                                           << "[ccd] entry 1 \"C\": resolutionX \"1e12\" is no whole number" << 0;
    QTest::newRow("zero resolution, pixels from the chip") << QByteArray("[ccd]\n1\\name=C\n1\\resolutionX=0\n1\\resolutionY=0\n1\\chip_width=5\n1\\chip_height=4\n")
                                                           << "[ccd] entry 1 \"C\": " << 0;
    QTest::newRow("negative focal length") << QByteArray(scope).replace("1000", "-1000") + "1\\diameter=100\n" << "[telescope] entry 1 \"A\": " << 0;
    QTest::newRow("zero diameter") << QByteArray("[telescope]\n1\\name=A\n1\\focalLength=1000\n1\\diameter=0\n") << "[telescope] entry 1 \"A\": " << 0;
    QTest::newRow("0.01 um pixel") << ccd + "3\\pixel_width=0.01\n" << "[ccd] entry 3 \"ASI 462\": " << 0;
    QTest::newRow("binning 0") << QByteArray("[ccd]\n1\\name=C\n1\\resolutionX=100\n1\\resolutionY=100\n1\\pixel_width=3\n1\\pixel_height=3\n1\\binningX=0\n")
                               << "[ccd] entry 1 \"C\": binning 0 is outside 1 to 16" << 0;
    QTest::newRow("binning 40") << QByteArray("[ccd]\n1\\name=C\n1\\resolutionX=100\n1\\resolutionY=100\n1\\pixel_width=3\n1\\pixel_height=3\n1\\binningX=40\n1\\binningY=2000000000\n")
                                << "[ccd] entry 1 \"C\": binning 40 is outside 1 to 16" << 0;
    QTest::newRow("lens factor no number") << QByteArray("[lens]\n1\\name=B\n1\\multipler=two\n") << "[lens] entry 1 \"B\": multipler \"two\" is no number" << 0;
    QTest::newRow("lens factor 0") << QByteArray("[lens]\n1\\name=B\n1\\multipler=0\n") << "[lens] entry 1 \"B\": " << 0;
    QTest::newRow("eyepiece without focal length") << QByteArray("[ocular]\n1\\name=E\n1\\afov=50\n") << "[ocular] entry 1 \"E\": no efl" << 0;
    QTest::newRow("eyepiece field stop negative") << QByteArray("[ocular]\n1\\name=E\n1\\efl=10\n1\\fieldStop=-3\n") << "[ocular] entry 1 \"E\": " << 0;
    QTest::newRow("duplicated names") << QByteArray("[telescope]\n1\\name=Celestron C8\n1\\focalLength=2032\n1\\diameter=203\n"
                                                    "2\\name=celestron-c8\n2\\focalLength=2000\n2\\diameter=200\n")
                                      << "[telescope] entry 2 \"celestron-c8\": a second telescope" << 1;
    QTest::newRow("size no number") << QByteArray("[lens]\nsize=abc\n1\\name=B\n1\\multipler=2\n") << "[lens] size \"abc\" is no number" << 0;
    QTest::newRow("size negative") << QByteArray("[lens]\nsize=-1\n1\\name=B\n1\\multipler=2\n") << "[lens] size -1" << 0;
    QTest::newRow("size past any kit") << QByteArray("[lens]\nsize=2000000000\n1\\name=B\n1\\multipler=2\n") << "[lens] size 2000000000" << 0;
    QTest::newRow("[General] count no number") << QByteArray("[General]\nlens_count=x\n[lens]\n1\\name=B\n1\\multipler=2\n")
                                               << "[lens] lens_count \"x\" is no number" << 0;
    QTest::newRow("a later section fails the file") << QByteArray("[telescope]\n1\\name=A\n1\\focalLength=1000\n1\\diameter=100\n[ocular]\nsize=x\n")
                                                    << "[ocular] size" << 0;

    QByteArray huge = kFile;
    huge.append(kit_limits::kMaxFileBytes + 1 - huge.size(), '\n');
    QTest::newRow("one byte over the size limit") << huge << "larger than 16 MiB" << 0;
}

void TstImportOcularIni::refused()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, expected);
    QFETCH(int, taken);
    const KitImport read = importOcularIni(ini);
    QVERIFY(!read.ok());
    QCOMPARE(read.kit.size(), taken);
    if (!read.problem.isEmpty()) {
        QVERIFY(read.kit.isEmpty() && read.errors.isEmpty() && read.skipped.isEmpty());
        QVERIFY2(read.problem.contains(expected), qPrintable(read.problem));
        return;
    }
    QVERIFY2(std::any_of(read.errors.cbegin(), read.errors.cend(), [&](const QString &e) { return e.startsWith(expected); }),
             qPrintable(read.errors.join(QLatin1Char('\n'))));
}

void TstImportOcularIni::fileAtTheLimitIsRead()
{
    QByteArray full = kFile;
    full.append(kit_limits::kMaxFileBytes - full.size(), '\n');
    const KitImport read = importOcularIni(full);
    QVERIFY2(read.ok(), qPrintable(read.problem + read.errors.join(QLatin1Char('\n'))));
    QCOMPARE(read.kit.size(), fileKit().size());
}

QTEST_GUILESS_MAIN(TstImportOcularIni)
#include "tst_import_ocular_ini.moc"
