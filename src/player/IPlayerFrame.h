#pragma once
// What the player needs from the main frame around it: the busy display, the
// caption, the two status panes and the minimized-window meter.

#include "album/IBusyIndicator.h"

#include <string>

namespace player {

class IMenuState;
class ISystemMenu;
class IToolBarButtons;

class IPlayerFrame : public ::IBusyIndicator {
public:
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetStatusPane(int gadgetId, const std::string& text) = 0;
    virtual bool IsIconic() const = 0;
    // Redraws the level meter of the minimized frame from the console's iconProgress.
    virtual void DrawIconProgress() = 0;
    // The menus the player reads and marks.
    virtual IMenuState* FrameMenu() = 0;
    virtual ISystemMenu* SystemMenu() = 0;
    virtual IToolBarButtons* ToolBar() = 0;
    // The settings' view of the frame: the Elements check marks brought up to
    // date from the bars' real visibility, and the frame's restored (normal)
    // rectangle in screen pixels.
    virtual void RefreshElementChecks() = 0;
    virtual void GetRestoredRect(int& left, int& top, int& width, int& height) const = 0;
};

}  // namespace player
