#pragma once
// Where buttons and timers post their commands: the frame, which routes each
// command to the console first (posting means queued, handled after the caller
// returns).

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    virtual void PostCommand(int commandId) = 0;
};
