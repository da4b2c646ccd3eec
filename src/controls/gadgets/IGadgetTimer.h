#pragma once
// Window timers of a gadget window, by id. Setting a running timer again
// restarts its period; killing an unknown id does nothing.

#include <functional>

class IGadgetTimer {
public:
    virtual ~IGadgetTimer() = default;
    virtual void SetTimer(int timerId, int periodMs, std::function<void()> tick) = 0;
    virtual void KillTimer(int timerId) = 0;
    virtual bool IsTimerRunning(int timerId) const = 0;
};
