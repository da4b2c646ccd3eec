#pragma once
// The words the program was started with, as the one line its start-up reads
// (the first word names the album to load).

#include <QStringList>

#include <string>

namespace app {

// The arguments joined by one blank each. A file manager hands a whole Linux
// path as one argument, blanks and all: a first argument naming an existing
// file becomes its drive path, which has none, so the start-up's first word is
// the whole file.
std::string StartupCommandLine(const QStringList& arguments);

}  // namespace app
