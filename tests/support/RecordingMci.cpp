#include "support/RecordingMci.h"

#include "platform/mci/Mci.h"

#include <algorithm>
#include <cstring>

using namespace mci;

RecordingMci::RecordingMci() : previous_(&CurrentBackend())
{
    SetBackend(this);
}

RecordingMci::~RecordingMci()
{
    SetBackend(previous_);
}

ErrorCode RecordingMci::command(DeviceId device, std::uint32_t command, std::uint32_t flags, GenericParms* parms)
{
    sent_.push_back(SentCommand::capture(device, command, flags, parms));
    ErrorCode result = 0;
    if (auto it = once_.find(command); it != once_.end() && !it->second.empty()) {
        result = it->second.front();
        it->second.pop_front();
    } else if (auto always = always_.find(command); always != always_.end()) {
        result = always->second;
    }
    if (result != 0)
        return result;
    if (auto* open = dynamic_cast<OpenParms*>(parms))
        open->wDeviceID = nextId_++;
    if (auto* status = dynamic_cast<StatusParms*>(parms))
        status->dwReturn = status_.count(status->dwItem) ? status_[status->dwItem] : 0;
    if (auto* caps = dynamic_cast<GetDevCapsParms*>(parms))
        caps->dwReturn = caps_.count(caps->dwItem) ? caps_[caps->dwItem] : 0;
    if (auto* info = dynamic_cast<InfoParms*>(parms); info && info->lpstrReturn && info->dwRetSize > 0) {
        const std::size_t n = std::min<std::size_t>(info_.size(), info->dwRetSize - 1);
        std::memcpy(info->lpstrReturn, info_.data(), n);
        info->lpstrReturn[n] = '\0';
    }
    return 0;
}
