#include "platform/paths/ShortNames.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <unordered_set>

namespace platform {

namespace {

constexpr int kMaxDigits = 6;

bool IsShortNameChar(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&'()-@^_`{}~").find(static_cast<char>(c)) != std::string_view::npos;
}

// Upper-cased, with characters an 8.3 name cannot hold replaced by '_' (one per
// UTF-8 sequence); blanks and dots are dropped.
std::string Sanitize(std::string_view part)
{
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const auto c = static_cast<unsigned char>(part[i]);
        if (c == ' ' || c == '.')
            continue;
        if (c >= 0x80 && (c & 0xC0) == 0x80)
            continue;  // continuation byte: its lead byte already gave the '_'
        if (IsShortNameChar(c))
            out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        else
            out += '_';
    }
    return out;
}

std::uint32_t Fnv1a(std::string_view text)
{
    std::uint32_t h = 2166136261u;
    for (char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 16777619u;
    }
    return h;
}

std::uint32_t Mix(std::uint32_t h, std::uint32_t salt)
{
    h ^= salt * 0x9E3779B9u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

std::uint32_t TierSize(int digits)
{
    std::uint32_t size = 9;
    for (int i = 1; i < digits; ++i)
        size *= 10;
    return size;
}

}  // namespace

std::string UpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

bool IsValidShortName(std::string_view name)
{
    const std::size_t dot = name.find('.');
    const std::string_view base = name.substr(0, dot);
    const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3)
        return false;
    if (dot != std::string_view::npos && ext.empty())
        return false;  // "NAME." is not stored as such
    const auto valid = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(),
                           [](char c) { return IsShortNameChar(static_cast<unsigned char>(c)); });
    };
    return valid(base) && valid(ext);
}

std::size_t AliasCandidateCount()
{
    std::size_t count = 0;
    for (int digits = 1; digits <= kMaxDigits; ++digits)
        count += TierSize(digits);
    return count;
}

namespace {

// What the candidates of one long name are made from, worked out once.
class CandidateSource {
public:
    explicit CandidateSource(std::string_view longName) : hash_(Fnv1a(longName))
    {
        std::string_view stem = longName;
        while (!stem.empty() && stem.front() == '.')
            stem.remove_prefix(1);
        const std::size_t lastDot = stem.rfind('.');
        base_ = Sanitize(stem.substr(0, lastDot));
        if (lastDot != std::string_view::npos) {
            ext_ = Sanitize(stem.substr(lastDot + 1));
            if (ext_.size() > 3)
                ext_.resize(3);
        }
    }

    std::string candidate(std::size_t k) const
    {
        int digits = 1;
        std::size_t index = k;
        while (digits < kMaxDigits && index >= TierSize(digits)) {
            index -= TierSize(digits);
            ++digits;
        }
        const std::uint32_t size = TierSize(digits);
        const std::uint32_t first = size / 9;  // 1, 10, 100, ...
        const std::uint32_t number =
            first + static_cast<std::uint32_t>((Mix(hash_, static_cast<std::uint32_t>(digits)) + index) % size);
        std::string alias = base_.substr(0, static_cast<std::size_t>(7 - digits));
        alias += '~';
        alias += std::to_string(number);
        if (!ext_.empty())
            alias.append(1, '.').append(ext_);
        return alias;
    }

private:
    std::uint32_t hash_;
    std::string base_;
    std::string ext_;
};

}  // namespace

std::string AliasCandidate(std::string_view longName, std::size_t k)
{
    return CandidateSource(longName).candidate(k);
}

std::vector<std::string> AssignShortNames(const std::vector<std::string>& names)
{
    std::vector<std::string> result(names.size());
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return names[a] < names[b]; });

    // Rule 2: valid 8.3 names reserve themselves, the first of a case family only.
    std::unordered_set<std::string> taken;
    std::vector<std::size_t> pending;
    std::vector<std::optional<CandidateSource>> sources(names.size());
    for (std::size_t i : order) {
        if (IsValidShortName(names[i]) && taken.insert(UpperAscii(names[i])).second)
            continue;
        pending.push_back(i);
        sources[i].emplace(names[i]);
    }

    // Rule 3: rounds over the candidate sequences, byte order breaking ties.
    const std::size_t candidates = AliasCandidateCount();
    for (std::size_t k = 0; k < candidates && !pending.empty(); ++k) {
        std::vector<std::size_t> still;
        for (std::size_t i : pending) {
            std::string alias = sources[i]->candidate(k);
            if (taken.insert(alias).second)
                result[i] = std::move(alias);
            else
                still.push_back(i);
        }
        pending = std::move(still);
    }
    return result;
}

}  // namespace platform
