#pragma once
// The help engine: shows the program's help file in a help window of our own.
//
// Requests are those of the classic desktop help engine, with its numbers:
//   HELP_CONTENTS    data 0: the contents topic
//   HELP_CONTEXT     data: a context number; the topic that carries it
//   HELP_PARTIALKEY  data: 0 or the address of a NUL-terminated key (a const char*
//                    converted to unsigned long); the keyword search opens with
//                    that key in its edit line, an empty key for 0
//   HELP_HELPONHELP  data 0: the engine's own page on using the help window
//   HELP_QUIT        data 0: closes the help window (and its search dialog)
// There is one help window per program: every request reuses and raises it.
// Every request but HELP_QUIT reads helpFile (a drive path) first; a missing or
// damaged file is reported in a message box and no window opens.

#include <string>

class QWidget;

namespace platform::help {

constexpr unsigned HELP_CONTEXT = 0x0001;
constexpr unsigned HELP_QUIT = 0x0002;
constexpr unsigned HELP_CONTENTS = 0x0003;
constexpr unsigned HELP_HELPONHELP = 0x0004;
constexpr unsigned HELP_PARTIALKEY = 0x0105;

// True when the request was carried out. owner: the window the help window
// belongs to (it closes with it); may be null.
bool ShowHelp(QWidget* owner, const std::string& helpFile, unsigned command, unsigned long data);

}  // namespace platform::help
