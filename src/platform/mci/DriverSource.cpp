#include "platform/mci/DriverSource.h"

#include "platform/mci/ElementPath.h"
#include "platform/mci/MediaDriverRegistry.h"

namespace mci {

bool RegistryDriverSource::knowsType(const std::string& deviceType) const
{
    return IsKnownDeviceType(deviceType);
}

std::unique_ptr<platform::MediaDriver> RegistryDriverSource::create(const std::string& deviceType)
{
    return CreateMediaDriver(deviceType);
}

std::string RegistryDriverSource::fileFor(const std::string& element) const
{
    return ElementToLocalPath(element);
}

}  // namespace mci
