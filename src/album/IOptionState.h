#pragma once

// The check mark of an option's menu item, by command id (options have no variables of
// their own). The main window implements it from its menu.
class IOptionState {
public:
    virtual ~IOptionState() = default;
    virtual bool IsChecked(int commandId) const = 0;
};
