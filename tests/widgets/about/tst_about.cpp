// The About window and the start of the system-information tool, with a fake registry,
// a fake launcher and a fake existence test.

#include "calculator/toolkit/app_info.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/about/about_dialog.h"
#include "widgets/about/registry.h"
#include "widgets/about/system_info.h"
#include "widgets/artwork/artwork.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <map>
#include <set>
#include <vector>

using namespace vkp2;

namespace {

constexpr int kAbsent = -1;
constexpr std::uint32_t kTypeBinary = 3;       // REG_BINARY
constexpr std::uint32_t kTypeExpandString = 2; // REG_EXPAND_SZ
constexpr std::uint32_t kAllAccess = 0xF003F;  // KEY_ALL_ACCESS
constexpr std::uint32_t kReadWriteMask = 0x2003F; // read plus value and sub-key write rights
constexpr std::int32_t kInvalidHandle = 6;     // ERROR_INVALID_HANDLE

const QString kPath1 =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString kFolder = QStringLiteral("C:\\Windows\\System32");
const QString kPath2 = kFolder + QStringLiteral("\\MSINFO32.EXE");

QByteArray text(const QString &s) { return s.toLocal8Bit() + '\0'; }

QByteArray dword(std::uint32_t v)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((v >> (8 * i)) & 0xFF);
    return bytes;
}

// An in-memory HKEY_LOCAL_MACHINE that behaves like the Win32 calls and records their use.
class FakeRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray bytes;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::uint32_t granted = kAllAccess; // rights of the user; asking for more is denied

    std::vector<std::string> asked;
    std::vector<std::uint32_t> accessAsked;
    std::vector<std::uint32_t> rootsAsked;
    std::vector<std::uint32_t> bufferSizes;
    bool buffersZeroed = true;
    std::set<KeyHandle> open;
    int misusedHandles = 0; // queries or closes of a handle that is not open

    void set(const std::string &key, const std::string &name, int type, const QByteArray &bytes)
    {
        if (type != kAbsent)
            keys[key][name] = Value{std::uint32_t(type), bytes};
    }

    std::int32_t openKey(std::uint32_t root, const std::string &subKey, std::uint32_t access,
                         KeyHandle &key) override
    {
        asked.push_back(subKey);
        accessAsked.push_back(access);
        rootsAsked.push_back(root);
        if (root != reg::kLocalMachine || keys.count(subKey) == 0)
            return reg::kFileNotFound;
        if ((access & ~granted) != 0)
            return reg::kAccessDenied;
        key = next_++;
        open.insert(key);
        names_[key] = subKey;
        return reg::kSuccess;
    }

    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::uint8_t *data, std::uint32_t &byteCount) override
    {
        if (open.count(key) == 0) {
            ++misusedHandles;
            return kInvalidHandle;
        }
        bufferSizes.push_back(byteCount);
        for (std::uint32_t i = 0; i < byteCount; ++i)
            buffersZeroed = buffersZeroed && data[i] == 0;
        const auto &values = keys[names_[key]];
        const auto found = values.find(name);
        if (found == values.end())
            return reg::kFileNotFound;
        type = found->second.type;
        const auto size = std::uint32_t(found->second.bytes.size());
        if (size > byteCount) {
            byteCount = size;
            return reg::kMoreData;
        }
        std::memcpy(data, found->second.bytes.constData(), size);
        byteCount = size;
        return reg::kSuccess;
    }

    std::int32_t closeKey(KeyHandle key) override
    {
        if (open.erase(key) == 0) {
            ++misusedHandles;
            return kInvalidHandle;
        }
        return reg::kSuccess;
    }

private:
    KeyHandle next_ = 0x100;
    std::map<KeyHandle, std::string> names_;
};

class FakeLauncher final : public ProgramLauncher {
public:
    bool succeeds = true;
    QStringList attempts;
    bool startDetached(const QString &path) override
    {
        attempts << path;
        return succeeds;
    }
};

class FakeFiles final : public FileListing {
public:
    QStringList files;
    QStringList probes;
    bool fileExists(const QString &path) override
    {
        probes << path;
        return files.contains(path);
    }
};

