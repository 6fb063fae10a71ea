// Whether a calculator runs, as the planner asks it: a live holder of any lock slot counts, a
// killed one does not, and a second window still counts once the first has closed.

#include "storage/calculator_instance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace vkp2::storage;

class TstCalculatorInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lockIsNamedForUser_data();
    void lockIsNamedForUser();
    void heldInThisProcess_data();
    void heldInThisProcess();
    void everySlotTaken();
    void otherProcess_data();
    void otherProcess();

private:
    // A private runtime folder, so a calculator the user has open plays no part.
    std::unique_ptr<QTemporaryDir> runtime;
    QByteArray previousRuntime;
    bool hadRuntime = false;
};

namespace {

// Starts the helper and waits until it says whether it holds the lock.
QString startHolder(QProcess &process)
{
    process.start(QStringLiteral(LOCK_HOLDER), {});
    if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
        return QStringLiteral("did not start");
    return QString::fromUtf8(process.readLine()).trimmed();
}

bool anyLockFile()
{
    for (int slot = 0; slot < kCalculatorLockSlots; ++slot)
        if (QFile::exists(calculatorLockPath(slot)))
            return true;
    return false;
}

} // namespace

void TstCalculatorInstance::init()
{
    runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime->isValid());
    hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
}

void TstCalculatorInstance::cleanup()
{
    if (hadRuntime)
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

void TstCalculatorInstance::lockIsNamedForUser_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("last") << kCalculatorLockSlots - 1;
}

void TstCalculatorInstance::lockIsNamedForUser()
{
    QFETCH(int, slot);
    const QFileInfo lock(calculatorLockPath(slot));
    QCOMPARE(lock.absolutePath(), QFileInfo(runtime->path()).absoluteFilePath());
    const QString end = QStringLiteral("-%1.lock").arg(slot);
    QVERIFY2(lock.fileName().startsWith("vkp2calc-") && lock.fileName().endsWith(end), qPrintable(lock.fileName()));
    QVERIFY(lock.fileName().size() > QStringLiteral("vkp2calc-").size() + end.size());
    for (int other = 0; other < kCalculatorLockSlots; ++other)
        QCOMPARE(calculatorLockPath(other) == lock.filePath(), other == slot);
}

void TstCalculatorInstance::heldInThisProcess_data()
{
    QTest::addColumn<bool>("firstClosesFirst");
    QTest::newRow("first closes first") << true;
    QTest::newRow("second closes first") << false;
}

void TstCalculatorInstance::heldInThisProcess()
{
    QFETCH(bool, firstClosesFirst);
    QVERIFY(!calculatorRunning());
    QVERIFY(!anyLockFile());
    auto first = std::make_unique<CalculatorInstance>();
    QVERIFY(first->held());
    QVERIFY(calculatorRunning());
    auto second = std::make_unique<CalculatorInstance>();
    QVERIFY(second->held());
    QVERIFY(calculatorRunning());

    (firstClosesFirst ? first : second).reset();
    QVERIFY(calculatorRunning()); // the other window still runs
    (firstClosesFirst ? second : first).reset();
    QVERIFY(!calculatorRunning());
    QVERIFY(!anyLockFile());
}

void TstCalculatorInstance::everySlotTaken()
{
    std::vector<std::unique_ptr<CalculatorInstance>> running;
    for (int i = 0; i < kCalculatorLockSlots; ++i) {
        running.push_back(std::make_unique<CalculatorInstance>());
        QVERIFY(running.back()->held());
    }
    // One more runs all the same, without a lock.
    const CalculatorInstance extra;
    QVERIFY(!extra.held());
    QVERIFY(calculatorRunning());

    // The last slot alone still counts, and a slot let go is taken again.
    running.erase(running.begin(), running.end() - 1);
    QVERIFY(calculatorRunning());
    const CalculatorInstance again;
    QVERIFY(again.held());
    running.clear();
    QVERIFY(calculatorRunning());
}

void TstCalculatorInstance::otherProcess_data()
{
    QTest::addColumn<bool>("kill"); // killed, as a crash would end it, rather than closed
    QTest::newRow("killed") << true;
    QTest::newRow("closed") << false;
}

void TstCalculatorInstance::otherProcess()
{
    QFETCH(bool, kill);
    QProcess holder;
    QCOMPARE(startHolder(holder), QStringLiteral("held"));
    QVERIFY(calculatorRunning());
    auto here = std::make_unique<CalculatorInstance>();
    QVERIFY(here->held());
    QVERIFY(calculatorRunning());
    here.reset();
    QVERIFY(calculatorRunning()); // asking left the holder's lock alone

    here = std::make_unique<CalculatorInstance>();
    if (kill) {
        holder.kill();
    } else {
        holder.terminate();
    }
    QVERIFY(holder.waitForFinished(10000));
    if (kill)
        QVERIFY(QFile::exists(calculatorLockPath(0))); // what a crash leaves behind
    QVERIFY(calculatorRunning()); // this one still runs
    here.reset();
    QVERIFY(!calculatorRunning());
    QVERIFY(!anyLockFile());

    const CalculatorInstance next;
    QVERIFY(next.held());
    QVERIFY(QFile::exists(calculatorLockPath(0))); // the dead holder's slot is free again
}

QTEST_GUILESS_MAIN(TstCalculatorInstance)
#include "tst_calculator_instance.moc"
