#pragma once
// Puts the wave and video drivers in the media command layer's driver table:
// .wav files then open on waveaudio and .avi files on avivideo. The program
// calls this once at start-up.

namespace platform {

void RegisterGstDrivers();

}  // namespace platform
