#include "controls/gadgets/QtGadgetTimer.h"

#include <QTimer>

QtGadgetTimer::QtGadgetTimer() = default;
QtGadgetTimer::~QtGadgetTimer() = default;

void QtGadgetTimer::SetTimer(int timerId, int periodMs, std::function<void()> tick)
{
    std::unique_ptr<QTimer>& timer = timers_[timerId];
    if (!timer)
        timer = std::make_unique<QTimer>();
    timer->disconnect();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), std::move(tick));
    timer->start(periodMs);
}

void QtGadgetTimer::KillTimer(int timerId)
{
    auto it = timers_.find(timerId);
    if (it != timers_.end())
        it->second->stop();
}

bool QtGadgetTimer::IsTimerRunning(int timerId) const
{
    auto it = timers_.find(timerId);
    return it != timers_.end() && it->second->isActive();
}
