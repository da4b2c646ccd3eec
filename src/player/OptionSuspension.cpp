#include "player/OptionSuspension.h"

#include "player/IMenuState.h"

namespace player {

OptionSuspension::OptionSuspension(IMenuState* menu, int optionId)
    : menu_(menu), optionId_(optionId), wasChecked_(menu && menu->IsChecked(optionId))
{
    if (wasChecked_)
        menu_->SetChecked(optionId_, false);
}

OptionSuspension::~OptionSuspension()
{
    if (wasChecked_)
        menu_->SetChecked(optionId_, true);
}

}  // namespace player
