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

bool MidiTrackParser::parse(std::span<const std::uint8_t> track, std::uint64_t& lastTick)
{
    data_ = track;
    pos_ = 0;
    sysexOpen_ = false;
    pendingSysex_.clear();
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    lastTick = 0;
    while (pos_ < data_.size()) {
        std::uint32_t delta = 0;
        if (!readVarLen(delta))
            return false;
        tick += delta;
        if (tick > kMaxTick)
            return false;
        std::uint8_t status = 0;
        if (!readByte(status))
            return false;
        lastTick = tick;
        if (status == 0xFF) {
            bool end = false;
            if (!parseMeta(tick, end))
                return false;
            if (end)
                return true;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            running = 0;
            if (!parseSysex(tick, status == 0xF7))
                return false;
            continue;
        }
        if (status >= 0xF1)
            return false;   // system common and real-time bytes have no place in a file
        MidiEvent ev;
        ev.tick = tick;
        if (status & 0x80) {
            running = status;
            if (!readByte(ev.data1))
                return false;
        } else {
            if (running == 0)
                return false;   // data byte without a status to run on
            ev.data1 = status;
        }
        ev.status = running;
        const int kind = running & 0xF0;
        if (kind != 0xC0 && kind != 0xD0 && !readByte(ev.data2))
            return false;
        if ((ev.data1 | ev.data2) & 0x80)
            return false;
        events_.push_back(ev);
    }
    return true;   // a track without its end-of-track event ends at its last event
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
