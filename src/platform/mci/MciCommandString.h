#pragma once
// Reading of command strings: a verb, a device (or element) name and keywords,
// separated by blanks. A name holding blanks is written in double quotes, and a
// quote inside quotes is written twice.

#include "platform/mci/MciConstants.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mci {

struct ParsedCommand {
    std::string verb;     // lower case
    std::string device;   // as written, quotes removed
    bool wait = false;
    bool notify = false;
    std::optional<std::uint32_t> from;
    std::optional<std::uint32_t> to;
};

// Splits a string at blanks and resolves quotes. 0 or MCIERR_NO_CLOSING_QUOTE,
// MCIERR_EXTRA_CHARACTERS.
ErrorCode SplitCommandString(std::string_view text, std::vector<std::string>& words);

// Reads a "play" command string. Other verbs the layer knows give
// MCIERR_UNSUPPORTED_FUNCTION, unknown ones MCIERR_UNRECOGNIZED_COMMAND.
ErrorCode ParseCommandString(std::string_view text, ParsedCommand& out);

// Quotes a name for a command string when it needs it.
std::string QuoteCommandWord(std::string_view word);

}  // namespace mci
