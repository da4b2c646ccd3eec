#pragma once
// Gadget-window timers on Qt timers, one per id, firing on the UI thread.

#include <QObject>

#include <map>
#include <memory>

#include "controls/gadgets/IGadgetTimer.h"

class QTimer;

class QtGadgetTimer : public IGadgetTimer {
public:
    QtGadgetTimer();
    ~QtGadgetTimer() override;

    void SetTimer(int timerId, int periodMs, std::function<void()> tick) override;
    void KillTimer(int timerId) override;
    bool IsTimerRunning(int timerId) const override;

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};
