// The album reader's library also holds the writer, which replaces files on a
// drive. The fuzz target never writes: this stands in for the path layer.

#include "platform/paths/DriveFile.h"

namespace platform {

bool ReplaceDriveFile(std::string_view, std::string_view)
{
    return false;
}

}  // namespace platform
