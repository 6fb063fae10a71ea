// Saving the user equipment file survives being killed at any moment, and a save that cannot
// be done leaves the old file and the program alone.

#include "saving_setups.h"
#include "storage/user_equipment_file.h"
#include "support/widgets/window_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <chrono>
#include <random>
#include <thread>

using namespace vkp2;

class TstCrashSafeSaving : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void killedWhileSaving_data();
    void killedWhileSaving();
    void fullDiskKeepsOldFileAndRuns();
    void vanishedFolderKeepsRunning();
};

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

void TstCrashSafeSaving::killedWhileSaving_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("kills");
    QTest::addColumn<bool>("safe");
    QTest::newRow("the program's writer") << "loop" << 200 << true;
    // The same check on a plain rewrite in place must see torn files, or it could not fail.
    QTest::newRow("a plain rewrite is caught") << "plain-loop" << 30 << false;
}

void TstCrashSafeSaving::killedWhileSaving()
{
    QFETCH(QString, mode);
    QFETCH(int, kills);
    QFETCH(bool, safe);

    test::Sandbox sandbox;
    const QString path = sandbox.file("vkp2user.dat");
    const QByteArray first = test::fileBytes(test::firstSetup());
    const QByteArray second = test::fileBytes(test::secondSetup());
    QVERIFY(writeBytes(path, first)); // the previous file

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    int sawFirst = 0, sawSecond = 0, torn = 0;
    for (int i = 0; i < kills; ++i) {
        QProcess child;
        child.setProgram(QStringLiteral(SAVE_LOOP_HELPER));
        child.setArguments({mode, path});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        QVERIFY2(child.waitForStarted(10000), qPrintable(child.errorString()));
        QVERIFY2(child.waitForReadyRead(30000), "the helper did not start saving");
        QCOMPARE(child.readLine().trimmed(), QByteArray("saving"));
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
        child.kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QByteArray now = readBytes(path);
        if (now == first)
            ++sawFirst;
        else if (now == second)
            ++sawSecond;
        else if (safe)
            QFAIL(qPrintable(QStringLiteral("kill %1 left %2 bytes that are neither setup whole")
                                 .arg(i).arg(now.size())));
        else
            ++torn;
    }
    const QStringList left = QDir(sandbox.dir.path()).entryList(QDir::Files | QDir::Hidden);
    qInfo("%s: %d kills, %d left the first setup, %d the second, %d a torn file; files left: %lld",
          qPrintable(mode), kills, sawFirst, sawSecond, torn, static_cast<long long>(left.size()));
    if (safe) {
        // Both setups were seen, so the kills did land between and during saves.
        QVERIFY(sawFirst > 0 && sawSecond > 0);
    } else {
        QVERIFY2(torn > 0, "a plain rewrite was never caught torn");
    }
}

// Writes that the disk refuses (here: a file size limit, which root cannot bypass as it can
// permission bits) make the close fail to save, but not fail: the old file stays whole.
void TstCrashSafeSaving::fullDiskKeepsOldFileAndRuns()
{
    test::Sandbox sandbox;
    const QString path = sandbox.file("vkp2user.dat");
    const QByteArray old = test::fileBytes(test::secondSetup());
    QVERIFY(writeBytes(path, old));

    QProcess child;
    child.setProgram(QStringLiteral(SAVE_LOOP_HELPER));
    child.setArguments({QStringLiteral("full-disk")});
    child.setWorkingDirectory(sandbox.dir.path());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start();
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("closed"));
    QCOMPARE(readBytes(path), old);
    // Nothing half-written is left beside it.
    const QStringList left = QDir(sandbox.dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{"vkp2user.dat"});
}

// The current folder is deleted while the program runs: the close cannot save, and goes on.
void TstCrashSafeSaving::vanishedFolderKeepsRunning()
{
    test::Sandbox sandbox;
    QVERIFY(QDir(sandbox.dir.path()).mkdir("work"));
    const QString work = sandbox.file("work");
    QVERIFY(writeBytes(work + "/vkp2user.dat", test::fileBytes(test::secondSetup()))); // used, then gone
    QVERIFY(QDir::setCurrent(work));
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(QDir(work).removeRecursively());
        QVERIFY(window.close());
        QVERIFY(!QFileInfo::exists(work));
    }
    QVERIFY(QDir::setCurrent(sandbox.dir.path()));
    // And the program still starts afresh there.
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    QCOMPARE(window.widgets()[Box::efl]->text(), QString("7960.6"));
}

QTEST_MAIN(TstCrashSafeSaving)
#include "tst_crash_safe_saving.moc"
