// Import files told apart by what they hold, and kit.json imported entry by entry.

#include "storage/kit_import.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vkp2::storage;

class TstKitImport : public QObject {
    Q_OBJECT
private slots:
    void formatNames();
    void toldByContent_data();
    void toldByContent();
    void refused_data();
    void refused();
    void holdsNoEquipment_data();
    void holdsNoEquipment();
    void kitJsonEntries();
    void exportRefusesReadOnlyFormats();
    void exportNeverOverwritesKitFile_data();
    void exportNeverOverwritesKitFile();
    void exportThatMadeNothingKeepsOldFile();
};

namespace {

QString fileWith(const QTemporaryDir &dir, const QByteArray &bytes, const QString &name = QStringLiteral("in.dat"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace

void TstKitImport::formatNames()
{
    for (const KitFormat f : {KitFormat::Json, KitFormat::OcularIni, KitFormat::Oal, KitFormat::KStars, KitFormat::Nina})
        QCOMPARE(formatNamed(formatName(f)), std::optional<KitFormat>(f));
    QCOMPARE(formatNamed(QStringLiteral("ocular-ini")), std::optional<KitFormat>(KitFormat::OcularIni));
    QCOMPARE(formatNamed(QStringLiteral("INI")), std::nullopt);
    QCOMPARE(formatNamed(QString()), std::nullopt);
}

void TstKitImport::toldByContent_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<KitFormat>("format");
    QTest::newRow("sqlite") << QByteArray("SQLite format 3\0\x10\x00\x01\x01", 20) << KitFormat::KStars;
    QTest::newRow("oal") << QByteArray("<?xml version=\"1.0\"?>\n<oal:observations xmlns:oal=\""
                                       "http://groups.google.com/group/openastronomylog\" version=\"2.1\"/>")
                         << KitFormat::Oal;
    QTest::newRow("oal, default namespace")
        << QByteArray("<observations xmlns=\"http://groups.google.com/group/openastronomylog\"></observations>")
        << KitFormat::Oal;
    QTest::newRow("nina") << QByteArray("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Profile xmlns="
                                        "\"http://schemas.datacontract.org/2004/07/NINA.Profile\"></Profile>")
                          << KitFormat::Nina;
    QTest::newRow("kit.json") << kitToJson(Kit()) << KitFormat::Json;
    QTest::newRow("broken kit.json is still one") << QByteArray("  {\"format\": ") << KitFormat::Json;
    QTest::newRow("ocular.ini") << QByteArray("[General]\nversion=3\n\n[ocular]\nsize=0\n") << KitFormat::OcularIni;
    QTest::newRow("ocular.ini, telescope only") << QByteArray("[telescope]\r\nsize=0\r\n") << KitFormat::OcularIni;
    QTest::newRow("ocular.ini, lens only") << QByteArray("[lens]\n") << KitFormat::OcularIni;
    QTest::newRow("ocular.ini, ccd only") << QByteArray("; cameras\n [ccd] \n") << KitFormat::OcularIni;
}

void TstKitImport::toldByContent()
{
    QFETCH(QByteArray, content);
    QFETCH(KitFormat, format);
    QTemporaryDir dir;
    // The name says nothing; it is the content that counts.
    QCOMPARE(importKitFile(fileWith(dir, content, QStringLiteral("kit.json.ini"))).format, format);
}

void TstKitImport::refused_data()
{
    QTest::addColumn<QByteArray>("content"); // "<none>": no file; "<fifo>", "<link to fifo>"
    QTest::addColumn<QString>("problem");    // after "<path>: "
    const QString unknown = QStringLiteral("not an equipment file this program reads (ocular.ini, OAL, KStars, N.I.N.A. or kit.json)");
    QTest::newRow("missing") << QByteArray("<none>") << "no such file";
    QTest::newRow("empty") << QByteArray() << "the file is empty";
    QTest::newRow("blank") << QByteArray(" \r\n\t\n") << "the file is empty";
    QTest::newRow("too large") << QByteArray(kit_limits::kMaxFileBytes + 1, '[')
                               << "larger than 16 MiB, too large for an equipment file";
    QTest::newRow("other XML root") << QByteArray("<observations xmlns=\"http://example.org/log\"/>") << unknown;
    QTest::newRow("Profile without NINA") << QByteArray("<Profile xmlns=\"http://example.org/x\"/>") << unknown;
    QTest::newRow("HTML") << QByteArray("<html><body>[ccd]</body></html>") << unknown;
    QTest::newRow("JSON list") << QByteArray("[{\"name\": \"C8\"}]") << unknown;
    QTest::newRow("other INI") << QByteArray("[General]\nccd=1\n[ccds]\n") << unknown;
    QTest::newRow("text") << QByteArray("telescope C8 2032 203\n") << unknown;
    QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << unknown;
    // Opening a pipe would wait for a writer that never comes.
    const QString notRegular = QStringLiteral("not a regular file, so not an equipment file");
    QTest::newRow("fifo") << QByteArray("<fifo>") << notRegular;
    QTest::newRow("link to a fifo") << QByteArray("<link to fifo>") << notRegular;
}

void TstKitImport::refused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QString path;
    if (content == "<none>") {
        path = dir.filePath("none");
    } else if (content.startsWith("<") && content.endsWith("fifo>")) {
#ifdef Q_OS_UNIX
        path = dir.filePath("pipe");
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (content == "<link to fifo>") {
            QVERIFY(QFile::link(path, dir.filePath("link")));
            path = dir.filePath("link");
        }
#else
        QSKIP("pipes in the file system are Unix's");
#endif
    } else {
        path = fileWith(dir, content);
    }
    const KitImport result = importKitFile(path);
    QCOMPARE(result.problem, path + ": " + problem);
    QVERIFY(!result.ok());
    QVERIFY(result.kit.isEmpty());
}

void TstKitImport::holdsNoEquipment_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<KitFormat>("format");
    QTest::newRow("kit.json of no entries") << kitToJson(Kit()) << KitFormat::Json;
    QTest::newRow("ocular.ini of empty sections") << QByteArray("[General]\nversion=3\n[ocular]\nsize=0\n[ccd]\nsize=0\n")
                                                  << KitFormat::OcularIni;
    QTest::newRow("OAL of empty lists")
        << QByteArray("<observations xmlns=\"http://groups.google.com/group/openastronomylog\" version=\"2.1\">"
                      "<scopes/><eyepieces/><lenses/><imagers/></observations>")
        << KitFormat::Oal;
}

