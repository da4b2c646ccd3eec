#include "player/TMainWindow.h"

namespace player {

void TMainWindow::EndSession()
{
    SetStopped(true);
    StopDevice();
}

}  // namespace player
