#pragma once
// A start-up timing aid for bench/startup_compare.py, built into the benchmark's copies of the
// calculator (vkp2calc_timed) and the planner (vkp2planner_first_frame, see first_frame_hook.cpp)
// and into the bare window they are compared with, never into the shipped programs: with VKP2_EXIT_WHEN_SHOWN set, the program prints the monotonic clock once its first
// window's first frame has been painted, then ends at once (nothing is saved, no teardown, so
// the peak memory is that of the shown window). Inert otherwise.

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vkp2 {

class ExitWhenShown final : public QObject {
public:
    static void installIfRequested(QCoreApplication &app)
    {
        static ExitWhenShown filter;
        if (qEnvironmentVariableIsSet("VKP2_EXIT_WHEN_SHOWN"))
            app.installEventFilter(&filter);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { // once this expose has been painted
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n", static_cast<long long>(
                                                std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

} // namespace vkp2