// Nothing to take, nothing skipped, nothing wrong: the file was not the one meant.
void TstKitImport::holdsNoEquipment()
{
    QFETCH(QByteArray, content);
    QFETCH(KitFormat, format);
    QTemporaryDir dir;
    const KitImport result = importKitFile(fileWith(dir, content));
    QCOMPARE(result.format, format);
    QCOMPARE(result.problem, QStringLiteral("the file holds no equipment"));
    QVERIFY(!result.ok());
}

void TstKitImport::kitJsonEntries()
{
    // Good entries are taken; each bad one is an error naming it, the rest still read.
    const QByteArray json =
        "{ \"format\": \"vkp2-kit\", \"version\": 1,\n"
        "  \"telescopes\": [ { \"name\": \"C8\", \"focal_length_mm\": 2032, \"aperture_mm\": 203 },\n"
        "                  { \"name\": \"c-8\", \"focal_length_mm\": 2000, \"aperture_mm\": 200 },\n"
        "                  { \"name\": \"Tiny\", \"focal_length_mm\": 0.5, \"aperture_mm\": 10 } ],\n"
        "  \"eyepieces\": [ { \"name\": \"P10\", \"focal_length_mm\": \"10\" },\n"
        "                 { \"name\": \"P25\", \"focal_length_mm\": 25 }, 7 ] }";
    const KitImport result = importKitJson(json);
    QCOMPARE(result.format, KitFormat::Json);
    QCOMPARE(result.problem, QString());
    Kit expected;
    expected.telescopes = {{QStringLiteral("C8"), 2032, 203}};
    expected.eyepieces = {{QStringLiteral("P25"), 25, {}, {}}};
    QCOMPARE(result.kit, expected);
    QCOMPARE(result.errors, QStringList({
        "telescopes[1] \"c-8\": a second telescope named \"c-8\"",
        "telescopes[2] \"Tiny\": focal length 0.5 mm is outside 1 to 100000 mm",
        "eyepieces[0] \"P10\": \"focal_length_mm\" is not a number",
        "eyepieces[2]: not an object",
    }));
    QVERIFY(!result.ok());

    // The file as a whole: nothing is taken.
    const KitImport newer = importKitJson("{ \"format\": \"vkp2-kit\", \"version\": 99, \"telescopes\": [] }");
    QCOMPARE(newer.problem, QStringLiteral("version 99 is newer than this program reads"));
    QVERIFY(newer.kit.isEmpty() && newer.errors.isEmpty());
}