struct Rig {
    FakeRegistry registry;
    FakeLauncher launcher;
    FakeFiles files;
    RecordedMessageBoxes messages;
    SystemInfo info{registry, launcher, files, messages};
};

const ShownMessage kUnavailableMessage{kSysInfoUnavailable, QStringLiteral("VKP2"),
                                       MessageIcon::None};

template <class T> T *child(QWidget &parent, const QString &name)
{
    return parent.findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

// Texts of the About window as the user sees them.
QMap<QString, QString> textsOf(QWidget &dialog)
{
    QMap<QString, QString> texts;
    texts[QStringLiteral("caption")] = dialog.windowTitle();
    for (auto *l : dialog.findChildren<QLabel *>())
        texts[l->objectName()] = l->text();
    for (auto *b : dialog.findChildren<QPushButton *>())
        texts[b->objectName()] = b->text();
    return texts;
}

} // namespace

class TstAbout : public QObject {
    Q_OBJECT
private slots:
    void startSysInfo_data();
    void startSysInfo();
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueAsksReadAccessOnly();
    void getKeyValueClosesOnlyOpenedKeys_data();
    void getKeyValueClosesOnlyOpenedKeys();
    void systemRegistryElsewhereAlwaysFails();
    void directoryListing_data();
    void directoryListing();
    void detachedLauncher();

    void versionLine_data();
    void versionLine();
    void texts_data();
    void texts();
    void webSiteAndDisclaimer();
    void noTextClipped();
    void logo();
    void accessibleNames();
    void fixedSizeWithoutMinMax();
    void focusOrder();
    void keysClose_data();
    void keysClose();
    void okAndCloseBoxClose();
    void sysInfoKeepsWindowOpen_data();
    void sysInfoKeepsWindowOpen();
};

// ---- StartSysInfo and GetKeyValue ----

void TstAbout::startSysInfo_data()
{
    QTest::addColumn<int>("type1");
    QTest::addColumn<QByteArray>("value1");
    QTest::addColumn<int>("type2");
    QTest::addColumn<QByteArray>("value2");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("launchWorks");
    QTest::addColumn<uint>("granted");
    QTest::addColumn<int>("keysAsked");
    QTest::addColumn<QStringList>("probes");
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<bool>("failureShown");

    const int str = int(reg::kTypeString);
    const QByteArray none;
    const QStringList noFiles;
    const QStringList tool{kPath2};
    const uint all = kAllAccess;
    const QByteArray tooLong = QByteArray(1500, 'x') + '\0';

    QTest::newRow("key 1 present, key 2 absent")
        << str << text(kPath1) << kAbsent << none << noFiles << true << all << 1
        << QStringList{} << QStringList{kPath1} << false;
    QTest::newRow("key 1 present, key 2 too")
        << str << text(kPath1) << str << text(kFolder) << tool << true << all << 1
        << QStringList{} << QStringList{kPath1} << false;
    QTest::newRow("key 1 absent, key 2 folder with tool")
        << kAbsent << none << str << text(kFolder) << tool << true << all << 2
        << QStringList{kPath2} << QStringList{kPath2} << false;
    QTest::newRow("key 1 absent, key 2 folder without tool")
        << kAbsent << none << str << text(kFolder) << noFiles << true << all << 2
        << QStringList{kPath2} << QStringList{} << true;
    QTest::newRow("no keys")
        << kAbsent << none << kAbsent << none << tool << true << all << 2 << QStringList{}
        << QStringList{} << true;
    QTest::newRow("key 1 binary, key 2 absent")
        << int(kTypeBinary) << text(kPath1) << kAbsent << none << noFiles << true << all << 1
        << QStringList{} << QStringList{} << true;
    QTest::newRow("key 1 empty string")
        << str << text(QString()) << str << text(kFolder) << tool << true << all << 1
        << QStringList{} << QStringList{} << true;
    QTest::newRow("key 1 absent, key 2 expandable string")
        << kAbsent << none << int(kTypeExpandString) << text(kFolder) << tool << true << all
        << 2 << QStringList{} << QStringList{} << true;
    QTest::newRow("key 1 launch fails")
        << str << text(kPath1) << kAbsent << none << noFiles << false << all << 1
        << QStringList{} << QStringList{kPath1} << true;
    QTest::newRow("key 2 launch fails")
        << kAbsent << none << str << text(kFolder) << tool << false << all << 2
        << QStringList{kPath2} << QStringList{kPath2} << true;
    QTest::newRow("key 1 longer than buffer, key 2 absent")
        << str << tooLong << kAbsent << none << noFiles << true << all << 2 << QStringList{}
        << QStringList{} << true;
    QTest::newRow("key 1 longer than buffer, key 2 usable")
        << str << tooLong << str << text(kFolder) << tool << true << all << 2
        << QStringList{kPath2} << QStringList{kPath2} << false;
    QTest::newRow("standard user, read rights only")
        << str << text(kPath1) << kAbsent << none << noFiles << true << uint(reg::kKeyRead) << 1
        << QStringList{} << QStringList{kPath1} << false;
    QTest::newRow("standard user, key 2 only")
        << kAbsent << none << str << text(kFolder) << tool << true << uint(reg::kKeyRead) << 2
        << QStringList{kPath2} << QStringList{kPath2} << false;
}

