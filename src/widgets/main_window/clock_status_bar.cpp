#include "widgets/main_window/clock_status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace vkp2 {

namespace {

QLabel *panel(QStatusBar *bar, const QString &text, int width, int minimum, int stretch)
{
    auto *label = new QLabel(text, bar);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimum);
    label->resize(width, label->height());
    bar->addPermanentWidget(label, stretch);
    return label;
}

} // namespace

ClockStatusBar::ClockStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(false);
    // Widths in twips at 15 twips per pixel: 5370 (at least 1440), 1440, 1440.
    status_ = panel(this, QStringLiteral("Status"), 358, 96, 1);
    date_ = panel(this, QString(), 96, 96, 0);
    time_ = panel(this, QString(), 96, 96, 0);
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &ClockStatusBar::tick);
    timer_->start(1000);
    tick();
}

void ClockStatusBar::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

QString ClockStatusBar::dateText() const { return date_->text(); }
QString ClockStatusBar::timeText() const { return time_->text(); }

} // namespace vkp2
