#include "ScoreText.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace mediagen {

namespace {

[[noreturn]] void bad(std::string_view token)
{
    throw std::invalid_argument("score: bad token '" + std::string(token) + "'");
}

std::uint32_t parseLength(std::string_view text, int division, std::string_view token)
{
    if (text.empty())
        bad(token);
    std::uint32_t ticks = 0;
    const auto quarter = static_cast<std::uint32_t>(division);
    switch (text[0]) {
    case 'w': ticks = quarter * 4; break;
    case 'h': ticks = quarter * 2; break;
    case 'q': ticks = quarter; break;
    case 'e': ticks = quarter / 2; break;
    case 's': ticks = quarter / 4; break;
    default: bad(token);
    }
    std::size_t i = 1;
    if (i < text.size() && text[i] == 't') {
        ticks = ticks * 2 / 3;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ticks += ticks / 2;
        ++i;
    }
    if (i != text.size() || ticks == 0)
        bad(token);
    return ticks;
}

}  // namespace

int parseKey(std::string_view name)
{
    static constexpr int steps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        bad(name);
    int key = steps[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++key;
        ++i;
    } else if (name[i] == 'b') {
        --key;
        ++i;
    }
    bool negative = false;
    if (i < name.size() && name[i] == '-') {
        negative = true;
        ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '9')
        bad(name);
    const int octave = (name[i] - '0') * (negative ? -1 : 1);
    key += (octave + 1) * 12;
    if (key < 0 || key > 127)
        bad(name);
    return key;
}

std::vector<ScoreNote> parseScore(std::string_view text, int division)
{
    if (division < 4 || division % 12 != 0)
        throw std::invalid_argument("score: division must be a multiple of 12");
    std::vector<ScoreNote> notes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '\n' || text[pos] == '|') {
            ++pos;
            continue;
        }
        std::size_t end = text.find_first_of(" \n|", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view token = text.substr(pos, end - pos);
        pos = end;
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            bad(token);
        ScoreNote note;
        note.ticks = parseLength(token.substr(colon + 1), division, token);
        const std::string_view pitches = token.substr(0, colon);
        if (pitches != "r") {
            std::size_t from = 0;
            while (true) {
                const std::size_t plus = pitches.find('+', from);
                note.keys.push_back(parseKey(pitches.substr(from, plus == std::string_view::npos ? plus : plus - from)));
                if (plus == std::string_view::npos)
                    break;
                from = plus + 1;
            }
        }
        notes.push_back(std::move(note));
    }
    return notes;
}

void Voice::play(std::string_view text)
{
    for (const ScoreNote& note : parseScore(text, writer.division())) {
        const auto sounding = std::max<std::uint32_t>(1, static_cast<std::uint32_t>(note.ticks * legato));
        for (int key : note.keys) {
            writer.noteOn(track, tick, channel, key + transpose, velocity);
            writer.noteOff(track, tick + sounding, channel, key + transpose);
        }
        tick += note.ticks;
    }
}

void Voice::play(std::string_view text, int times)
{
    for (int i = 0; i < times; ++i)
        play(text);
}

}  // namespace mediagen
