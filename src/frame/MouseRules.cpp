#include "frame/MouseRules.h"

namespace frame {

RightButtonAction RightButtonRule(Qt::KeyboardModifiers keys)
{
    if (keys.testFlag(Qt::ShiftModifier))
        return RightButtonAction::ToggleRepeat;
    if (keys.testFlag(Qt::ControlModifier))
        return RightButtonAction::ToggleMute;
    if (keys.testFlag(Qt::AltModifier))
        return RightButtonAction::ElementsPopup;
    return RightButtonAction::TogglePause;
}

}  // namespace frame