void TstAbout::startSysInfo()
{
    QFETCH(int, type1);
    QFETCH(QByteArray, value1);
    QFETCH(int, type2);
    QFETCH(QByteArray, value2);
    QFETCH(QStringList, files);
    QFETCH(bool, launchWorks);
    QFETCH(uint, granted);
    QFETCH(int, keysAsked);
    QFETCH(QStringList, probes);
    QFETCH(QStringList, attempts);
    QFETCH(bool, failureShown);

    Rig rig;
    rig.registry.set(kSysInfoPathKey, kSysInfoPathValue, type1, value1);
    rig.registry.set(kSysInfoFolderKey, kSysInfoFolderValue, type2, value2);
    rig.registry.granted = granted;
    rig.files.files = files;
    rig.launcher.succeeds = launchWorks;

    rig.info.StartSysInfo();

    const std::vector<std::string> order{kSysInfoPathKey, kSysInfoFolderKey};
    QCOMPARE(rig.registry.asked, std::vector<std::string>(order.begin(), order.begin() + keysAsked));
    QCOMPARE(rig.files.probes, probes);
    QCOMPARE(rig.launcher.attempts, attempts);
    if (failureShown)
        QCOMPARE(rig.messages.shown, QList<ShownMessage>{kUnavailableMessage});
    else
        QVERIFY(rig.messages.shown.isEmpty());

    for (const auto access : rig.registry.accessAsked)
        QCOMPARE(access, reg::kKeyRead);
    for (const auto root : rig.registry.rootsAsked)
        QCOMPARE(root, reg::kLocalMachine);
    QVERIFY(rig.registry.open.empty());
    QCOMPARE(rig.registry.misusedHandles, 0);
}

void TstAbout::getKeyValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after");

    const int str = int(reg::kTypeString);
    const int num = int(reg::kTypeDword);
    QTest::newRow("string") << str << text(kPath1) << "" << true << kPath1;
    QTest::newRow("string replaces old text") << str << text("new") << "old" << true << "new";
    QTest::newRow("string cut at first NUL")
        << str << QByteArray("abc\0def\0", 8) << "" << true << "abc";
    QTest::newRow("empty string") << str << QByteArray(1, '\0') << "old" << true << "";
    QTest::newRow("string filling the buffer, no NUL")
        << str << QByteArray(1024, 'a') << "" << true << QString(1024, QChar('a'));
    QTest::newRow("string one byte too long")
        << str << QByteArray(1025, 'a') << "old" << false << "";
    QTest::newRow("string far too long")
        << str << QByteArray(5000, 'a') << "old" << false << "";
    QTest::newRow("number") << num << dword(1234) << "" << true << "1234";
    QTest::newRow("number with zero bytes") << num << dword(256) << "" << true << "256";
    QTest::newRow("number 65536") << num << dword(65536) << "" << true << "65536";
    QTest::newRow("number zero") << num << dword(0) << "old" << true << "0";
    QTest::newRow("number with top bit, unsigned")
        << num << dword(0xFFFFFFFFu) << "" << true << "4294967295";
    QTest::newRow("number 0x80000000")
        << num << dword(0x80000000u) << "" << true << "2147483648";
    QTest::newRow("binary leaves text")
        << int(kTypeBinary) << text(kPath1) << "kept" << true << "kept";
    QTest::newRow("expandable string leaves text")
        << int(kTypeExpandString) << text(kPath1) << "kept" << true << "kept";
    QTest::newRow("value missing") << kAbsent << QByteArray() << "old" << false << "";
}

