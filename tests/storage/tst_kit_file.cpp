// kit.json: what is written reads back the same, what is wrong is named with its place, and a
// kit file that cannot be read is never overwritten.

#include "storage/kit_file.h"
#include "storage/kit_checks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace vkp2::storage;

class TstKitFile : public QObject {
    Q_OBJECT
private slots:
    void roundTrip();
    void roundTripThroughFile();
    void unknownKeysAndMissingListsAreFine();
    void badText_data();
    void badText();
    void readingFiles_data();
    void readingFiles();
    void writeRefusesOverBadFile_data();
    void writeRefusesOverBadFile();
    void writeRefusesBadEntry();
    void writeRefusesOverlargeKind_data();
    void writeRefusesOverlargeKind();
    void writeMakesMissingFolder();
    void failedWriteLeavesPreviousFile();
    void pathIsInDataFolder();
    void noDataFolderRefusesWrite_data();
    void noDataFolderRefusesWrite();
};

namespace {

Kit fullKit()
{
    Kit kit;
    kit.telescopes = {{QStringLiteral("Celestron C8"), 2032, 203.2},
                      {QStringLiteral("Takahashi FSQ-106 \"Edge\" 望遠鏡"), 530, 106}};
    kit.cameras = {{QStringLiteral("ZWO ASI462MC"), 2.9, 2.9, 1936, 1096, Colour::Colour, {1, 2}},
                   {QStringLiteral("QHY 268M — Ünïcødé"), 3.76, 3.8, 6280, 4210, Colour::Mono, {1, 2, 3, 4}},
                   {QStringLiteral("Old webcam"), 5.6, 5.6, 640, 480, Colour::Unknown, {1}}};
    kit.lenses = {{QStringLiteral("TeleVue Powermate 2.5x"), 2.5, -90.5, 110},
                  {QStringLiteral("Reducer 0.63"), 0.63, {}, 105},
                  {QStringLiteral("Barlow 2x"), 2, -100, {}},
                  {QStringLiteral("Flattener"), 1, {}, {}}};
    kit.eyepieces = {{QStringLiteral("Plössl 10"), 10, 52, 9.1},
                     {QStringLiteral("Nagler 3.5"), 3.5, 82, {}},
                     {QStringLiteral("Kellner 25"), 25, {}, {}}};
    return kit;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray kitText(const QByteArray &lists, const QByteArray &version = "1")
{
    return "{ \"format\": \"vkp2-kit\", \"version\": " + version + (lists.isEmpty() ? "" : ", ") + lists + " }";
}

// A kit.json that parses but holds a pixel below the limit, in its second camera.
const QByteArray kOutOfRange = kitText(
    "\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, \"width_px\": 10, "
    "\"height_px\": 10 }, { \"name\": \"ASI462MC\", \"pixel_width_um\": 0.01, \"pixel_height_um\": 3, "
    "\"width_px\": 10, \"height_px\": 10 } ]");

// Where Qt's parser says what is wrong, its words are its own; the place is this program's.
bool sameProblem(const QString &actual, const QString &expected)
{
    const bool same = expected.endsWith(QLatin1String(": "))
        ? actual.startsWith(expected) && actual.size() > expected.size()
        : actual == expected;
    if (!same)
        qWarning().noquote() << "problem:" << actual << "\nexpected:" << expected;
    return same;
}

} // namespace

void TstKitFile::roundTrip()
{
    const Kit kit = fullKit();
    const KitParse parse = kitFromJson(kitToJson(kit));
    QCOMPARE(parse.problem, QString());
    QVERIFY(parse.kit);
    QCOMPARE(*parse.kit, kit);
    // Absent optional values stay absent rather than coming back as zero.
    QVERIFY(!parse.kit->lenses[3].focalLength);
    QVERIFY(!parse.kit->eyepieces[2].apparentField);
    QCOMPARE(*kitFromJson(kitToJson(Kit())).kit, Kit());
}

void TstKitFile::roundTripThroughFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    QString problem;
    QVERIFY(writeKitFile(path, fullKit(), &problem));
    QCOMPARE(problem, QString());
    const KitFile file = readKitFile(path);
    QCOMPARE(file.problem, QString());
    QVERIFY(file.exists);
    QCOMPARE(file.kit, fullKit());
    // A person reads and edits it: one entry a line, the name first.
    QVERIFY(readBytes(path).contains("\n        { \"name\": \"Celestron C8\", \"focal_length_mm\": 2032, "
                                     "\"aperture_mm\": 203.2 },\n"));
    // Written again over a good file.
    Kit smaller = fullKit();
    smaller.cameras.removeFirst();
    QVERIFY(writeKitFile(path, smaller));
    QCOMPARE(readKitFile(path).kit, smaller);
}

