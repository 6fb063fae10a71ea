// Whether a calculator runs, as the planner asks it: a live holder of the lock counts, a killed
// one does not.

#include "storage/calculator_instance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace vkp2::storage;

class TstCalculatorInstance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lockIsNamedForUser();
    void heldInThisProcess();
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

void TstCalculatorInstance::lockIsNamedForUser()
{
    const QFileInfo lock(calculatorLockPath());
    QCOMPARE(lock.absolutePath(), QFileInfo(runtime->path()).absoluteFilePath());
    QVERIFY2(lock.fileName().startsWith("vkp2calc-") && lock.fileName().endsWith(".lock"),
             qPrintable(lock.fileName()));
    QVERIFY(lock.fileName().size() > QStringLiteral("vkp2calc-.lock").size());
}

void TstCalculatorInstance::heldInThisProcess()
{
    QVERIFY(!calculatorRunning());
    QVERIFY(!QFile::exists(calculatorLockPath()));
    {
        const CalculatorInstance first;
        QVERIFY(first.held());
        QVERIFY(calculatorRunning());
        // A second calculator runs all the same, without the lock.
        const CalculatorInstance second;
        QVERIFY(!second.held());
        QVERIFY(calculatorRunning());
    }
    QVERIFY(!calculatorRunning());
    QVERIFY(!QFile::exists(calculatorLockPath()));
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
    {
        const CalculatorInstance here;
        QVERIFY(!here.held());
    }
    QVERIFY(calculatorRunning()); // asking left the holder's lock alone

    if (kill) {
        holder.kill();
    } else {
        holder.terminate();
    }
    QVERIFY(holder.waitForFinished(10000));
    if (kill)
        QVERIFY(QFile::exists(calculatorLockPath())); // what a crash leaves behind
    QVERIFY(!calculatorRunning());
    QVERIFY(!QFile::exists(calculatorLockPath()));

    const CalculatorInstance next;
    QVERIFY(next.held());
}

QTEST_GUILESS_MAIN(TstCalculatorInstance)
#include "tst_calculator_instance.moc"