void TstAbout::getKeyValue()
{
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, before);
    QFETCH(bool, ok);
    QFETCH(QString, after);

    Rig rig;
    rig.registry.keys["SOFTWARE\\Test"]; // the key exists even when the value does not
    rig.registry.set("SOFTWARE\\Test", "Value", type, bytes);
    QString KeyVal = before;
    QCOMPARE(rig.info.GetKeyValue(reg::kLocalMachine, "SOFTWARE\\Test", "Value", KeyVal), ok);
    QCOMPARE(KeyVal, after);
    QCOMPARE(rig.registry.bufferSizes, std::vector<std::uint32_t>{1024});
    QVERIFY(rig.registry.buffersZeroed);
    QVERIFY(rig.registry.open.empty());
    QCOMPARE(rig.registry.misusedHandles, 0);
    QVERIFY(rig.messages.shown.isEmpty());
}

void TstAbout::getKeyValueAsksReadAccessOnly()
{
    // A standard user holds read rights only; the mask asked for must not exceed them.
    Rig rig;
    rig.registry.granted = reg::kKeyRead;
    rig.registry.set(kSysInfoPathKey, kSysInfoPathValue, int(reg::kTypeString), text(kPath1));
    QString KeyVal;
    QVERIFY(rig.info.GetKeyValue(reg::kLocalMachine, kSysInfoPathKey, kSysInfoPathValue, KeyVal));
    QCOMPARE(KeyVal, kPath1);
    QCOMPARE(rig.registry.accessAsked, std::vector<std::uint32_t>{0x20019});
    QVERIFY(reg::kKeyRead != kReadWriteMask);
    // KEY_SET_VALUE, KEY_CREATE_SUB_KEY and KEY_CREATE_LINK are write rights.
    QCOMPARE(reg::kKeyRead & 0x26u, 0u);
}

void TstAbout::getKeyValueClosesOnlyOpenedKeys_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<bool>("valueExists");
    QTest::addColumn<uint>("granted");
    QTest::addColumn<int>("opened");
    QTest::newRow("read") << true << true << uint(kAllAccess) << 1;
    QTest::newRow("value missing") << true << false << uint(kAllAccess) << 1;
    QTest::newRow("key missing") << false << false << uint(kAllAccess) << 0;
    QTest::newRow("access denied") << true << true << 0u << 0;
}

void TstAbout::getKeyValueClosesOnlyOpenedKeys()
{
    QFETCH(bool, keyExists);
    QFETCH(bool, valueExists);
    QFETCH(uint, granted);
    QFETCH(int, opened);

    // Counts every close, valid or not, to see that a failed open closes nothing.
    struct CountingRegistry final : Registry {
        FakeRegistry inner;
        int opens = 0;
        int closes = 0;
        std::int32_t openKey(std::uint32_t root, const std::string &subKey, std::uint32_t access,
                             KeyHandle &key) override
        {
            const auto status = inner.openKey(root, subKey, access, key);
            opens += status == reg::kSuccess;
            return status;
        }
        std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                std::uint8_t *data, std::uint32_t &byteCount) override
        {
            return inner.queryValue(key, name, type, data, byteCount);
        }
        std::int32_t closeKey(KeyHandle key) override
        {
            ++closes;
            return inner.closeKey(key);
        }
    } registry;
    if (keyExists)
        registry.inner.keys["K"];
    if (valueExists)
        registry.inner.set("K", "V", int(reg::kTypeString), text("x"));
    registry.inner.granted = granted;
    FakeLauncher launcher;
    FakeFiles files;
    RecordedMessageBoxes messages;
    SystemInfo info(registry, launcher, files, messages);

    QString KeyVal = QStringLiteral("old");
    QCOMPARE(info.GetKeyValue(reg::kLocalMachine, "K", "V", KeyVal), valueExists && opened == 1);
    QCOMPARE(registry.opens, opened);
    QCOMPARE(registry.closes, opened);
    QCOMPARE(registry.inner.misusedHandles, 0);
    QVERIFY(registry.inner.open.empty());
}

