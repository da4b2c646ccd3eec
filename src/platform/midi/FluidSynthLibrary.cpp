#include "platform/midi/FluidSynthLibrary.h"

#include "platform/system/SharedLibrary.h"

#include <fluidsynth.h>

namespace platform {

SharedLibrary& FluidSynthLibrary()
{
    // Never destroyed: the synthesizer is let go at exit through it.
    static SharedLibrary& library = *new SharedLibrary{"libfluidsynth.so.3"};
    return library;
}

bool FluidSynthAvailable()
{
    return FluidSynthLibrary().load();
}

}  // namespace platform

#define FLUID(ret, name, params, args) VANTOR_FORWARD(platform::FluidSynthLibrary(), ret, name, params, args)

// Settings, synthesizer, SoundFonts, output.
FLUID(fluid_settings_t*, new_fluid_settings, (void), ())
FLUID(void, delete_fluid_settings, (fluid_settings_t* s), (s))
FLUID(int, fluid_settings_setnum, (fluid_settings_t* s, const char* n, double v), (s, n, v))
FLUID(int, fluid_settings_setint, (fluid_settings_t* s, const char* n, int v), (s, n, v))
FLUID(int, fluid_settings_setstr, (fluid_settings_t* s, const char* n, const char* v), (s, n, v))
FLUID(fluid_synth_t*, new_fluid_synth, (fluid_settings_t* s), (s))
FLUID(void, delete_fluid_synth, (fluid_synth_t* s), (s))
FLUID(int, fluid_synth_sfload, (fluid_synth_t* s, const char* f, int r), (s, f, r))
FLUID(int, fluid_synth_sfunload, (fluid_synth_t* s, int id, int r), (s, id, r))
FLUID(int, fluid_synth_sfcount, (fluid_synth_t* s), (s))
FLUID(int, fluid_is_soundfont, (const char* f), (f))
FLUID(fluid_log_function_t, fluid_set_log_function, (int l, fluid_log_function_t f, void* d), (l, f, d))
FLUID(fluid_audio_driver_t*, new_fluid_audio_driver2, (fluid_settings_t* s, fluid_audio_func_t f, void* d), (s, f, d))
FLUID(void, delete_fluid_audio_driver, (fluid_audio_driver_t* d), (d))
FLUID(int, fluid_synth_write_float,
      (fluid_synth_t* s, int n, void* l, int lo, int li, void* r, int ro, int ri), (s, n, l, lo, li, r, ro, ri))

// Channel messages and their read-back.
FLUID(int, fluid_synth_noteon, (fluid_synth_t* s, int c, int k, int v), (s, c, k, v))
FLUID(int, fluid_synth_noteoff, (fluid_synth_t* s, int c, int k), (s, c, k))
FLUID(int, fluid_synth_key_pressure, (fluid_synth_t* s, int c, int k, int v), (s, c, k, v))
FLUID(int, fluid_synth_cc, (fluid_synth_t* s, int c, int n, int v), (s, c, n, v))
FLUID(int, fluid_synth_program_change, (fluid_synth_t* s, int c, int p), (s, c, p))
FLUID(int, fluid_synth_channel_pressure, (fluid_synth_t* s, int c, int v), (s, c, v))
FLUID(int, fluid_synth_pitch_bend, (fluid_synth_t* s, int c, int v), (s, c, v))
FLUID(int, fluid_synth_pitch_wheel_sens, (fluid_synth_t* s, int c, int v), (s, c, v))
FLUID(int, fluid_synth_program_select, (fluid_synth_t* s, int c, int id, int b, int p), (s, c, id, b, p))
FLUID(int, fluid_synth_unset_program, (fluid_synth_t* s, int c), (s, c))
FLUID(int, fluid_synth_all_notes_off, (fluid_synth_t* s, int c), (s, c))
FLUID(int, fluid_synth_all_sounds_off, (fluid_synth_t* s, int c), (s, c))
FLUID(int, fluid_synth_system_reset, (fluid_synth_t* s), (s))
FLUID(int, fluid_synth_sysex,
      (fluid_synth_t* s, const char* d, int n, char* r, int* rn, int* h, int dry), (s, d, n, r, rn, h, dry))
FLUID(int, fluid_synth_get_program, (fluid_synth_t* s, int c, int* id, int* b, int* p), (s, c, id, b, p))
FLUID(int, fluid_synth_get_cc, (fluid_synth_t* s, int c, int n, int* v), (s, c, n, v))
FLUID(int, fluid_synth_get_pitch_bend, (fluid_synth_t* s, int c, int* v), (s, c, v))
FLUID(int, fluid_synth_get_pitch_wheel_sens, (fluid_synth_t* s, int c, int* v), (s, c, v))
FLUID(int, fluid_synth_reverb_on, (fluid_synth_t* s, int g, int on), (s, g, on))
FLUID(int, fluid_synth_chorus_on, (fluid_synth_t* s, int g, int on), (s, g, on))
FLUID(int, fluid_synth_get_active_voice_count, (fluid_synth_t* s), (s))
FLUID(void, fluid_synth_get_voicelist, (fluid_synth_t* s, fluid_voice_t* b[], int n, int id), (s, b, n, id))
FLUID(int, fluid_voice_get_channel, (const fluid_voice_t* v), (v))

// FluidSynth's own player, the yardstick of the MIDI benchmarks.
FLUID(fluid_player_t*, new_fluid_player, (fluid_synth_t* s), (s))
FLUID(void, delete_fluid_player, (fluid_player_t* p), (p))
FLUID(int, fluid_player_add, (fluid_player_t* p, const char* f), (p, f))
FLUID(int, fluid_player_play, (fluid_player_t* p), (p))
FLUID(int, fluid_player_stop, (fluid_player_t* p), (p))
FLUID(int, fluid_player_join, (fluid_player_t* p), (p))
