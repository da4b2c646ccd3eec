#include "platform/mci/ElementPath.h"

#include <QDir>

#include <algorithm>
#include <cctype>

namespace mci {

std::string ElementToLocalPath(const std::string& element)
{
    const bool drivePath = element.size() >= 2 && element[1] == ':' &&
                           std::isalpha(static_cast<unsigned char>(element[0]));
    if (!drivePath)
        return element;
    std::string rest = element.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    if (rest.empty() || rest.front() != '/')
        rest.insert(rest.begin(), '/');
    switch (std::tolower(static_cast<unsigned char>(element[0]))) {
    case 'z':
        return rest;
    case 'c':
        return QDir::homePath().toStdString() + (rest == "/" ? std::string() : rest);
    default:
        return element;
    }
}

}  // namespace mci