void TstAbout::systemRegistryElsewhereAlwaysFails()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has a registry");
#else
    const auto registry = makeSystemRegistry();
    FakeLauncher launcher;
    FakeFiles files;
    files.files = {kPath2};
    RecordedMessageBoxes messages;
    SystemInfo info(*registry, launcher, files, messages);
    info.StartSysInfo();
    QVERIFY(launcher.attempts.isEmpty());
    QCOMPARE(messages.shown, QList<ShownMessage>{kUnavailableMessage});
#endif
}

void TstAbout::directoryListing_data()
{
    QTest::addColumn<QString>("create");  // "file", "folder" or ""
    QTest::addColumn<bool>("found");
    QTest::newRow("file") << "file" << true;
    QTest::newRow("folder of that name") << "folder" << false;
    QTest::newRow("nothing") << "" << false;
}

void TstAbout::directoryListing()
{
    QFETCH(QString, create);
    QFETCH(bool, found);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("MSINFO32.EXE"));
    if (create == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (create == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("MSINFO32.EXE")));
    }
    DirectoryListing listing;
    QCOMPARE(listing.fileExists(path), found);
}

void TstAbout::detachedLauncher()
{
    DetachedLauncher launcher;
    QVERIFY(!launcher.startDetached(QString()));
    QVERIFY(!launcher.startDetached(QStringLiteral("/nonexistent/MSINFO32.EXE")));
#ifdef Q_OS_UNIX
    QVERIFY(launcher.startDetached(QStringLiteral("/bin/true")));
#endif
}

// ---- The dialog ----

void TstAbout::versionLine_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("line");
    QTest::newRow("this version") << app_info::kMajor << app_info::kMinor << app_info::kRevision
                                  << "Version 1.3.12";
    QTest::newRow("zeros") << 2 << 0 << 0 << "Version 2.0.0";
    QTest::newRow("several digits") << 10 << 11 << 105 << "Version 10.11.105";
}

void TstAbout::versionLine()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, line);
    QCOMPARE(vkp2::versionLine(major, minor, revision), line);
}

void TstAbout::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("caption") << "caption" << "About VKP-2";
    QTest::newRow("lblTitle") << "lblTitle" << "VKP2";
    QTest::newRow("lblVersion") << "lblVersion" << "Version 1.3.12";
    QTest::newRow("lblDescription")
        << "lblDescription"
        << "Calculate the resulting focal lengths and ratios when using the VKP-2 for eyepiece "
           "projection photography.";
    QTest::newRow("cmdOK") << "cmdOK" << "OK";
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << "&System Info...";
}

void TstAbout::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    Rig rig;
    AboutDialog dialog(rig.info);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(textsOf(dialog).value(name), expected);
}

void TstAbout::webSiteAndDisclaimer()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    const QString site = child<QLabel>(dialog, QStringLiteral("Label1"))->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^[a-z0-9-]+(\\.[a-z0-9-]+)+$")).match(site).hasMatch(),
             qPrintable(site));
    const QString warning = child<QLabel>(dialog, QStringLiteral("lblDisclaimer"))->text();
    QVERIFY(warning.startsWith(QStringLiteral("Warning:")));
    QVERIFY(warning.contains(QStringLiteral("Unauthorized reproduction or distribution")));
}

void TstAbout::noTextClipped()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    for (auto *l : dialog.findChildren<QLabel *>()) {
        if (l->text().isEmpty())
            continue; // the logo
        const QString what = l->objectName() + QStringLiteral(": ") + l->text();
        if (l->wordWrap())
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(what));
        else
            QVERIFY2(l->sizeHint().width() <= l->width()
                         && l->sizeHint().height() <= l->height(),
                     qPrintable(what));
    }
    for (auto *b : dialog.findChildren<QPushButton *>())
        QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
}

