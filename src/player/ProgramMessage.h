#pragma once
// A message box of the program: the beep of its icon's type first, then the box
// titled "The Vantor", owned by owner.

#include <cstdint>
#include <string>

class QWidget;

namespace player {

// style: the message-box style (buttons, icon, default button); returns the answer.
int ProgramMessage(QWidget* owner, const std::string& text, std::uint32_t style);

}  // namespace player
