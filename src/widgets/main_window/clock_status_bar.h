#pragma once
// The status bar: "Status", then the current date and time, which it keeps up to date itself.

#include <QStatusBar>

class QLabel;
class QTimer;

namespace vkp2 {

class ClockStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit ClockStatusBar(QWidget *parent = nullptr);

    QString dateText() const;
    QString timeText() const;

private:
    void tick();

    QLabel *status_;
    QLabel *date_;
    QLabel *time_;
    QTimer *timer_;
};

} // namespace vkp2
