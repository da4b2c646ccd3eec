#include "platform/midi/SequencerRegistration.h"

#include "platform/mci/MediaDriverRegistry.h"
#include "platform/midi/SequencerDriver.h"

namespace platform {

void RegisterSequencerDriver()
{
    mci::RegisterMediaDriver(mci::kSequencerDevice, &CreateSequencerDriver, {"mid", "rmi"});
}

}  // namespace platform
