#pragma once
// The help engine's own page on using the help window (HELP_HELPONHELP). It
// belongs to the engine, not to any help file, and links only to "contents",
// the topic every help file has.

#include <QString>

namespace platform::help {

QString UsingHelpTitle();
QString UsingHelpBody();

}  // namespace platform::help
