#pragma once
// An option's check mark removed for the life of the object and put back as it
// was afterwards (an operation that must not, say, auto-save while it runs).

#include "album/IOptionState.h"

namespace player {

class IMenuState;

class OptionSuspension {
public:
    // menu may be null: there is no mark to remove.
    OptionSuspension(IMenuState* menu, int optionId);
    ~OptionSuspension();
    OptionSuspension(const OptionSuspension&) = delete;
    OptionSuspension& operator=(const OptionSuspension&) = delete;

private:
    IMenuState* menu_;
    int optionId_;
    bool wasChecked_;
};

}  // namespace player