void TstKitFile::unknownKeysAndMissingListsAreFine()
{
    const KitParse parse = kitFromJson(kitText(
        "\"made_by\": \"a later version\", \"telescopes\": [ { \"name\": \"C8\", \"focal_length_mm\": 2032, "
        "\"aperture_mm\": 203, \"mount\": \"EQ6\" } ]"));
    QCOMPARE(parse.problem, QString());
    QVERIFY(parse.kit);
    Kit expected;
    expected.telescopes = {{QStringLiteral("C8"), 2032, 203}};
    QCOMPARE(*parse.kit, expected);
}

void TstKitFile::badText_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem"); // ending in ": ", the start of it; Qt's own words follow
    QTest::newRow("truncated") << QByteArray("{\"format\": \"vkp2-kit\",\n \"version\": 1,\n \"cameras\": [")
                               << "line 3, column 14: ";
    QTest::newRow("truncated after a non-ASCII name")
        << QByteArray("{\"format\": \"vkp2-kit\", \"version\": 1,\n\"x\": \"ö\"") << "line 2, column 9: ";
    QTest::newRow("a list") << QByteArray("[1, 2]") << "the file holds no JSON object";
    QTest::newRow("no format") << QByteArray("{\"version\": 1}") << "\"format\" is not \"vkp2-kit\": not a kit file";
    QTest::newRow("another format") << QByteArray("{\"format\": \"nina\", \"version\": 1}")
                                    << "\"format\" is not \"vkp2-kit\": not a kit file";
    QTest::newRow("newer version") << kitText("", "2") << "version 2 is newer than this program reads";
    QTest::newRow("version 0") << kitText("", "0") << "version 0 is not a kit file version";
    QTest::newRow("version as text") << kitText("", "\"1\"") << "\"version\" is missing or not a whole number";
    QTest::newRow("version fraction") << kitText("", "1.5") << "\"version\" is missing or not a whole number";
    QTest::newRow("list is an object") << kitText("\"lenses\": {}") << "\"lenses\" is not a list";
    QTest::newRow("entry is a number") << kitText("\"eyepieces\": [ 10 ]") << "eyepieces[0]: not an object";
    QTest::newRow("name a number")
        << kitText("\"telescopes\": [ { \"name\": 8, \"focal_length_mm\": 2032, \"aperture_mm\": 203 } ]")
        << "telescopes[0]: \"name\" is not a text";
    QTest::newRow("number as text")
        << kitText("\"telescopes\": [ { \"name\": \"C8\", \"focal_length_mm\": \"2032\", \"aperture_mm\": 203 } ]")
        << "telescopes[0] \"C8\": \"focal_length_mm\" is not a number";
    QTest::newRow("number missing")
        << kitText("\"telescopes\": [ { \"name\": \"C8\", \"focal_length_mm\": 2032 } ]")
        << "telescopes[0] \"C8\": \"aperture_mm\" is missing";
    QTest::newRow("pixel count fraction")
        << kitText("\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, "
                   "\"width_px\": 10.5, \"height_px\": 10 } ]")
        << "cameras[0] \"A\": \"width_px\" is not a whole number";
    QTest::newRow("binning as text")
        << kitText("\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, "
                   "\"width_px\": 10, \"height_px\": 10, \"binning\": \"1,2\" } ]")
        << "cameras[0] \"A\": \"binning\" is not a list";
    QTest::newRow("binning holds text")
        << kitText("\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, "
                   "\"width_px\": 10, \"height_px\": 10, \"binning\": [1, \"2\"] } ]")
        << "cameras[0] \"A\": \"binning\" holds something other than whole numbers";
    QTest::newRow("colour unknown word")
        << kitText("\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, "
                   "\"width_px\": 10, \"height_px\": 10, \"colour\": \"rgb\" } ]")
        << "cameras[0] \"A\": \"colour\" is not \"colour\", \"mono\" or \"unknown\"";
    QTest::newRow("optional of the wrong type")
        << kitText("\"eyepieces\": [ { \"name\": \"P\", \"focal_length_mm\": 10, \"field_stop_mm\": \"9\" } ]")
        << "eyepieces[0] \"P\": \"field_stop_mm\" is not a number";
    QTest::newRow("entry out of range") << kOutOfRange
                                        << "cameras[1] \"ASI462MC\": pixel width 0.01 µm is outside 0.5 to 50 µm";
    QTest::newRow("optional out of range")
        << kitText("\"lenses\": [ { \"name\": \"B\", \"factor\": 2, \"design_spacing_mm\": 5000 } ]")
        << "lenses[0] \"B\": design spacing 5000 mm is outside 1 to 1000 mm";
    QTest::newRow("binning out of order")
        << kitText("\"cameras\": [ { \"name\": \"A\", \"pixel_width_um\": 3, \"pixel_height_um\": 3, "
                   "\"width_px\": 10, \"height_px\": 10, \"binning\": [2, 1] } ]")
        << "cameras[0] \"A\": the binning list starts with 2, not 1";
}

