#include "platform/profile/ProfileDocument.h"

#include "platform/paths/ShortNames.h"

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::string_view> SectionOf(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const std::string_view inside = trimmed.substr(1);
    return Trim(inside.substr(0, inside.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '[' || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = Trim(trimmed.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyLine{key, Trim(trimmed.substr(equals + 1))};
}

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view text)
{
    ProfileDocument document;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        document.lines_.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return document;
}

std::string ProfileDocument::serialize() const
{
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_)
        text.append(line).append("\r\n");
    return text;
}

std::optional<std::pair<std::size_t, std::size_t>> ProfileDocument::findSection(std::string_view section) const
{
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionOf(lines_[i]);
        if (!name || !EqualNoCase(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionOf(lines_[end]))
            ++end;
        return std::make_pair(i, end);
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::findKey(std::size_t begin, std::size_t end, std::string_view key) const
{
    const std::string_view wanted = Trim(key);
    for (std::size_t i = begin; i < end; ++i) {
        const auto line = KeyOf(lines_[i]);
        if (line && EqualNoCase(line->key, wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(range->first + 1, range->second, key);
    if (!index)
        return std::nullopt;
    std::string_view text = KeyOf(lines_[*index])->value;
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::vector<std::string> ProfileDocument::sectionNames() const
{
    std::vector<std::string> names;
    for (const std::string& line : lines_)
        if (const auto name = SectionOf(line))
            names.emplace_back(*name);
    return names;
}

std::optional<std::vector<std::string>> ProfileDocument::keyNames(std::string_view section) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    std::vector<std::string> keys;
    for (std::size_t i = range->first + 1; i < range->second; ++i)
        if (const auto line = KeyOf(lines_[i]))
            keys.emplace_back(line->key);
    return keys;
}

bool ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto range = findSection(section);
    if (!range) {
        lines_.push_back("[" + std::string(Trim(section)) + "]");
        lines_.push_back(std::string(Trim(key)) + "=" + std::string(value));
        return true;
    }
    if (const auto index = findKey(range->first + 1, range->second, key)) {
        std::string line = std::string(KeyOf(lines_[*index])->key) + "=" + std::string(value);
        if (line == lines_[*index])
            return false;
        lines_[*index] = std::move(line);
        return true;
    }
    std::size_t insertAt = range->first + 1;
    for (std::size_t i = range->first + 1; i < range->second; ++i)
        if (KeyOf(lines_[i]))
            insertAt = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(Trim(key)) + "=" + std::string(value));
    return true;
}

bool ProfileDocument::removeKey(std::string_view section, std::string_view key)
{
    const auto range = findSection(section);
    if (!range)
        return false;
    const auto index = findKey(range->first + 1, range->second, key);
    if (!index)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

bool ProfileDocument::removeSection(std::string_view section)
{
    const auto range = findSection(section);
    if (!range)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(range->second));
    return true;
}

}  // namespace platform
