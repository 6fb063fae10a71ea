#include "storage/calculator_instance.h"

#include <QDir>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace vkp2::storage {

namespace {

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    // Only what is safe in a file name; the folder is this user's anyway where there is one.
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return name.isEmpty() ? QStringLiteral("user") : name;
}

// No stale time: a lock is stale only when its holder has died, however long a calculator runs.
std::unique_ptr<QLockFile> lockFile()
{
    auto lock = std::make_unique<QLockFile>(calculatorLockPath());
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QString calculatorLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).absoluteFilePath(QStringLiteral("vkp2calc-%1.lock").arg(userName()));
}

CalculatorInstance::CalculatorInstance() : lock_(lockFile())
{
    if (!lock_->tryLock(0))
        lock_.reset();
}

CalculatorInstance::~CalculatorInstance() = default;

bool CalculatorInstance::held() const { return lock_ != nullptr; }

bool calculatorRunning()
{
    // Taking the lock is the one test QLockFile offers that tells a live holder from a dead one;
    // a dead one's file is removed on the way.
    const std::unique_ptr<QLockFile> lock = lockFile();
    if (lock->tryLock(0)) {
        lock->unlock();
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace vkp2::storage
