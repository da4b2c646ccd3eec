#pragma once
// Gadget-window timers on a virtual clock: Advance(ms) fires every tick that
// falls due, in time order, as a message loop would.

#include <functional>
#include <map>

#include "controls/gadgets/IGadgetTimer.h"

class VirtualGadgetTimer : public IGadgetTimer {
public:
    void SetTimer(int timerId, int periodMs, std::function<void()> tick) override
    {
        timers_[timerId] = Timer{periodMs, now_ + periodMs, std::move(tick)};
    }
    void KillTimer(int timerId) override { timers_.erase(timerId); }
    bool IsTimerRunning(int timerId) const override { return timers_.count(timerId) != 0; }

    void Advance(long ms)
    {
        const long end = now_ + ms;
        for (;;) {
            auto due = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it) {
                if (it->second.due <= end && (due == timers_.end() || it->second.due < due->second.due))
                    due = it;
            }
            if (due == timers_.end())
                break;
            now_ = due->second.due;
            due->second.due += due->second.period;
            std::function<void()> tick = due->second.tick;
            tick();
        }
        now_ = end;
    }
    long Now() const { return now_; }

private:
    struct Timer {
        int period;
        long due;
        std::function<void()> tick;
    };
    std::map<int, Timer> timers_;
    long now_ = 0;
};
