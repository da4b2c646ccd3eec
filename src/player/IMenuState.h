#pragma once
// Check marks and graying of menu items by command id. Options have no variables
// of their own: an option is the check mark of its item. The frame implements one
// of these for its menu bar (frameMenu) and one for its system menu.

#include "album/IOptionState.h"

#include <string>

class QMenu;

namespace player {

class IMenuState : public ::IOptionState {
public:
    virtual void SetChecked(int commandId, bool checked) = 0;
    // Disabled items are grayed.
    virtual void SetEnabled(int commandId, bool enabled) = 0;
    // The menu tree itself (its top-level actions are the pop-ups), for the code
    // that walks or rebuilds pop-ups; null where there is no real menu.
    virtual QMenu* RootMenu() const = 0;
};

// The frame's system menu, to which the player adds its own items at set-up.
class ISystemMenu : public IMenuState {
public:
    virtual void RemoveMaximize() = 0;
    virtual void AppendSeparator() = 0;
    // text carries the mnemonic ampersand ("Pa&use").
    virtual void AppendItem(int commandId, const std::string& text) = 0;
};

}  // namespace player
