#include "album/ShortFullPath.h"

#include "platform/paths/PathNamespace.h"

#include <string>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

int ShortFullPath(const char* path, char* output, int outputLength)
{
    if (!path || !output || outputLength < 1)
        return 0;
    // At most kMaxPath characters, as a system call with a buffer of kMaxPath + 1 would give.
    const auto full = platform::FullPathName(path);
    if (!full)
        return 0;

    std::string result;
    std::size_t i = 0;
    while (i < full->size() && !IsSeparator((*full)[i]))
        ++i;
    result = full->substr(0, i);  // the drive, unchanged
    while (i < full->size()) {
        if (IsSeparator((*full)[i])) {
            result += (*full)[i++];
            continue;
        }
        std::size_t end = i;
        while (end < full->size() && !IsSeparator((*full)[end]))
            ++end;
        const auto found = platform::FindFile(std::string_view(*full).substr(0, end));
        if (!found)
            return 0;
        result += found->alternateFileName.empty() ? found->fileName : found->alternateFileName;
        i = end;
    }
    if (result.size() + 1 > static_cast<std::size_t>(outputLength))
        return 0;
    result.copy(output, result.size());
    output[result.size()] = '\0';
    return 1;
}
