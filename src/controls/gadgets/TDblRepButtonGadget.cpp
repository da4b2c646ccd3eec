#include "controls/gadgets/TDblRepButtonGadget.h"

#include "controls/gadgets/ICommandTarget.h"
#include "controls/gadgets/QtGadgetTimer.h"

int CurrentRepeatCommand = 0;

void RepGadgetButtonTimerProc(ICommandTarget* target, unsigned, int, unsigned long)
{
    if (target != nullptr)
        target->PostCommand(CurrentRepeatCommand);
}

TDblRepButtonGadget::TDblRepButtonGadget(int glyph, int repeatCommandId, int commandId, Type type, bool enabled,
                                         State state, QWidget* parent)
    : TButtonGadget(glyph, commandId, type, enabled, state, true, parent), repeatCommandId_(repeatCommandId)
{
    SetNotchCorners(false);
}

TDblRepButtonGadget::~TDblRepButtonGadget()
{
    // A shared gadget-window timer may be running for the other button.
    if (IsPressed() && timer_ != nullptr)
        timer_->KillTimer(kRepeatTimerId);
}

IGadgetTimer& TDblRepButtonGadget::Timer()
{
    if (timer_ != nullptr)
        return *timer_;
    if (!ownTimer_)
        ownTimer_ = std::make_unique<QtGadgetTimer>();
    return *ownTimer_;
}

void TDblRepButtonGadget::StartPress()
{
    TButtonGadget::StartPress();
    CurrentRepeatCommand = repeatCommandId_;
    ICommandTarget* target = CommandTarget();
    Timer().SetTimer(kRepeatTimerId, kRepeatPeriodMs, [target] {
        constexpr unsigned kTimerMessage = 0x0113;
        RepGadgetButtonTimerProc(target, kTimerMessage, kRepeatTimerId, 0);
    });
}

void TDblRepButtonGadget::CancelPress()
{
    Timer().KillTimer(kRepeatTimerId);
    TButtonGadget::CancelPress();
}

void TDblRepButtonGadget::CaptureLost()
{
    // The release this press still owes is posted though the button is off now.
    TButtonGadget::CaptureLost();
    CancelPress();
    PostCommand(CommandId());
}

void TDblRepButtonGadget::ReleaseButton()
{
    // The base release fires only while pressed; this button fires always.
    if (IsPressed())
        CancelPress();
    TButtonGadget::ReleaseButton();
    Fire();
}
