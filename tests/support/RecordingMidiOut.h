#pragma once
// A MIDI mapper output that records what it is sent. The log is shared by
// every instance the factory makes, so a test sees all of them in order.

#include "platform/midi/MidiOut.h"

#include <string>
#include <vector>

class RecordingMidiOut : public platform::MidiOut {
public:
    struct Event {
        enum Kind { Open, Short, Reset, Close } kind;
        std::uint32_t message = 0;
    };

    static std::unique_ptr<platform::MidiOut> create();
    static std::vector<Event>& log();
    // When set, open fails as a busy or missing mapper does.
    static bool& failOpen();
    static void clear();

    platform::MidiResult open() override;
    platform::MidiResult shortMsg(std::uint32_t message) override;
    platform::MidiResult reset() override;
    platform::MidiResult close() override;

private:
    bool open_ = false;
};
