#include "platform/ui/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// fontconfig sets up its one configuration safely from any thread: Qt's own call
// later finds it made.
FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp()
{
    thread_.join();
}

}  // namespace platform
