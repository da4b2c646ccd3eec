#pragma once
// FluidSynth, opened on the first MIDI song or mapper output rather than at
// start-up. Its functions are called by their usual names.

#include <string>

namespace platform {

class SharedLibrary;

SharedLibrary& FluidSynthLibrary();
// Opens FluidSynth when it is not yet; false when it cannot be.
bool FluidSynthAvailable();

}  // namespace platform
