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
std::unique_ptr<QLockFile> lockFile(int slot)
{
    auto lock = std::make_unique<QLockFile>(calculatorLockPath(slot));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

QString calculatorLockPath(int slot)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).absoluteFilePath(QStringLiteral("vkp2calc-%1-%2.lock").arg(userName()).arg(slot));
}

CalculatorInstance::CalculatorInstance()
{
    for (int slot = 0; slot < kCalculatorLockSlots && !lock_; ++slot) {
        lock_ = lockFile(slot);
        if (!lock_->tryLock(0))
            lock_.reset();
    }
}

CalculatorInstance::~CalculatorInstance() = default;

bool CalculatorInstance::held() const { return lock_ != nullptr; }

bool calculatorRunning()
{
    // Taking the lock is the one test QLockFile offers that tells a live holder from a dead one;
    // a dead one's file is removed on the way.
    for (int slot = 0; slot < kCalculatorLockSlots; ++slot) {
        const std::unique_ptr<QLockFile> lock = lockFile(slot);
        if (lock->tryLock(0))
            lock->unlock();
        else if (lock->error() == QLockFile::LockFailedError)
            return true;
    }
    return false;
}

} // namespace vkp2::storage
