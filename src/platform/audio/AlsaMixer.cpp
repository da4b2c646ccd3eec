#include "platform/audio/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <memory>

namespace platform {

namespace {

// The program has no console: ALSA's complaints (a missing card, an unreachable
// server) would only be noise on the terminal it was started from.
void silentErrorHandler(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa()
{
    static const bool once = [] {
        snd_lib_error_set_handler(&silentErrorHandler);
        return true;
    }();
    (void)once;
}

struct MixerCloser {
    void operator()(snd_mixer_t* mixer) const { snd_mixer_close(mixer); }
};
using MixerHandle = std::unique_ptr<snd_mixer_t, MixerCloser>;

MixerHandle openMixer(const std::string& device)
{
    silenceAlsa();
    snd_mixer_t* raw = nullptr;
    if (snd_mixer_open(&raw, 0) < 0)
        return nullptr;
    MixerHandle mixer(raw);
    if (snd_mixer_attach(raw, device.c_str()) < 0 || snd_mixer_selem_register(raw, nullptr, nullptr) < 0
        || snd_mixer_load(raw) < 0)
        return nullptr;
    return mixer;
}

std::string cardName(const std::string& device)
{
    snd_ctl_t* ctl = nullptr;
    if (snd_ctl_open(&ctl, device.c_str(), 0) < 0)
        return device;
    std::string name = device;
    snd_ctl_card_info_t* info = nullptr;
    if (snd_ctl_card_info_malloc(&info) == 0) {
        if (snd_ctl_card_info(ctl, info) == 0) {
            const char* text = snd_ctl_card_info_get_name(info);
            if (text && *text)
                name = text;
        }
        snd_ctl_card_info_free(info);
    }
    snd_ctl_close(ctl);
    return name;
}

bool usable(snd_mixer_elem_t* elem)
{
    return snd_mixer_selem_is_active(elem) && snd_mixer_selem_has_playback_volume(elem);
}

snd_mixer_elem_t* findElement(snd_mixer_t* mixer, const AlsaMixerElement& element)
{
    snd_mixer_selem_id_t* id = nullptr;
    if (snd_mixer_selem_id_malloc(&id) < 0)
        return nullptr;
    snd_mixer_selem_id_set_name(id, element.name.c_str());
    snd_mixer_selem_id_set_index(id, element.index);
    snd_mixer_elem_t* elem = snd_mixer_find_selem(mixer, id);
    snd_mixer_selem_id_free(id);
    return elem && usable(elem) ? elem : nullptr;
}

bool hasRight(snd_mixer_elem_t* elem)
{
    return !snd_mixer_selem_is_playback_mono(elem)
           && snd_mixer_selem_has_playback_channel(elem, SND_MIXER_SCHN_FRONT_RIGHT);
}

}  // namespace

std::vector<std::string> AlsaMixer::defaultDevices()
{
    silenceAlsa();
    std::vector<std::string> devices{"default"};
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0)
        devices.push_back("hw:" + std::to_string(card));
    return devices;
}

std::vector<AlsaMixerElement> AlsaMixer::elements(const std::vector<std::string>& devices)
{
    std::vector<AlsaMixerElement> found;
    for (const std::string& device : devices) {
        MixerHandle mixer = openMixer(device);
        if (!mixer)
            continue;
        std::string card;
        for (snd_mixer_elem_t* elem = snd_mixer_first_elem(mixer.get()); elem; elem = snd_mixer_elem_next(elem)) {
            if (!usable(elem))
                continue;
            if (card.empty())
                card = cardName(device);
            found.push_back({device, snd_mixer_selem_get_name(elem), snd_mixer_selem_get_index(elem), card,
                             hasRight(elem)});
        }
    }
    return found;
}

std::optional<std::uint32_t> AlsaMixer::volume(const AlsaMixerElement& element)
{
    MixerHandle mixer = openMixer(element.device);
    snd_mixer_elem_t* elem = mixer ? findElement(mixer.get(), element) : nullptr;
    long min = 0, max = 0;
    if (!elem || snd_mixer_selem_get_playback_volume_range(elem, &min, &max) < 0)
        return std::nullopt;
    auto half = [&](snd_mixer_selem_channel_id_t channel) -> std::optional<std::uint32_t> {
        long value = 0;
        if (snd_mixer_selem_get_playback_volume(elem, channel, &value) < 0)
            return std::nullopt;
        if (max <= min)
            return 0xFFFFu;
        const double share = static_cast<double>(std::clamp(value, min, max) - min) / static_cast<double>(max - min);
        return static_cast<std::uint32_t>(std::lround(share * 65535.0));
    };
    const auto left = half(SND_MIXER_SCHN_FRONT_LEFT);
    const auto right = hasRight(elem) ? half(SND_MIXER_SCHN_FRONT_RIGHT) : left;
    if (!left || !right)
        return std::nullopt;
    return *left | *right << 16;
}

bool AlsaMixer::setVolume(const AlsaMixerElement& element, std::uint32_t word)
{
    MixerHandle mixer = openMixer(element.device);
    snd_mixer_elem_t* elem = mixer ? findElement(mixer.get(), element) : nullptr;
    long min = 0, max = 0;
    if (!elem || snd_mixer_selem_get_playback_volume_range(elem, &min, &max) < 0)
        return false;
    auto level = [&](std::uint32_t half) {
        return min + std::lround(static_cast<double>(half) * static_cast<double>(max - min) / 65535.0);
    };
    if (!hasRight(elem))
        return snd_mixer_selem_set_playback_volume_all(elem, level(word & 0xFFFF)) == 0;
    return snd_mixer_selem_set_playback_volume(elem, SND_MIXER_SCHN_FRONT_LEFT, level(word & 0xFFFF)) == 0
           && snd_mixer_selem_set_playback_volume(elem, SND_MIXER_SCHN_FRONT_RIGHT, level(word >> 16)) == 0;
}

}  // namespace platform
