#include "platform/gst/GstRegistration.h"

#include "platform/gst/GstMediaDriver.h"
#include "platform/mci/MediaDriverRegistry.h"

namespace platform {

void RegisterGstDrivers()
{
    mci::RegisterMediaDriver(mci::kWaveAudioDevice, &CreateWaveDriver, {"wav"});
    mci::RegisterMediaDriver(mci::kVideoDevice, &CreateVideoDriver, {"avi"});
}

}  // namespace platform