void TstKitFile::badText()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    const KitParse parse = kitFromJson(json);
    QVERIFY(sameProblem(parse.problem, problem));
    QVERIFY(!parse.kit);
}

void TstKitFile::readingFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // "<none>" for no file, "<folder>" for a folder, "<fifo>"
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("problem");    // after "<path>: "; empty for none; see badText
    QTest::newRow("missing") << QByteArray("<none>") << false << "";
    QTest::newRow("good") << kitToJson(fullKit()) << true << "";
    QTest::newRow("folder") << QByteArray("<folder>") << true << "a folder, not a kit file";
    // Would block every start of the program on the open.
    QTest::newRow("fifo") << QByteArray("<fifo>") << true << "not a regular file, so not a kit file";
    QTest::newRow("empty") << QByteArray() << true << "line 1, column 1: ";
    QTest::newRow("truncated") << kitToJson(fullKit()).left(40) << true << "line 3, column 13: ";
    QTest::newRow("binary") << QByteArray("SQLite format 3\0\x01\x02\xff\xfe", 21) << true << "not UTF-8 text, so no kit file";
    QTest::newRow("NUL in text") << QByteArray("{ \"format\"\0 }", 13) << true << "not UTF-8 text, so no kit file";
    QTest::newRow("latin-1 name") << QByteArray("{ \"format\": \"vkp2-kit\", \"version\": 1, \"x\": \"Pl\xf6ssl\" }")
                                  << true << "not UTF-8 text, so no kit file";
    QTest::newRow("too large")
        << QByteArray(kitText("").chopped(1) + QByteArray(kit_limits::kMaxFileBytes, ' ') + "}") << true
        << "larger than 16 MiB, too large for a kit file";
    QTest::newRow("largest") << QByteArray(kitText("").chopped(1) + QByteArray(kit_limits::kMaxFileBytes - 40, ' ') + "}")
                             << true << "";
    QTest::newRow("out of range") << kOutOfRange << true
                                  << "cameras[1] \"ASI462MC\": pixel width 0.01 µm is outside 0.5 to 50 µm";
}

void TstKitFile::readingFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    if (content == "<folder>")
        QVERIFY(QDir(dir.path()).mkdir("kit.json"));
    else if (content == "<fifo>") {
#ifdef Q_OS_LINUX
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#else
        QSKIP("pipes in the file system are Unix's");
#endif
    } else if (content != "<none>")
        writeBytes(path, content);
    const KitFile file = readKitFile(path);
    QCOMPARE(file.exists, exists);
    if (problem.isEmpty())
        QCOMPARE(file.problem, QString());
    else
        QVERIFY(sameProblem(file.problem, path + ": " + problem));
    QCOMPARE(file.kit, problem.isEmpty() && content.startsWith("{\n") ? fullKit() : Kit());
}

void TstKitFile::writeRefusesOverBadFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << kitToJson(fullKit()).chopped(10);
    QTest::newRow("newer version") << kitText("\"telescopes\": []", "9");
    QTest::newRow("entry out of range") << kOutOfRange;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11);
    QTest::newRow("not a kit") << QByteArray("{ \"format\": \"something else\" }");
}

void TstKitFile::writeRefusesOverBadFile()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    writeBytes(path, content);
    const QString why = readKitFile(path).problem;
    QVERIFY(!why.isEmpty());
    QString problem;
    QVERIFY(!writeKitFile(path, fullKit(), &problem));
    QCOMPARE(problem, why + "; left as it is");
    QCOMPARE(readBytes(path), content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kit.json"});
}

void TstKitFile::writeRefusesBadEntry()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    Kit kit = fullKit();
    kit.eyepieces[1].apparentField = 200;
    QString problem;
    QVERIFY(!writeKitFile(path, kit, &problem));
    QCOMPARE(problem, "eyepieces[1] \"Nagler 3.5\": apparent field 200° is outside 10 to 150°");
    QVERIFY(!QFile::exists(path));
}

void TstKitFile::writeRefusesOverlargeKind_data()
{
    QTest::addColumn<int>("telescopes");
    QTest::addColumn<int>("eyepieces");
    QTest::addColumn<bool>("written");
    QTest::newRow("telescopes at the cap") << kit_limits::kMaxEntriesPerKind << 0 << true;
    QTest::newRow("telescopes over the cap") << kit_limits::kMaxEntriesPerKind + 1 << 0 << false;
    QTest::newRow("eyepieces over the cap") << 1 << kit_limits::kMaxEntriesPerKind + 1 << false;
}

