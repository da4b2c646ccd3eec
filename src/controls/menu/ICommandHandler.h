#pragma once
// One link of the command routing chain (console, frame, application): a menu
// item, an accelerator, a button or a system-menu item arrives as its command id
// and is offered to each link in turn until one handles it.
class ICommandHandler {
public:
    virtual ~ICommandHandler() = default;
    // True when this link handled the command (the chain stops there).
    virtual bool HandleCommand(int commandId) = 0;
};
