#pragma once
// Auxiliary volume devices, as the program expects of its system. Device 0 is
// the program's own output (a software gain on everything it plays, kept in the
// settings file); the devices after it are the playback volume elements of the
// ALSA mixers, enumerated once at first use and kept for the run. A device that
// goes away later fails its calls and changes nothing.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

constexpr unsigned MMSYSERR_NOERROR = 0;
constexpr unsigned MMSYSERR_ERROR = 1;
constexpr unsigned MMSYSERR_BADDEVICEID = 2;
constexpr unsigned MMSYSERR_INVALPARAM = 11;

// The 48-byte capability record: product name zero-terminated, at most 31 characters.
struct AUXCAPSA {
    std::uint16_t wMid;
    std::uint16_t wPid;
    std::uint32_t vDriverVersion;
    char szPname[32];
    std::uint16_t wTechnology;
    std::uint16_t wReserved1;
    std::uint32_t dwSupport;
};
static_assert(sizeof(AUXCAPSA) == 48);

constexpr std::uint32_t AUXCAPS_VOLUME = 1, AUXCAPS_LRVOLUME = 2;  // dwSupport bits
constexpr std::uint16_t AUXCAPS_AUXIN = 2;                        // wTechnology

unsigned auxGetNumDevs();
// size must be at least sizeof(AUXCAPSA), else MMSYSERR_INVALPARAM.
unsigned auxGetDevCapsA(unsigned deviceId, AUXCAPSA* caps, unsigned size);
// Low 16 bits left, high 16 bits right, 0..65535 each.
unsigned auxGetVolume(unsigned deviceId, std::uint32_t* volume);
unsigned auxSetVolume(unsigned deviceId, std::uint32_t volume);

// Where device 0's volume is kept between runs: the program's settings file (a
// drive path such as "c:\\vantor\\vantor.ini"). Reads the stored volume at once
// (full volume when absent). Empty path: nothing is stored from now on, and the
// volume stays as it is. A change is written a moment after the last one (at
// once off the main thread or without an application); calling this writes a
// change still waiting first, so the program calls it with "" as it ends.
void SetAuxVolumeStore(const std::string& settingsPath);

// Tests: the ALSA mixer devices probed, in order (by default "default" and then
// "hw:N" for every card present). Re-enumerates on the next call of any aux function.
void SetAuxMixerDevicesForTest(std::vector<std::string> devices);

}  // namespace platform
