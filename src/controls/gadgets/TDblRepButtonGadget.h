#pragma once
// The press-and-hold fast-wind button. While it is held over the button, timer
// 778 of its gadget window posts the repeat command every 100 ms (the first 100
// ms after the press); leaving the button stops the repeats and coming back
// resumes them. The release always posts the button's own command once, also
// when the pointer is away from the button or the button is disabled while
// held, so a press gives zero or more repeats and then exactly one release
// command.

#include <memory>

#include "controls/gadgets/TButtonGadget.h"

class IGadgetTimer;

constexpr int kRepeatTimerId = 778;
constexpr int kRepeatPeriodMs = 100;

// The repeat command of the fast-wind button pressed last; read by the timer.
extern int CurrentRepeatCommand;

// The timer callback: posts CurrentRepeatCommand to target (the frame, the
// parent of the gadget window). message, timer id and time are those of the
// tick and do not change what is posted.
void RepGadgetButtonTimerProc(ICommandTarget* target, unsigned message, int timerId, unsigned long time);

class TDblRepButtonGadget : public TButtonGadget {
    Q_OBJECT
public:
    TDblRepButtonGadget(int glyph, int repeatCommandId, int commandId, Type type = Type::Command,
                        bool enabled = true, State state = State::Up, QWidget* parent = nullptr);
    ~TDblRepButtonGadget() override;

    int RepeatCommandId() const { return repeatCommandId_; }

    // The gadget window's timers; without one the button runs its own Qt timer.
    // The timer must outlive the button's use of it.
    void SetTimer(IGadgetTimer* timer) { timer_ = timer; }

protected:
    void ReleaseButton() override;
    void StartPress() override;
    void CancelPress() override;
    void CaptureLost() override;

private:
    IGadgetTimer& Timer();

    int repeatCommandId_;
    IGadgetTimer* timer_ = nullptr;
    std::unique_ptr<IGadgetTimer> ownTimer_;
};
