#include "platform/audio/AuxVolume.h"

#include "platform/audio/AlsaMixer.h"
#include "platform/audio/OutputGain.h"
#include "platform/profile/PrivateProfile.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <charconv>
#include <cstring>
#include <mutex>
#include <optional>

namespace platform {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kKey = "OutputVolume";
constexpr std::uint32_t kDriverVersion = 0x0100;
// A dragged slider sets the volume many times a second; the file is written once
// it has settled.
constexpr int kStoreDelayMs = 400;

struct AuxState {
    std::mutex mutex;
    std::optional<std::vector<std::string>> testDevices;
    bool enumerated = false;
    std::vector<AlsaMixerElement> elements;  // devices 1..n
    std::string storePath;
    bool storeDirty = false;
    bool storeScheduled = false;
};

AuxState& state()
{
    static AuxState s;
    return s;
}

// Caller holds the state's mutex.
void enumerate(AuxState& s)
{
    if (s.enumerated)
        return;
    s.elements = AlsaMixer::elements(s.testDevices ? *s.testDevices : AlsaMixer::defaultDevices());
    s.enumerated = true;
}

// Caller holds the state's mutex.
void writeStore(AuxState& s)
{
    if (s.storeDirty && !s.storePath.empty()) {
        // The volume is in effect even when the settings file cannot take it.
        WritePrivateProfileString(kSection, kKey, std::to_string(OutputGain::instance().word()).c_str(),
                                  s.storePath.c_str());
    }
    s.storeDirty = false;
}

// Caller holds the state's mutex.
void scheduleStore(AuxState& s)
{
    s.storeDirty = true;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        writeStore(s);
        return;
    }
    if (s.storeScheduled)
        return;
    s.storeScheduled = true;
    QTimer::singleShot(kStoreDelayMs, app, [] {
        AuxState& later = state();
        std::lock_guard lock(later.mutex);
        later.storeScheduled = false;
        writeStore(later);
    });
}

std::string productName(const AlsaMixerElement& element)
{
    std::string name = element.name;
    if (element.index > 0)
        name += "," + std::to_string(element.index);
    return name + " (" + element.cardName + ")";
}

std::optional<std::uint32_t> parseWord(const char* text)
{
    const char* end = text + std::strlen(text);
    std::uint32_t value = 0;
    const auto [last, error] = std::from_chars(text, end, value);
    if (error != std::errc() || last != end || last == text)
        return std::nullopt;
    return value;
}

}  // namespace

unsigned auxGetNumDevs()
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    enumerate(s);
    return static_cast<unsigned>(s.elements.size()) + 1;
}

unsigned auxGetDevCapsA(unsigned deviceId, AUXCAPSA* caps, unsigned size)
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    enumerate(s);
    if (deviceId > s.elements.size())
        return MMSYSERR_BADDEVICEID;
    if (!caps || size < sizeof(AUXCAPSA))
        return MMSYSERR_INVALPARAM;
    AUXCAPSA record{};
    record.vDriverVersion = kDriverVersion;
    record.wTechnology = AUXCAPS_AUXIN;
    std::string name = "Vantor output";
    record.dwSupport = AUXCAPS_VOLUME | AUXCAPS_LRVOLUME;
    if (deviceId > 0) {
        const AlsaMixerElement& element = s.elements[deviceId - 1];
        name = productName(element);
        record.dwSupport = AUXCAPS_VOLUME | (element.stereo ? AUXCAPS_LRVOLUME : 0);
    }
    name.copy(record.szPname, sizeof(record.szPname) - 1);
    *caps = record;
    return MMSYSERR_NOERROR;
}

unsigned auxGetVolume(unsigned deviceId, std::uint32_t* volume)
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    enumerate(s);
    if (deviceId > s.elements.size())
        return MMSYSERR_BADDEVICEID;
    if (!volume)
        return MMSYSERR_INVALPARAM;
    if (deviceId == 0) {
        *volume = OutputGain::instance().word();
        return MMSYSERR_NOERROR;
    }
    const std::optional<std::uint32_t> word = AlsaMixer::volume(s.elements[deviceId - 1]);
    if (!word)
        return MMSYSERR_ERROR;
    *volume = *word;
    return MMSYSERR_NOERROR;
}

unsigned auxSetVolume(unsigned deviceId, std::uint32_t volume)
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    enumerate(s);
    if (deviceId > s.elements.size())
        return MMSYSERR_BADDEVICEID;
    if (deviceId > 0)
        return AlsaMixer::setVolume(s.elements[deviceId - 1], volume) ? MMSYSERR_NOERROR : MMSYSERR_ERROR;
    OutputGain& gain = OutputGain::instance();
    if (gain.word() == volume)
        return MMSYSERR_NOERROR;
    gain.setWord(volume);
    if (!s.storePath.empty())
        scheduleStore(s);
    return MMSYSERR_NOERROR;
}

void SetAuxVolumeStore(const std::string& settingsPath)
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    // A change still waiting goes to the file it was made for.
    writeStore(s);
    s.storePath = settingsPath;
    if (settingsPath.empty())
        return;
    char buffer[32] = {};
    GetPrivateProfileString(kSection, kKey, "", buffer, sizeof(buffer), settingsPath.c_str());
    OutputGain::instance().setWord(parseWord(buffer).value_or(OutputGain::kFullVolume));
}

void SetAuxMixerDevicesForTest(std::vector<std::string> devices)
{
    AuxState& s = state();
    std::lock_guard lock(s.mutex);
    s.testDevices = std::move(devices);
    s.enumerated = false;
    s.elements.clear();
}

}  // namespace platform
