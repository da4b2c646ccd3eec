#pragma once
// The state of the sixteen channels songs play on (preset, controllers, pitch
// bend and its range) taken when a song opens. A jump inside the song starts
// from it and replays the song's channel messages up to the new position, so
// the state after a jump is the state the song had reached there, whichever way
// the jump went.

#include <fluidsynth.h>

#include <array>

namespace platform {

class ChannelSnapshot {
public:
    static constexpr int kChannels = 16;

    void capture(fluid_synth_t* synth);
    void restore(fluid_synth_t* synth) const;

private:
    struct Channel {
        int sfontId = -1;
        int bank = 0;
        int preset = 0;
        std::array<int, 128> controllers{};
        int pitchBend = 8192;
        int bendRange = 2;
    };
    static bool restorable(int controller);

    std::array<Channel, kChannels> channels_{};
    bool captured_ = false;
};

}  // namespace platform
