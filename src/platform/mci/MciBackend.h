#pragma once
// What answers the commands sent through the layer. The program runs on the
// driver backend; tests install a recording or a simulated one.

#include "platform/mci/MciParams.h"

namespace mci {

class MciBackend {
public:
    virtual ~MciBackend() = default;
    // One command to one device (or to kAllDeviceId). parms may be null or of
    // the wrong kind: the backend answers with an error code, never a bad read.
    virtual ErrorCode command(DeviceId device, std::uint32_t command, std::uint32_t flags,
                              GenericParms* parms) = 0;
};

// The backend commands go to. Installing null restores the program's own.
MciBackend& CurrentBackend();
void SetBackend(MciBackend* backend);

}  // namespace mci
