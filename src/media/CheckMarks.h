#pragma once
// Check marks of menu items by command id; the menus implement it.

class CheckMarks {
public:
    virtual ~CheckMarks() = default;
    virtual void SetChecked(int commandId, bool checked) = 0;
};
