// Linked beside a shipped program's own main (src/app/main.cpp, src/app/planner_main.cpp) to
// make its bench copy: the first-frame hook is installed as the application object is built,
// so the copy runs exactly the shipped main and the main itself knows nothing of the bench.

#include "exit_when_shown.h"

#include <QCoreApplication>

namespace {

void installFirstFrameHook() { vkp2::ExitWhenShown::installIfRequested(*QCoreApplication::instance()); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameHook)
