#include "platform/midi/MidiTrackParser.h"

namespace platform {

MidiTrackParser::MidiTrackParser(std::vector<MidiEvent>& events, std::vector<std::uint8_t>& sysexData,
                                 TempoMap& tempoMap)
    : events_(events), sysexData_(sysexData), tempoMap_(tempoMap)
{
}

bool MidiTrackParser::readByte(std::uint8_t& value)
{
    if (pos_ >= data_.size())
        return false;
    value = data_[pos_++];
    return true;
}

bool MidiTrackParser::readVarLen(std::uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint8_t b = 0;
        if (!readByte(b))
            return false;
        value = (value << 7) | (b & 0x7F);
        if ((b & 0x80) == 0)
            return true;
    }
    return false;   // a quantity longer than four bytes is not MIDI
}

bool MidiTrackParser::skipToStatus(std::uint8_t& status)
{
    while (!(status & 0x80)) {
        if (!readByte(status))
            return false;
    }
    return true;
}

std::uint64_t MidiTrackParser::parse(std::span<const std::uint8_t> track)
{
    data_ = track;
    pos_ = 0;
    sysexOpen_ = false;
    pendingSysex_.clear();
    std::uint64_t tick = 0;
    std::uint64_t lastTick = 0;
    std::uint8_t running = 0;
    while (pos_ < data_.size()) {
        std::uint32_t delta = 0;
        std::uint8_t status = 0;
        if (!readVarLen(delta) || tick + delta > kMaxTick || !readByte(status))
            break;
        tick += delta;
        // Data with nothing to run on: the deltas among it are lost with it, and
        // the event found next keeps this event's time.
        if (running == 0 && !skipToStatus(status))
            break;
        const Read read = readEvent(tick, status, running);
        if (read == Read::Unreadable)
            break;
        lastTick = tick;
        if (read == Read::EndOfTrack)
            break;
    }
    return lastTick;
}

MidiTrackParser::Read MidiTrackParser::readEvent(std::uint64_t tick, std::uint8_t status, std::uint8_t& running)
{
    if (status == 0xFF) {
        bool end = false;
        if (!parseMeta(tick, end))
            return Read::Unreadable;
        return end ? Read::EndOfTrack : Read::Event;
    }
    if (status == 0xF0 || status == 0xF7)
        return parseSysex(tick, status == 0xF7) ? Read::Event : Read::Unreadable;
    if (status >= 0xF1)
        return Read::Unreadable;   // system common and real-time bytes have no place in a file
    // Running status is kept across meta and system-exclusive events: the
    // standard cancels it there, but files written that way play everywhere.
    MidiEvent ev;
    ev.tick = tick;
    if (status & 0x80) {
        running = status;
        if (!readByte(ev.data1))
            return Read::Unreadable;
    } else {
        ev.data1 = status;
    }
    ev.status = running;
    const int kind = running & 0xF0;
    if (kind != 0xC0 && kind != 0xD0 && !readByte(ev.data2))
        return Read::Unreadable;
    if ((ev.data1 | ev.data2) & 0x80)
        return Read::Unreadable;
    events_.push_back(ev);
    return Read::Event;
}

bool MidiTrackParser::parseMeta(std::uint64_t tick, bool& endOfTrack)
{
    std::uint8_t type = 0;
    std::uint32_t length = 0;
    if (!readByte(type) || !readVarLen(length))
        return false;
    if (length > data_.size() - pos_)
        return false;
    const std::span<const std::uint8_t> body = data_.subspan(pos_, length);
    pos_ += length;
    if (type == 0x51) {
        if (length != 3)
            return false;
        const std::uint32_t tempo = (std::uint32_t{body[0]} << 16) | (std::uint32_t{body[1]} << 8) | body[2];
        if (tempo == 0)
            return false;
        tempoMap_.addTempo(tick, tempo);
    }
    endOfTrack = type == 0x2F;
    return true;
}

bool MidiTrackParser::parseSysex(std::uint64_t tick, bool escapeForm)
{
    std::uint32_t length = 0;
    if (!readVarLen(length))
        return false;
    if (length > data_.size() - pos_)
        return false;
    const std::span<const std::uint8_t> body = data_.subspan(pos_, length);
    pos_ += length;
    const bool ends = !body.empty() && body.back() == 0xF7;
    if (!escapeForm) {
        // F0 <len> bytes: a message of its own, or the first packet when it does
        // not end with F7.
        pendingSysex_.assign(body.begin(), body.end());
        sysexOpen_ = !ends;
    } else if (sysexOpen_) {
        pendingSysex_.insert(pendingSysex_.end(), body.begin(), body.end());
        sysexOpen_ = !ends;
    } else {
        // An escape outside a packet series sends raw bytes; only a whole
        // system-exclusive message among them means anything to the synthesizer.
        if (body.size() < 2 || body.front() != 0xF0 || !ends)
            return true;
        pendingSysex_.assign(body.begin() + 1, body.end());
    }
    if (sysexOpen_)
        return true;
    if (!pendingSysex_.empty() && pendingSysex_.back() == 0xF7)
        pendingSysex_.pop_back();
    addSysex(tick, pendingSysex_);
    pendingSysex_.clear();
    return true;
}

void MidiTrackParser::addSysex(std::uint64_t tick, std::span<const std::uint8_t> body)
{
    for (std::uint8_t b : body) {
        if (b & 0x80)
            return;   // a message with a stray status byte inside is dropped, not sent
    }
    MidiEvent ev;
    ev.tick = tick;
    ev.status = 0xF0;
    ev.sysexOffset = static_cast<std::uint32_t>(sysexData_.size());
    ev.sysexLength = static_cast<std::uint32_t>(body.size());
    sysexData_.insert(sysexData_.end(), body.begin(), body.end());
    events_.push_back(ev);
}

}  // namespace platform
