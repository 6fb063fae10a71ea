#include "widgets/toolkit/modal_message_boxes.h"
#include "widgets/main_window/main_window.h"

#ifdef VKP2_EXIT_WHEN_SHOWN_HOOK // the benchmark's build only (bench/CMakeLists.txt)
#include "exit_when_shown.h"
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
        std::fputs("vkp2calc: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    // The program reads no command line: Qt gets the program name only, so options such as
    // -reverse or -stylesheet cannot change the window. The platform still follows
    // QT_QPA_PLATFORM.
    int qtArgc = 1;
    char *qtArgv[] = {argc > 0 ? argv[0] : const_cast<char *>("vkp2calc"), nullptr};
    QApplication app(qtArgc, qtArgv);
#ifdef VKP2_EXIT_WHEN_SHOWN_HOOK
    vkp2::ExitWhenShown::installIfRequested(app);
#endif
    // Lets Wayland desktops match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vkp2calc.VKP2Calculator"));
    vkp2::ModalMessageBoxes messages;
    vkp2::MainWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
