#include "platform/mci/MciCommandString.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace mci {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

constexpr std::array<std::string_view, 22> kOtherVerbs{
    "open", "close", "stop", "pause", "resume", "seek", "status", "set", "info", "capability", "cue",
    "window", "put", "where", "update", "step", "signal", "setaudio", "configure", "sysinfo", "load", "save"};

ErrorCode readNumber(const std::vector<std::string>& words, std::size_t& i, std::optional<std::uint32_t>& value)
{
    if (value)
        return MCIERR_DUPLICATE_FLAGS;
    if (++i >= words.size())
        return MCIERR_MISSING_PARAMETER;
    const std::string& word = words[i];
    std::uint32_t number = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (word.empty() || ec != std::errc() || end != word.data() + word.size())
        return MCIERR_BAD_INTEGER;
    value = number;
    return 0;
}

}  // namespace

ErrorCode SplitCommandString(std::string_view text, std::vector<std::string>& words)
{
    words.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        std::string word;
        if (text[i] == '"') {
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                word += text[i++];
            }
            if (!closed)
                return MCIERR_NO_CLOSING_QUOTE;
            if (i < text.size() && !isBlank(text[i]))
                return MCIERR_EXTRA_CHARACTERS;
        } else {
            while (i < text.size() && !isBlank(text[i]))
                word += text[i++];
        }
        words.push_back(std::move(word));
    }
    return 0;
}

ErrorCode ParseCommandString(std::string_view text, ParsedCommand& out)
{
    out = ParsedCommand{};
    std::vector<std::string> words;
    if (const ErrorCode err = SplitCommandString(text, words))
        return err;
    if (words.empty())
        return MCIERR_MISSING_COMMAND_STRING;
    out.verb = lower(words[0]);
    if (out.verb != "play") {
        const bool known = std::find(kOtherVerbs.begin(), kOtherVerbs.end(), out.verb) != kOtherVerbs.end();
        return known ? MCIERR_UNSUPPORTED_FUNCTION : MCIERR_UNRECOGNIZED_COMMAND;
    }
    if (words.size() < 2 || words[1].empty())
        return MCIERR_MISSING_DEVICE_NAME;
    out.device = words[1];
    if (lower(out.device) == "all")
        return MCIERR_CANNOT_USE_ALL;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string keyword = lower(words[i]);
        ErrorCode err = 0;
        if (keyword == "wait" || keyword == "notify") {
            bool& flag = keyword == "wait" ? out.wait : out.notify;
            if (flag)
                return MCIERR_DUPLICATE_FLAGS;
            flag = true;
        } else if (keyword == "from") {
            err = readNumber(words, i, out.from);
        } else if (keyword == "to") {
            err = readNumber(words, i, out.to);
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
        if (err)
            return err;
    }
    return 0;
}

std::string QuoteCommandWord(std::string_view word)
{
    const bool plain = !word.empty() && std::none_of(word.begin(), word.end(), [](char c) {
        return isBlank(c) || c == '"';
    });
    if (plain)
        return std::string(word);
    std::string out = "\"";
    for (const char c : word) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace mci
