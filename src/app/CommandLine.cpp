#include "app/CommandLine.h"

#include "platform/paths/PathNamespace.h"

#include <QFileInfo>

namespace app {

std::string StartupCommandLine(const QStringList& arguments)
{
    QStringList words = arguments;
    if (!words.isEmpty() && QFileInfo(words.front()).isFile()) {
        if (const auto drivePath = platform::FromLinuxPath(words.front().toStdString()))
            words.front() = QString::fromStdString(*drivePath);
    }
    return words.join(QLatin1Char(' ')).toStdString();
}

}  // namespace app
