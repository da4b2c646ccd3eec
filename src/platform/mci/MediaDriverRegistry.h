#pragma once
// The table of media drivers, by device type. Each driver registers a factory
// under its device type; the layer picks the type from the element's extension.

#include "platform/media/MediaDriver.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mci {

constexpr const char* kSequencerDevice = "sequencer";
constexpr const char* kWaveAudioDevice = "waveaudio";
constexpr const char* kVideoDevice = "avivideo";

using MediaDriverFactory = std::function<std::unique_ptr<platform::MediaDriver>()>;

// Registers (or replaces) the factory of a device type. extensions (without the
// dot) are added to the ones the type already plays: .mid and .rmi play on the
// sequencer, .wav on waveaudio, .avi on avivideo from the start. A null factory
// removes the type's driver and leaves its extensions.
void RegisterMediaDriver(const std::string& deviceType, MediaDriverFactory factory,
                         const std::vector<std::string>& extensions = {});

// The device type that plays files with this extension (no dot, any case), or
// an empty string.
std::string DeviceTypeForExtension(std::string_view extension);

// Whether the type is one the layer knows, with or without a driver installed.
bool IsKnownDeviceType(std::string_view deviceType);

// A new driver of the type, or null when no driver of that type is installed.
std::unique_ptr<platform::MediaDriver> CreateMediaDriver(std::string_view deviceType);

}  // namespace mci