void TstKitImport::exportRefusesReadOnlyFormats()
{
    QTemporaryDir dir;
    for (const KitFormat f : {KitFormat::KStars, KitFormat::Nina}) {
        QVERIFY(!canExport(f));
        QString problem;
        QVERIFY(!writeExport(dir.filePath("out"), Kit(), f, &problem));
        QVERIFY(!problem.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("out")));
    }
    // kit.json as an export is the kit file's own text.
    QVERIFY(writeExport(dir.filePath("kit.json"), Kit(), KitFormat::Json));
    QFile file(dir.filePath("kit.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kitToJson(Kit()));
}

namespace {

// The environment variable set for one test, put back as it was after.
class EnvironmentSet {
public:
    EnvironmentSet(const char *name, const QString &value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentSet()
    {
        if (had_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    bool had_;
    QByteArray previous_;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

void TstKitImport::exportNeverOverwritesKitFile_data()
{
    QTest::addColumn<QString>("target"); // in the data home; "<link>" for a link to the kit file
    QTest::addColumn<KitFormat>("format");
    QTest::addColumn<bool>("written");
    for (const KitFormat f : {KitFormat::Json, KitFormat::OcularIni, KitFormat::Oal}) {
        const QByteArray name = formatName(f).toUtf8();
        QTest::newRow(name + ", the kit file") << "VKP2/kit.json" << f << false;
        QTest::newRow(name + ", by way of ..") << "VKP2/../VKP2/./kit.json" << f << false;
        QTest::newRow(name + ", a link to it") << "<link>" << f << false;
        QTest::newRow(name + ", beside it") << "VKP2/copy.json" << f << true;
    }
}

void TstKitImport::exportNeverOverwritesKitFile()
{
    QFETCH(QString, target);
    QFETCH(KitFormat, format);
    QFETCH(bool, written);
    QTemporaryDir home;
    const EnvironmentSet dataHome("XDG_DATA_HOME", home.path());
    Kit kit;
    kit.telescopes = {{QStringLiteral("C8"), 2032, 203}};
    const QString kitPath = kitFilePath(FolderCreation::Create);
    QVERIFY(writeKitFile(kitPath, kit));
    const QByteArray before = bytesOf(kitPath);
    QString path = home.filePath(target);
    if (target == "<link>") {
        path = home.filePath("link.json");
        QVERIFY(QFile::link(kitPath, path));
    }
    QString problem;
    QCOMPARE(writeExport(path, kit, format, &problem), written);
    QCOMPARE(bytesOf(kitPath), before);
    if (written)
        QCOMPARE(bytesOf(path), exportKit(kit, format));
    else
        QVERIFY2(problem.contains("the kit file itself"), qPrintable(problem));
}

void TstKitImport::exportThatMadeNothingKeepsOldFile()
{
    // ocular.ini text is made in a temporary folder; with none to be had there is no text.
    QTemporaryDir dir;
    const QString path = dir.filePath("ocular.ini");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("[telescope]\n1\\name=Old\n");
    old.close();
    Kit kit;
    kit.telescopes = {{QStringLiteral("C8"), 2032, 203}};
    QString problem;
    bool written = true;
    {
        // A plain file: no folder can be made in it (a missing one would be passed over).
        const EnvironmentSet tmp("TMPDIR", path);
        written = writeExport(path, kit, KitFormat::OcularIni, &problem);
    }
    QVERIFY(!written);
    QVERIFY2(problem.startsWith(path + ": ") && problem.contains("left as it is"), qPrintable(problem));
    QCOMPARE(bytesOf(path), QByteArray("[telescope]\n1\\name=Old\n"));
}

QTEST_GUILESS_MAIN(TstKitImport)
#include "tst_kit_import.moc"
