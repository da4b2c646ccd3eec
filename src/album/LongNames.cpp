#include "album/LongNames.h"

#include "platform/paths/PathNamespace.h"

#include <QString>

namespace {

// Names are shown as UTF-8; one that is not (a file from another system's
// encoding) keeps its short name rather than show as garbage.
bool IsUtf8(const std::string& name)
{
    const QByteArray bytes = QByteArray::fromStdString(name);
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

}  // namespace

void LongNames::Learn(const std::string& songPath)
{
    const auto found = platform::FindFile(songPath);
    if (!found || found->directory || found->fileName.empty() || !IsUtf8(found->fileName)) {
        names_.erase(songPath);
        return;
    }
    names_[songPath] = found->fileName;
}

std::string_view LongNames::Find(const std::string& songPath) const
{
    const auto it = names_.find(songPath);
    return it == names_.end() ? std::string_view() : std::string_view(it->second);
}
