// The user equipment file: its reader, its writer, and the calculator started from what it reads.
// The round trips through the real window are in tests/widgets/main_window/tst_setup_round_trip.cpp.

#include "storage/user_equipment_file.h"
#include "support/calculator/headless_fixture.h"
#include "support/calculator/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#endif
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace vkp2;

class TstUserEquipmentFile : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void reading_data();
    void reading();
    void readingHugeJunkIsBounded();
    void readingWhatIsNoFile();
    void writingIsExact();
    void writingWhereItCannotLeavesOldFile();
    void writingWhereFolderRefusesNewFiles_data();
    void writingWhereFolderRefusesNewFiles();
    void writingInPlace_data();
    void writingInPlace();
    void staleTemporaryFiles_data();
    void staleTemporaryFiles();

    void unknownNamesFallBackToDefaults_data();
    void unknownNamesFallBackToDefaults();
    void shortFileEmptiesNamedFields();
    void emptyFirstLineIgnoresTelescopeValues();
    void savedNonNumberWarnsAgainAtStart();
};

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The calculator started from the file, as the window's start-up reads it.
std::unique_ptr<test::HeadlessFixture> startFrom(const QString &path)
{
    return std::make_unique<test::HeadlessFixture>(storage::readUserEquipmentFile(path));
}

// Root passes permission bits by CAP_DAC_OVERRIDE. Lowering it in this thread while the guard
// lives makes a read-only folder refuse root as it refuses anyone else.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride()
    {
#ifdef Q_OS_LINUX
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        active = syscall(SYS_capset, &header, lowered) == 0;
#endif
    }
    ~WithoutPermissionOverride()
    {
#ifdef Q_OS_LINUX
        if (active)
            syscall(SYS_capset, &header, saved);
#endif
    }

private:
#ifdef Q_OS_LINUX
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
#endif
    bool active = false;
};

bool setImmutable(const QString &folder, bool on)
{
#ifdef Q_OS_LINUX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
#else
    Q_UNUSED(folder);
    Q_UNUSED(on);
    return false;
#endif
}

// A folder made to refuse new files, by its permission bits ("read-only") or by the immutable
// flag ("immutable", root only, and not on every file system); undone when the guard goes.
struct LockedFolder {
    QString folder;
    QString how;
    bool locked = false;
    LockedFolder(const QString &folder, const QString &how) : folder(folder), how(how)
    {
        locked = how == "read-only"
                     ? QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                                         | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther)
                     : setImmutable(folder, true);
    }
    ~LockedFolder()
    {
        if (!locked)
            return;
        if (how == "read-only")
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        else
            setImmutable(folder, false);
    }
};

