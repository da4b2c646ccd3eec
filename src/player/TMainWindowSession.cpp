#include "player/TMainWindow.h"

#include <utility>

namespace player {

void TMainWindow::EndSession()
{
    SaveOnExit(false);
    // The session will not wait for an answer.
    const bool wasUnattended = std::exchange(unattended_, true);
    ReportSaveFailure();
    unattended_ = wasUnattended;
    SetStopped(true);
    StopDevice();
}

}  // namespace player
