#pragma once
// The console's read-outs and lamps, written by control id (the queue writes
// through the same interface), and painted at once where the player needs it.

#include "album/IConsoleText.h"

namespace player {

class IConsoleWindow : public ::IConsoleText {
public:
    // Paints the control now rather than at the next pass of the event loop.
    virtual void UpdateItemNow(int controlId) = 0;
};

}  // namespace player
