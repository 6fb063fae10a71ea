#include "widgets/planner_window/planner_window.h"
#include "widgets/toolkit/modal_message_boxes.h"

#if defined(VKP2_FIRST_FRAME_EXIT)
#include "first_frame_exit.h" // bench-only build: reports the first frame, then ends
#endif

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a page of plugin errors; one plain line helps more.
bool displayMissing()
{
#if defined(Q_OS_LINUX)
    const auto unset = [](const char *name) {
        const char *value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("vkp2planner: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
#if defined(VKP2_FIRST_FRAME_EXIT)
    vkp2::bench::installFirstFrameExit(app);
#endif
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vkp2calc.VKP2Planner"));
    vkp2::ModalMessageBoxes messages;
    vkp2::planner_window::PlannerWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
