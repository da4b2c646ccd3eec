#pragma once
// The window elements in their fixed order: the menu bar, then the five bars.
// Each bar's window id is its element id and the command id of its Elements
// menu item. The list ends with 0.

#include <array>

#include "resources/CommandIds.h"

namespace frame {

inline constexpr std::array<int, 7> ElementTable = {
    resources::CM_MENU_BAR,        resources::CM_QUEUE_BOX, resources::CM_POSITION_SLIDER,
    resources::CM_VOLUME_BAR,      resources::CM_BUTTONS,   resources::CM_STATUS_BAR,
    0,
};

// 1 while the frame's height is held to its content; 0 only during a bar toggle,
// when the frame is resized before the bar appears or goes.
extern int SizeClampEnabled;

// True for the five bar ids of the table (not the menu bar, not 0).
bool IsBarElement(int id);

}  // namespace frame
