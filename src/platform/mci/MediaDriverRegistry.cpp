#include "platform/mci/MediaDriverRegistry.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>

namespace mci {

namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct Registry {
    std::mutex mutex;
    std::map<std::string, MediaDriverFactory> factories;
    std::map<std::string, std::string> typeOfExtension{
        {"mid", kSequencerDevice}, {"rmi", kSequencerDevice},
        {"wav", kWaveAudioDevice}, {"avi", kVideoDevice}};
};

Registry& registry()
{
    static Registry r;
    return r;
}

}  // namespace

void RegisterMediaDriver(const std::string& deviceType, MediaDriverFactory factory,
                         const std::vector<std::string>& extensions)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const std::string type = lower(deviceType);
    if (factory)
        r.factories[type] = std::move(factory);
    else
        r.factories.erase(type);
    for (const std::string& ext : extensions)
        r.typeOfExtension[lower(ext)] = type;
}

std::string DeviceTypeForExtension(std::string_view extension)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const auto it = r.typeOfExtension.find(lower(extension));
    return it == r.typeOfExtension.end() ? std::string() : it->second;
}

bool IsKnownDeviceType(std::string_view deviceType)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const std::string type = lower(deviceType);
    if (r.factories.count(type))
        return true;
    return std::any_of(r.typeOfExtension.begin(), r.typeOfExtension.end(),
                       [&](const auto& entry) { return entry.second == type; });
}

std::unique_ptr<platform::MediaDriver> CreateMediaDriver(std::string_view deviceType)
{
    MediaDriverFactory factory;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        const auto it = r.factories.find(lower(deviceType));
        if (it == r.factories.end())
            return nullptr;
        factory = it->second;
    }
    return factory();
}

}  // namespace mci