bool canAddFile(const QString &folder)
{
    QFile probe(folder + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

QByteArray linesAsFile(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

void TstUserEquipmentFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines"); // slots 1.. as far as listed; the rest empty
    QTest::newRow("CR LF lines") << QByteArray("DR-106\r\nWS 5mm\r\n\r\n530\r\n")
                                 << QStringList{"DR-106", "WS 5mm", "", "530"};
    // A line ended by LF alone keeps its last character; only a CR before the LF goes.
    QTest::newRow("LF only") << QByteArray("DR-106\nWS 5mm\n") << QStringList{"DR-106", "WS 5mm"};
    QTest::newRow("bare LF is empty") << QByteArray("\n\nx\n") << QStringList{"", "", "x"};
    QTest::newRow("last line without end kept") << QByteArray("AR-50\r\n800") << QStringList{"AR-50", "800"};
    QTest::newRow("lone CR inside kept") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QByteArray many;
    QStringList first12;
    for (int i = 1; i <= 20; ++i) {
        many += QByteArray::number(i) + "\r\n";
        if (i <= 12)
            first12 << QString::number(i);
    }
    QTest::newRow("lines past twelve ignored") << many << first12;
    QTest::newRow("utf-8 text") << QString("5,6 µm\r\n").toUtf8() << QStringList{"5,6 µm"};
}

void TstUserEquipmentFile::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    test::Sandbox sandbox;
    writeBytes(sandbox.file("vkp2user.dat"), bytes);
    const auto read = storage::readUserEquipmentFile(sandbox.file("vkp2user.dat"));
    for (int i = 1; i <= 12; ++i)
        QCOMPARE(read[i], i <= lines.size() ? lines[i - 1] : QString());
}

void TstUserEquipmentFile::readingHugeJunkIsBounded()
{
    test::Sandbox sandbox;
    QByteArray junk(10 * 1024 * 1024, 'j');
    for (qsizetype i = 0; i < junk.size(); i += 997)
        junk[i] = char(i % 256);
    writeBytes(sandbox.file("vkp2user.dat"), junk);
    QElapsedTimer timer;
    timer.start();
    const auto read = storage::readUserEquipmentFile(sandbox.file("vkp2user.dat"));
    QVERIFY(timer.elapsed() < 2000);
    qsizetype total = 0;
    for (const QString &slot : read)
        total += slot.size();
    QVERIFY(total <= storage::kMaxReadBytes);

    // And a start with it: defaults everywhere, no message, no crash.
    const auto f = startFrom(sandbox.file("vkp2user.dat"));
    QCOMPARE(f->h[List::Telescope].text(), QString("DR-106"));
    QCOMPARE(f->h[List::Ccd].text(), QString("None or Film"));
    QVERIFY(f->messages.shown.isEmpty());
}

void TstUserEquipmentFile::readingWhatIsNoFile()
{
    test::Sandbox sandbox;
    for (const QString &path : {sandbox.file("missing.dat"), sandbox.dir.path()}) {
        const auto read = storage::readUserEquipmentFile(path);
        for (const QString &slot : read)
            QVERIFY(slot.isEmpty());
    }
}

void TstUserEquipmentFile::writingIsExact()
{
    test::Sandbox sandbox;
    const QString path = sandbox.file("vkp2user.dat");
    QVERIFY(storage::writeUserEquipmentFile(path, {"User-Defined", "", "5.6"}));
    QCOMPARE(readBytes(path), QByteArray("User-Defined\r\n\r\n5.6\r\n"));
    const auto read = storage::readUserEquipmentFile(path);
    QCOMPARE(read[1], QString("User-Defined"));
    QCOMPARE(read[2], QString());
    QCOMPARE(read[3], QString("5.6"));
}

void TstUserEquipmentFile::writingWhereItCannotLeavesOldFile()
{
    test::Sandbox sandbox;
    // A folder that does not exist, and a name taken by a folder.
    QVERIFY(!storage::writeUserEquipmentFile(sandbox.file("no/such/dir/vkp2user.dat"), {"x"}));
    QVERIFY(QDir(sandbox.dir.path()).mkdir("taken"));
    QVERIFY(!storage::writeUserEquipmentFile(sandbox.file("taken"), {"x"}));
    QVERIFY(QFileInfo(sandbox.file("taken")).isDir());
}

void TstUserEquipmentFile::writingWhereFolderRefusesNewFiles_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("saved");
    QTest::newRow("read-only folder, writable file") << "read-only" << true << true;
    QTest::newRow("read-only folder, no file") << "read-only" << false << false;
    // EPERM rather than EACCES: QSaveFile's own direct-write fallback gives up on this one.
    QTest::newRow("immutable folder, writable file") << "immutable" << true << true;
}

void TstUserEquipmentFile::writingWhereFolderRefusesNewFiles()
{
    QFETCH(QString, lock);
    QFETCH(bool, fileThere);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + "/vkp2user.dat";
    // Longer than the new content, so an in-place write that does not truncate shows.
    const QByteArray old = QByteArray("an older, longer setup line\r\n").repeated(11);
    if (fileThere)
        writeBytes(path, old);
    const QStringList lines{"User-Defined", "PT 9mm", "", "640"};

    LockedFolder locked(folder, lock);
    if (!locked.locked)
        QSKIP("this user or file system cannot lock the folder that way");
    WithoutPermissionOverride asPlainUser;
    if (canAddFile(folder))
        QSKIP("the locked folder still takes new files (root, and CAP_DAC_OVERRIDE could not be lowered)");

    QCOMPARE(storage::writeUserEquipmentFile(path, lines), saved);
    QCOMPARE(readBytes(path), saved ? linesAsFile(lines) : fileThere ? old : QByteArray());
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, fileThere ? QStringList{"vkp2user.dat"} : QStringList{});
}

