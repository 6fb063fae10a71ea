#pragma once
// Whether a calculator window is running for this user. Each calculator holds one of a few lock
// files for as long as it runs, so a second window counts after the first has closed; the planner
// asks before writing the calculator's setup file, which a running calculator would overwrite
// when it closes. A lock left by a crashed calculator is stale and does not count.

#include <QString>

#include <memory>

class QLockFile;

namespace vkp2::storage {

// How many calculators can hold a lock at once.
inline constexpr int kCalculatorLockSlots = 16;

// One lock slot's path (0 up to kCalculatorLockSlots - 1): in the per-user runtime folder (the
// temporary folder where there is none), named for this user and the slot.
QString calculatorLockPath(int slot = 0);

// Held by the calculator from start to end: the first free slot. Empty only when every slot is
// taken (the calculator runs all the same).
class CalculatorInstance {
public:
    CalculatorInstance();
    ~CalculatorInstance();
    bool held() const;

private:
    std::unique_ptr<QLockFile> lock_;
};

// True while some live process holds any of the slots.
bool calculatorRunning();

} // namespace vkp2::storage
