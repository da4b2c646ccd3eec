#include "platform/mci/ElementPath.h"

#include "platform/paths/PathNamespace.h"

namespace mci {

std::string ElementToLocalPath(const std::string& element)
{
    if (element.empty() || element.front() == '/')
        return element;
    // Relative names are taken from the current directory, as the system does.
    const std::optional<std::string> full = platform::FullPathName(element);
    if (!full)
        return element;
    return platform::ToLinuxPath(*full).value_or(element);
}

}  // namespace mci
