#include "MidiWriter.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace mediagen {

namespace {

void requireRange(int value, int low, int high, const char* what)
{
    if (value < low || value > high)
        throw std::invalid_argument(std::string("MidiWriter: ") + what + " out of range");
}

void appendBig(std::vector<std::uint8_t>& out, std::uint32_t value, int size)
{
    for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

constexpr std::uint32_t maxVarLen = 0x0FFFFFFF;

}  // namespace

void appendVarLen(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    if (value > maxVarLen)
        throw std::invalid_argument("MidiWriter: value too large for a variable-length quantity");
    std::uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

MidiWriter::MidiWriter(int format, int division)
    : format_(format), division_(division)
{
    requireRange(format, 0, 1, "format");
    requireRange(division, 1, 0x7FFF, "division");
}

int MidiWriter::addTrack()
{
    if (format_ == 0 && !tracks_.empty())
        throw std::logic_error("MidiWriter: a format 0 file has one track");
    if (tracks_.size() >= 0xFFFF)
        throw std::logic_error("MidiWriter: too many tracks");
    tracks_.emplace_back();
    return static_cast<int>(tracks_.size()) - 1;
}

MidiWriter::Track& MidiWriter::trackAt(int track)
{
    if (track < 0 || track >= static_cast<int>(tracks_.size()))
        throw std::out_of_range("MidiWriter: no such track");
    return tracks_[static_cast<std::size_t>(track)];
}

void MidiWriter::add(int track, std::uint32_t tick, std::vector<std::uint8_t> data)
{
    if (tick > maxVarLen)
        throw std::invalid_argument("MidiWriter: tick too large");
    Track& t = trackAt(track);
    // Keep the list sorted on insertion; upper_bound keeps same-tick events in call order.
    auto at = std::upper_bound(t.events.begin(), t.events.end(), tick,
                               [](std::uint32_t value, const Event& e) { return value < e.tick; });
    t.events.insert(at, Event{tick, std::move(data)});
    t.endTick = std::max(t.endTick, tick);
}

void MidiWriter::channelMessage(int track, std::uint32_t tick, int status, int channel, int data1, int data2,
                                bool twoBytes)
{
    requireRange(channel, 0, 15, "channel");
    requireRange(data1, 0, 127, "data byte");
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(status | channel), static_cast<std::uint8_t>(data1)};
    if (twoBytes) {
        requireRange(data2, 0, 127, "data byte");
        data.push_back(static_cast<std::uint8_t>(data2));
    }
    add(track, tick, std::move(data));
}

void MidiWriter::noteOn(int track, std::uint32_t tick, int channel, int key, int velocity)
{
    channelMessage(track, tick, 0x90, channel, key, velocity, true);
}

void MidiWriter::noteOff(int track, std::uint32_t tick, int channel, int key, int velocity)
{
    channelMessage(track, tick, 0x80, channel, key, velocity, true);
}

void MidiWriter::program(int track, std::uint32_t tick, int channel, int programNumber)
{
    channelMessage(track, tick, 0xC0, channel, programNumber, 0, false);
}

void MidiWriter::control(int track, std::uint32_t tick, int channel, int controller, int value)
{
    channelMessage(track, tick, 0xB0, channel, controller, value, true);
}

void MidiWriter::pitchBend(int track, std::uint32_t tick, int channel, int value14)
{
    requireRange(value14, 0, 0x3FFF, "pitch bend");
    channelMessage(track, tick, 0xE0, channel, value14 & 0x7F, value14 >> 7, true);
}

void MidiWriter::tempo(int track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter)
{
    if (microsecondsPerQuarter == 0 || microsecondsPerQuarter > 0xFFFFFF)
        throw std::invalid_argument("MidiWriter: tempo out of range");
    std::vector<std::uint8_t> data;
    appendBig(data, microsecondsPerQuarter, 3);
    meta(track, tick, 0x51, data);
}

void MidiWriter::sysex(int track, std::uint32_t tick, const std::vector<std::uint8_t>& message)
{
    std::vector<std::uint8_t> body(message.begin(), message.end());
    if (!body.empty() && body.front() == 0xF0)
        body.erase(body.begin());
    if (body.empty() || body.back() != 0xF7)
        body.push_back(0xF7);
    for (std::size_t i = 0; i + 1 < body.size(); ++i)
        requireRange(body[i], 0, 127, "system exclusive data byte");
    std::vector<std::uint8_t> data{0xF0};
    appendVarLen(data, static_cast<std::uint32_t>(body.size()));
    data.insert(data.end(), body.begin(), body.end());
    add(track, tick, std::move(data));
}

void MidiWriter::meta(int track, std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& payload)
{
    requireRange(type, 0, 127, "meta type");
    if (type == 0x2F) {
        if (tick > maxVarLen)
            throw std::invalid_argument("MidiWriter: tick too large");
        Track& t = trackAt(track);
        t.endTick = std::max(t.endTick, tick);
        return;
    }
    std::vector<std::uint8_t> data{0xFF, type};
    appendVarLen(data, static_cast<std::uint32_t>(payload.size()));
    data.insert(data.end(), payload.begin(), payload.end());
    add(track, tick, std::move(data));
}

void MidiWriter::trackName(int track, const std::string& name)
{
    meta(track, 0, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

std::vector<std::uint8_t> MidiWriter::trackBytes(const Track& track) const
{
    std::vector<std::uint8_t> out;
    std::uint32_t previous = 0;
    std::uint8_t runningStatus = 0;
    for (const Event& e : track.events) {
        appendVarLen(out, e.tick - previous);
        previous = e.tick;
        const std::uint8_t status = e.data.front();
        const bool channel = status < 0xF0;
        if (channel && runningStatus_ && status == runningStatus)
            out.insert(out.end(), e.data.begin() + 1, e.data.end());
        else
            out.insert(out.end(), e.data.begin(), e.data.end());
        // System exclusive and meta events cancel running status for many readers.
        runningStatus = channel ? status : 0;
    }
    appendVarLen(out, track.endTick - previous);
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

std::vector<std::uint8_t> MidiWriter::bytes() const
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    appendBig(out, 6, 4);
    appendBig(out, static_cast<std::uint32_t>(format_), 2);
    appendBig(out, static_cast<std::uint32_t>(tracks_.size()), 2);
    appendBig(out, static_cast<std::uint32_t>(division_), 2);
    for (const Track& track : tracks_) {
        const std::vector<std::uint8_t> body = trackBytes(track);
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        appendBig(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool MidiWriter::save(const std::string& path) const
{
    const std::vector<std::uint8_t> data = bytes();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace mediagen
