#pragma once
// What a right-button press on the frame does, by the keys held: Shift wins
// over Control, Control over Alt; without any of them it pauses or resumes.

#include <Qt>

namespace frame {

enum class RightButtonAction { ToggleRepeat, ToggleMute, ElementsPopup, TogglePause };

RightButtonAction RightButtonRule(Qt::KeyboardModifiers keys);

}  // namespace frame
