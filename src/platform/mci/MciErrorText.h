#pragma once

#include "platform/mci/MciConstants.h"

namespace mci {

// The text of an error code, or null for a code that has none.
const char* ErrorText(ErrorCode code);

}  // namespace mci
