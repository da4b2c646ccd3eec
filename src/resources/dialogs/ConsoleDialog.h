#pragma once
#include "resources/dialogs/DialogTemplate.h"

namespace resources {

// Dialog 7714, the digital console: a child dialog without caption.
const DialogTemplate& ConsoleDialogTemplate();

}  // namespace resources
