#include "player/TMainWindow.h"

#include <utility>

namespace player {

void TMainWindow::EndSession()
{
    // The session will not wait for an answer.
    const bool wasUnattended = std::exchange(unattended_, true);
    SaveOnExit(false);
    ReportSaveFailure();
    unattended_ = wasUnattended;
    SetStopped(true);
    StopDevice();
}

}  // namespace player
