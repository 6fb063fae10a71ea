#pragma once
// Whether a calculator window is running for this user. The calculator holds a lock file for as
// long as it runs; the planner asks before writing the calculator's setup file, which a running
// calculator would overwrite when it closes. A lock left by a crashed calculator is stale and
// does not count.

#include <QString>

#include <memory>

class QLockFile;

namespace vkp2::storage {

// The lock file's path: in the per-user runtime folder (the temporary folder where there is
// none), named for this user.
QString calculatorLockPath();

// Held by the calculator from start to end; empty when another calculator holds the lock (the
// calculator runs all the same, as it always has).
class CalculatorInstance {
public:
    CalculatorInstance();
    ~CalculatorInstance();
    bool held() const;

private:
    std::unique_ptr<QLockFile> lock_;
};

// True while some process holds the lock.
bool calculatorRunning();

} // namespace vkp2::storage