void TstUserEquipmentFile::writingInPlace_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("written");
    QTest::newRow("over a longer file") << "longer file" << true;
    QTest::newRow("no file yet") << "nothing" << true;
    QTest::newRow("name taken by a folder") << "folder" << false;
    QTest::newRow("folder missing") << "missing folder" << false;
    // Opens fine, refuses every byte: only the checks after the open can see it.
    QTest::newRow("full device") << "/dev/full" << false;
}

void TstUserEquipmentFile::writingInPlace()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QString path = dir.filePath("vkp2user.dat");
    const QByteArray content = linesAsFile({"DR-106", "WS 5mm", "None or Film"});
    if (target == "longer file") {
        writeBytes(path, content.repeated(4) + "tail");
    } else if (target == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (target == "missing folder") {
        path = dir.filePath("gone/vkp2user.dat");
    } else if (target == "/dev/full") {
        if (!QFileInfo::exists(target))
            QSKIP("no /dev/full here");
        path = target;
    }
    QCOMPARE(storage::detail::writeInPlace(path, content), written);
    if (written)
        QCOMPARE(readBytes(path), content);
}

void TstUserEquipmentFile::staleTemporaryFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");    // "file", or "link" to an equally old file
    QTest::addColumn<int>("age");         // seconds since it was last written
    QTest::addColumn<bool>("otherOwner"); // belongs to another user
    QTest::addColumn<bool>("removed");
    const int old = storage::kStaleTemporaryFileSeconds + 60;
    const int recent = storage::kStaleTemporaryFileSeconds - 60;
    QTest::newRow("old leftover") << "vkp2user.dat.nPpNWh" << "file" << old << false << true;
    QTest::newRow("old leftover, lower case") << "vkp2user.dat.abcdef" << "file" << old << false << true;
    QTest::newRow("old leftover, upper case") << "vkp2user.dat.QWERTY" << "file" << old << false << true;
    // Another instance may be saving right now.
    QTest::newRow("recent leftover") << "vkp2user.dat.nPpNWh" << "file" << recent << false << false;
    QTest::newRow("written in the future") << "vkp2user.dat.nPpNWh" << "file" << -3600 << false << false;
    QTest::newRow("backup") << "vkp2user.dat.bak" << "file" << old << false << false;
    QTest::newRow("seven digits") << "vkp2user.dat.1234567" << "file" << old << false << false;
    QTest::newRow("six digits") << "vkp2user.dat.123456" << "file" << old << false << false;
    QTest::newRow("letters and digits") << "vkp2user.dat.abc123" << "file" << old << false << false;
    QTest::newRow("five letters") << "vkp2user.dat.abcde" << "file" << old << false << false;
    QTest::newRow("seven letters") << "vkp2user.dat.abcdefg" << "file" << old << false << false;
    QTest::newRow("no dot") << "vkp2user.datnPpNWh" << "file" << old << false << false;
    QTest::newRow("other case of the name") << "VKP2USER.DAT.nPpNWh" << "file" << old << false << false;
    QTest::newRow("longer name") << "xvkp2user.dat.nPpNWh" << "file" << old << false << false;
    QTest::newRow("other file's leftover") << "vkp2user.ini.nPpNWh" << "file" << old << false << false;
    QTest::newRow("a link") << "vkp2user.dat.nPpNWh" << "link" << old << false << false;
    QTest::newRow("another user's leftover") << "vkp2user.dat.nPpNWh" << "file" << old << true << false;
}

void TstUserEquipmentFile::staleTemporaryFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, age);
    QFETCH(bool, otherOwner);
    QFETCH(bool, removed);
    QTemporaryDir dir; // not the current folder: the setup's own folder must be the one cleaned
    const QString setup = dir.filePath("vkp2user.dat");
    writeBytes(setup, "DR-106\r\n");
    const QString entry = dir.filePath(name);
    const QString written = kind == "link" ? dir.filePath("elsewhere.dat") : entry;
    writeBytes(written, "DR-");
    {
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-age), QFileDevice::FileModificationTime));
    }
    if (kind == "link")
        QVERIFY(QFile::link(written, entry));
    if (otherOwner) {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QVERIFY(::chown(QFile::encodeName(entry).constData(), 65534, 65534) == 0);
#else
        QSKIP("owners are not checked on this system");
#endif
    }
    QCOMPARE(storage::removeStaleTemporaryFiles(setup), removed ? 1 : 0);
    QCOMPARE(QFileInfo(entry).exists() || QFileInfo(entry).isSymLink(), !removed);
    QVERIFY(QFileInfo::exists(setup));
    QVERIFY(QFileInfo::exists(written) || removed);
}

