#pragma once
// What both window programs do before their window exists: refuse plainly to start without a
// display, and hand Qt no user arguments (the programs read no command line, so options such as
// -reverse or -stylesheet cannot change a window; the platform still follows QT_QPA_PLATFORM).

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace vkp2::program_start {

// Without a display Qt aborts with a page of plugin errors; one plain line helps more.
inline bool displayMissing(const char *program)
{
#if defined(Q_OS_LINUX)
    const auto unset = [](const char *name) {
        const char *value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "%s: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                     "start it from a desktop session.\n",
                     program);
        return true;
    }
#else
    (void)program;
#endif
    return false;
}

// The program name only, for QApplication.
struct QtArguments {
    int argc = 1;
    char *argv[2];
    QtArguments(int realArgc, char **realArgv, const char *fallback)
        : argv{realArgc > 0 ? realArgv[0] : const_cast<char *>(fallback), nullptr}
    {
    }
};

} // namespace vkp2::program_start