void TstKitFile::writeRefusesOverlargeKind()
{
    QFETCH(int, telescopes);
    QFETCH(int, eyepieces);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    QVERIFY(writeKitFile(path, fullKit()));
    Kit kit;
    for (int i = 0; i < telescopes; ++i)
        kit.telescopes << KitTelescope{QStringLiteral("Scope %1").arg(i), 1000, 100};
    for (int i = 0; i < eyepieces; ++i)
        kit.eyepieces << KitEyepiece{QStringLiteral("Eyepiece %1").arg(i), 10, {}, {}};
    QString problem;
    QCOMPARE(writeKitFile(path, kit, &problem), written);
    // Whatever was written can be read again.
    const KitFile file = readKitFile(path);
    QCOMPARE(file.problem, QString());
    if (written) {
        QCOMPARE(file.kit, kit);
    } else {
        QCOMPARE(problem, tooManyEntriesProblem());
        QCOMPARE(file.kit, fullKit());
    }
}

void TstKitFile::writeMakesMissingFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("not/yet/there/kit.json");
    QVERIFY(writeKitFile(path, fullKit()));
    QCOMPARE(readKitFile(path).kit, fullKit());

    // Where a folder cannot be made, it says so and nothing is left.
    writeBytes(dir.filePath("plain"), "x");
    QString problem;
    QVERIFY(!writeKitFile(dir.filePath("plain/kit.json"), fullKit(), &problem));
    QVERIFY2(problem.contains("the data folder " + dir.filePath("plain") + " cannot be made"), qPrintable(problem));
}

void TstKitFile::failedWriteLeavesPreviousFile()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    const QString path = dir.filePath("kit.json");
    Kit small;
    small.telescopes = {{QStringLiteral("C8"), 2032, 203}};
    QVERIFY(writeKitFile(path, small));
    const QByteArray before = readBytes(path);
    Kit large = fullKit();
    for (int i = 0; i < 500; ++i)
        large.telescopes << KitTelescope{QStringLiteral("Scope %1").arg(i), 1000.0 + i, 100};
    QVERIFY(kitToJson(large).size() > 16384);

    // The disk fills up part way through: writes past 4 KiB fail.
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small4k = saved;
    small4k.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small4k), 0);
    QString problem;
    const bool written = writeKitFile(path, large, &problem);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(problem, path + ": cannot be written");
    QCOMPARE(readBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kit.json"});
#else
    QSKIP("the file size limit that stands in for a full disk is Linux's");
#endif
}

void TstKitFile::pathIsInDataFolder()
{
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    const QString readOnly = kitFilePath(FolderCreation::ReadOnly);
    const bool madeByReading = QFileInfo::exists(dir.filePath("VKP2"));
    const QString created = kitFilePath(FolderCreation::Create);
    if (had)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");
    QCOMPARE(readOnly, dir.filePath("VKP2/kit.json"));
    QVERIFY(!madeByReading);
    QCOMPARE(created, dir.filePath("VKP2/kit.json"));
    QVERIFY(QFileInfo(dir.filePath("VKP2")).isDir());
}

void TstKitFile::noDataFolderRefusesWrite_data()
{
    QTest::addColumn<QString>("blocker"); // a plain file where a folder of the path must go
    QTest::newRow("data home is a file") << QString();
    QTest::newRow("VKP2 is a file") << QStringLiteral("VKP2");
}

void TstKitFile::noDataFolderRefusesWrite()
{
    QFETCH(QString, blocker);
    QTemporaryDir home;
    QTemporaryDir work;
    const QString dataHome = blocker.isEmpty() ? home.filePath("share") : home.path();
    writeBytes(blocker.isEmpty() ? dataHome : home.filePath(blocker), "x");
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QString previousDir = QDir::currentPath();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
    QDir::setCurrent(work.path());
    const QString created = kitFilePath(FolderCreation::Create);
    const QString readOnly = kitFilePath(FolderCreation::ReadOnly);
    QString problem;
    const bool written = writeKitFile(created, fullKit(), &problem);
    const KitFile read = readKitFile(readOnly);
    QDir::setCurrent(previousDir);
    if (had)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");

    // Written and read at one path, never the folder the program was started in.
    QCOMPARE(created, readOnly);
    QVERIFY2(!created.startsWith(work.path()), qPrintable(created));
    QVERIFY(!written);
    QVERIFY2(problem.contains("the data folder") && problem.contains("cannot be made"), qPrintable(problem));
    QVERIFY(QDir(work.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QCOMPARE(read.kit, Kit());
    QCOMPARE(read.problem, QString());
}

QTEST_GUILESS_MAIN(TstKitFile)
#include "tst_kit_file.moc"
