#pragma once
// Bench-only builds of the planner: print the monotonic clock once the first window's first
// frame has been painted, then end at once, as bench/startup_compare.py expects ("shown NS").

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vkp2::bench {

class FirstFrameExit final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { // once this expose has been painted
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

inline void installFirstFrameExit(QApplication &app)
{
    static FirstFrameExit filter;
    app.installEventFilter(&filter);
}

} // namespace vkp2::bench
