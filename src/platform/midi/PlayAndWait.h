#pragma once
// Plays a MIDI file from its start to its end and returns only then: the
// blocking play the custom synthesizer reset needs. With manual rendering the
// caller's thread renders the song itself.

#include "platform/mci/MciConstants.h"

#include <string>

namespace platform {

// 0 once the song has played to its end, or the error that stopped it (the
// open's error, or MCIERR_DRIVER when the output stalled well past the end).
mci::ErrorCode PlayMidiAndWait(const std::string& path);

}  // namespace platform
