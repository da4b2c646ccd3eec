// Command strings: any text is split and parsed without harm, and the words of
// a string quoted again by QuoteCommandWord split back into the same words.

#include "FuzzCheck.h"
#include "platform/mci/MciCommandString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    mci::ParsedCommand command;
    if (mci::ParseCommandString(text, command) == 0) {
        FUZZ_CHECK(command.verb == "play");
        FUZZ_CHECK(!command.device.empty());
    }
    std::vector<std::string> words;
    if (mci::SplitCommandString(text, words) != 0)
        return 0;
    std::string joined;
    for (const std::string& word : words)
        joined += mci::QuoteCommandWord(word) + ' ';
    std::vector<std::string> again;
    FUZZ_CHECK(mci::SplitCommandString(joined, again) == 0);
    FUZZ_CHECK(again == words);
    return 0;
}
