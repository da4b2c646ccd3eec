#pragma once
// The console's read-outs and lamps, written by dialog item id.

#include <string>

namespace player {

class IConsoleText {
public:
    virtual ~IConsoleText() = default;
    virtual void SetItemText(int itemId, const std::string& text) = 0;
    // Paints the item now rather than at the next pass of the event loop.
    virtual void UpdateItemNow(int itemId) = 0;
};

}  // namespace player
