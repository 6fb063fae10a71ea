#include "widgets/toolkit/modal_message_boxes.h"
#include "widgets/main_window/main_window.h"

#include "app/exit_when_shown.h"

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
    QApplication app(argc, argv);
    vkp2::ExitWhenShown::installIfRequested(app);
    // Lets Wayland desktops match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vkp2calc.VKP2Calculator"));
    vkp2::ModalMessageBoxes messages;
    vkp2::MainWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
