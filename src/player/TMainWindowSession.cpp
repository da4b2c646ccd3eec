#include "player/TMainWindow.h"

namespace player {

void TMainWindow::EndSession()
{
    SaveOnExit(false);
    SetStopped(true);
    StopDevice();
}

}  // namespace player