void TstAbout::logo()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    auto *picIcon = child<QLabel>(dialog, QStringLiteral("picIcon"));
    const QPixmap logo = picIcon->pixmap();
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.deviceIndependentSize().toSize(),
             QSize(artwork::kLogoWidth, artwork::kLogoHeight));
    QCOMPARE(picIcon->frameWidth(), 2);
    QCOMPARE(picIcon->contentsRect().size(), QSize(150, 75));
    QVERIFY(picIcon->autoFillBackground());
    QCOMPARE(picIcon->palette().color(QPalette::Window), QColor(192, 192, 192));
}

void TstAbout::accessibleNames()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    QCOMPARE(child<QWidget>(dialog, QStringLiteral("cmdOK"))->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(child<QWidget>(dialog, QStringLiteral("cmdSysInfo"))->accessibleName(),
             QStringLiteral("System Info..."));
    for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "picIcon", "Label1",
                             "lblDisclaimer"}) {
        auto *l = child<QLabel>(dialog, QString::fromLatin1(name));
        QVERIFY2(!l->accessibleName().isEmpty(), name);
        if (!l->text().isEmpty())
            QCOMPARE(l->accessibleName(), l->text());
    }
}

void TstAbout::fixedSizeWithoutMinMax()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    QCOMPARE(dialog.minimumSize(), QSize(413, 201));
    QCOMPARE(dialog.maximumSize(), QSize(413, 201));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
}

void TstAbout::focusOrder()
{
    Rig rig;
    AboutDialog dialog(rig.info);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *ok = child<QWidget>(dialog, QStringLiteral("cmdOK"));
    auto *sysInfo = child<QWidget>(dialog, QStringLiteral("cmdSysInfo"));
    QVERIFY(static_cast<QPushButton *>(ok)->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
}

void TstAbout::keysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TstAbout::keysClose()
{
    QFETCH(int, key);
    QFETCH(int, result);
    Rig rig;
    AboutDialog dialog(rig.info);
    dialog.setResult(-1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    QVERIFY(rig.launcher.attempts.isEmpty());
}

void TstAbout::okAndCloseBoxClose()
{
    Rig rig;
    {
        AboutDialog dialog(rig.info);
        dialog.show();
        QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    {
        AboutDialog dialog(rig.info);
        dialog.show();
        QVERIFY(dialog.close());
        QVERIFY(!dialog.isVisible());
    }
    QVERIFY(rig.launcher.attempts.isEmpty());
    QVERIFY(rig.messages.shown.isEmpty());
}

void TstAbout::sysInfoKeepsWindowOpen_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<bool>("registered");
    QTest::newRow("click, registered") << false << true;
    QTest::newRow("click, not registered") << false << false;
    QTest::newRow("Alt+S, registered") << true << true;
    QTest::newRow("Alt+S, not registered") << true << false;
}

void TstAbout::sysInfoKeepsWindowOpen()
{
    QFETCH(bool, keyboard);
    QFETCH(bool, registered);
    Rig rig;
    if (registered)
        rig.registry.set(kSysInfoPathKey, kSysInfoPathValue, int(reg::kTypeString), text(kPath1));
    AboutDialog dialog(rig.info);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (keyboard)
        QTest::keyClick(dialog.windowHandle(), Qt::Key_S, Qt::AltModifier);
    else
        QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    // An access key presses the button with a short animation, so wait for the click.
    if (registered) {
        QTRY_COMPARE(rig.launcher.attempts, QStringList{kPath1});
        QVERIFY(rig.messages.shown.isEmpty());
    } else {
        QTRY_COMPARE(rig.messages.shown, QList<ShownMessage>{kUnavailableMessage});
        QVERIFY(rig.launcher.attempts.isEmpty());
    }
    QVERIFY(dialog.isVisible());
}

QTEST_MAIN(TstAbout)
#include "tst_about.moc"
