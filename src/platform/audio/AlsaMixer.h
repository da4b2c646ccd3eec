#pragma once
// Playback volume elements of ALSA mixers through libasound's simple mixer
// interface. Every call opens the device afresh, so a device that went away
// fails that call and nothing else; no ALSA error text reaches stderr.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct AlsaMixerElement {
    std::string device;    // the ALSA device name: "default", "hw:0", "pulse" ...
    std::string name;      // the simple element's name, e.g. "Master"
    unsigned index = 0;    // the simple element's index among those of that name
    std::string cardName;  // the card's name, or the device name when it has none
    bool stereo = false;   // separate front left and front right volumes
};

class AlsaMixer {
public:
    // "default" followed by "hw:N" for each sound card present.
    static std::vector<std::string> defaultDevices();
    // The elements with a playback volume on each device that opens, in device order.
    static std::vector<AlsaMixerElement> elements(const std::vector<std::string>& devices);

    // The volume as a word (low 16 bits left or mono, high 16 bits right), each
    // half the element's range mapped linearly to 0..65535; nothing when the
    // device or element is gone.
    static std::optional<std::uint32_t> volume(const AlsaMixerElement& element);
    // Sets left and right from the word's halves; a mono element takes the left
    // half. False, with nothing changed, when the device or element is gone.
    static bool setVolume(const AlsaMixerElement& element, std::uint32_t word);
};

}  // namespace platform
