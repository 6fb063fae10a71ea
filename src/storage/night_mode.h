#pragma once
// Whether the windows are in night mode: one remembered setting that both programs follow, in
// a store of its own ("VKP2 Night mode"), so the calculator's own settings stay as they are.

namespace vkp2::storage {

bool readNightMode();
void writeNightMode(bool on);

} // namespace vkp2::storage
