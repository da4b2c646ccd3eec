#pragma once
// Puts the MIDI sequencer in the media command layer's driver table: .mid and
// .rmi files then open on it. The program calls this once at start-up.

namespace platform {

void RegisterSequencerDriver();

}  // namespace platform
