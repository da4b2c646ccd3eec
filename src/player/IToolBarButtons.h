#pragma once
// The tool-bar buttons the player shows down or enables, by command id. The
// frame's tool bar implements it.

namespace player {

class IToolBarButtons {
public:
    virtual ~IToolBarButtons() = default;
    virtual void SetButtonDown(int commandId, bool down) = 0;
    virtual void SetButtonEnabled(int commandId, bool enabled) = 0;
};

}  // namespace player