void TstUserEquipmentFile::unknownNamesFallBackToDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("all unknown") << QByteArray("Hubble\r\nWS 6mm\r\nNikon D1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
    QTest::newRow("other case") << QByteArray("dr-106\r\nws 5mm\r\nnone or film\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
}

void TstUserEquipmentFile::unknownNamesFallBackToDefaults()
{
    QFETCH(QByteArray, bytes);
    test::Sandbox sandbox;
    writeBytes(sandbox.file("vkp2user.dat"), bytes);
    const auto f = startFrom(sandbox.file("vkp2user.dat"));
    const auto &w = f->h;
    const auto &messages = f->messages;
    QCOMPARE(w[List::Telescope].text(), QString("DR-106"));
    QCOMPARE(w[List::Ocular].text(), QString("WS 5mm"));
    QCOMPARE(w[List::Ccd].text(), QString("None or Film"));
    QCOMPARE(w[Box::Flength].text(), QString("530"));
    QCOMPARE(w[Box::Distance_d].text(), QString("55"));
    QCOMPARE(w[Box::Pixelsize_width].text(), QString());
    QCOMPARE(w[Box::efl].text(), QString("7960.6"));
    QVERIFY(messages.shown.isEmpty());
}

void TstUserEquipmentFile::shortFileEmptiesNamedFields()
{
    test::Sandbox sandbox;
    writeBytes(sandbox.file("vkp2user.dat"), "User-Defined\r\nPT 18mm\r\nUser-Defined\r\n640\r\n");
    const auto f = startFrom(sandbox.file("vkp2user.dat"));
    const auto &w = f->h;
    const auto &messages = f->messages;
    QCOMPARE(w[List::Telescope].text(), QString("User-Defined"));
    QCOMPARE(w[Box::Flength].text(), QString("640"));
    QCOMPARE(w[Box::Aperture].text(), QString()); // its slot is missing, so it is emptied
    QCOMPARE(w[Box::Distance_tl].text(), QString());
    QCOMPARE(w[Box::Distance_d].text(), QString());
    // Emptying a box changes nothing: the ratio stays that of 640 / 106, and the last
    // calculation (D 55, TL 5 still in force) met an empty aperture, so no extended ratio.
    QCOMPARE(w[Box::Fratio].text(), QString("6.04"));
    QCOMPARE(w[Box::efl].text(), QString("2859.38")); // 640 with PT 18mm: (98.42 / 18 - 1) x 640
    QCOMPARE(w[Box::efr].text(), QString());
    QVERIFY(w[Box::Pixelsize_width].isEnabled());
    QVERIFY(messages.shown.isEmpty());
}

void TstUserEquipmentFile::emptyFirstLineIgnoresTelescopeValues()
{
    test::Sandbox sandbox;
    writeBytes(sandbox.file("vkp2user.dat"), "\r\nWS 7.5mm\r\nNone or Film\r\n800\r\n100\r\n5\r\n55\r\n\r\n\r\n\r\n\r\n");
    const auto f = startFrom(sandbox.file("vkp2user.dat"));
    QCOMPARE(f->h[List::Telescope].text(), QString("DR-106"));
    QCOMPARE(f->h[Box::Flength].text(), QString("530"));
    QCOMPARE(f->h[Box::Aperture].text(), QString("106"));
    QCOMPARE(f->h[Box::efl].text(), QString("5964.27"));
}

void TstUserEquipmentFile::savedNonNumberWarnsAgainAtStart()
{
    test::Sandbox sandbox;
    writeBytes(sandbox.file("vkp2user.dat"),
               "DR-106\r\nWS 5mm\r\nUser-Defined\r\n530\r\n106\r\n5\r\n55\r\n9x\r\n9\r\n768\r\n512\r\n");
    const auto f = startFrom(sandbox.file("vkp2user.dat"));
    const auto &messages = f->messages;
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.first(),
             (ShownMessage{"Value out of range - Only enter numbers < 100", "Input Error", MessageIcon::Critical}));
    QCOMPARE(f->h[Box::Pixelsize_width].text(), QString("9x"));
}

QTEST_GUILESS_MAIN(TstUserEquipmentFile)
#include "tst_user_equipment_file.moc"
