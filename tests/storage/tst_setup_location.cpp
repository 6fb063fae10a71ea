// Where the user equipment file is read and written: the current folder's, or the data folder's.

#include "storage/setup_location.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vkp2;

class TstSetupLocation : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void choosesFolder_data();
    void choosesFolder();

private:
    // Private folders as the current folder and as home, so the user's are never touched.
    std::unique_ptr<QTemporaryDir> here;
    std::unique_ptr<QTemporaryDir> home;
    QString previousFolder;
    QByteArray previousDataHome;
    QByteArray previousHome;
    bool hadDataHome = false;
};

namespace {

// The same folder and name, however each path spells its folder.
bool sameEntry(const QString &a, const QString &b)
{
    const QFileInfo x(a), y(b);
    return x.fileName() == y.fileName()
        && QFileInfo(x.absolutePath()).canonicalFilePath() == QFileInfo(y.absolutePath()).canonicalFilePath();
}

} // namespace

void TstSetupLocation::init()
{
    here = std::make_unique<QTemporaryDir>();
    home = std::make_unique<QTemporaryDir>();
    previousFolder = QDir::currentPath();
    hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    previousDataHome = qgetenv("XDG_DATA_HOME");
    previousHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home->path()));
    QVERIFY(QDir::setCurrent(here->path()));
}

void TstSetupLocation::cleanup()
{
    QDir::setCurrent(previousFolder);
    qputenv("HOME", previousHome);
    if (hadDataHome)
        qputenv("XDG_DATA_HOME", previousDataHome);
    else
        qunsetenv("XDG_DATA_HOME");
}

void TstSetupLocation::choosesFolder_data()
{
    QTest::addColumn<QString>("inCurrent"); // what "vkp2user.dat" is in the current folder
    QTest::addColumn<QString>("dataHome");  // "usable", "unset", or "blocked" (below a plain file)
    QTest::addColumn<bool>("current");      // the current folder's file is the answer
    QTest::newRow("file here wins") << "file" << "usable" << true;
    QTest::newRow("none here: data folder") << "nothing" << "usable" << false;
    QTest::newRow("none here, no XDG_DATA_HOME: ~/.local/share") << "nothing" << "unset" << false;
    QTest::newRow("a folder of that name here") << "folder" << "usable" << false;
    QTest::newRow("data folder cannot be made") << "nothing" << "blocked" << true;
}

void TstSetupLocation::choosesFolder()
{
    QFETCH(QString, inCurrent);
    QFETCH(QString, dataHome);
    QFETCH(bool, current);
    const QString herePath = here->filePath("vkp2user.dat");
    if (inCurrent == "file") {
        QFile file(herePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (inCurrent == "folder") {
        QVERIFY(QDir().mkdir(herePath));
    }
    QString dataRoot = home->filePath("share");
    if (dataHome == "blocked") {
        QFile plain(home->filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        dataRoot = home->filePath("plain/share");
    }
    if (dataHome == "unset") {
        dataRoot = home->filePath(".local/share");
        qunsetenv("XDG_DATA_HOME");
    } else {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataRoot));
    }
    if (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) != dataRoot)
        QSKIP("this system does not take its data folder from XDG_DATA_HOME or HOME; the real one would be used");

    // A reader (the planners) finds what is there and creates nothing.
    const QString dataFolder = dataRoot + "/VKP2";
    const QString readPath = storage::userEquipmentFilePath(storage::FolderCreation::ReadOnly);
    QVERIFY(!QFileInfo(dataFolder).exists());
    if (current)
        QVERIFY2(sameEntry(readPath, herePath), qPrintable(readPath));

    const QString path = storage::userEquipmentFilePath();
    QVERIFY2(QFileInfo(path).isAbsolute(), qPrintable(path));
    QVERIFY2(sameEntry(path, current ? herePath : dataFolder + "/vkp2user.dat"), qPrintable(path));
    // The data folder is made only when it is the one used.
    QCOMPARE(QFileInfo(dataFolder).isDir(), !current);
    if (!current) // now that it is there, a reader finds the same file
        QVERIFY(sameEntry(storage::userEquipmentFilePath(storage::FolderCreation::ReadOnly), path));
}

QTEST_GUILESS_MAIN(TstSetupLocation)
#include "tst_setup_location.moc"
