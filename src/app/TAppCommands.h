#pragma once
// The application's link of the command routing chain, the last one after the
// console and the frame. It handles no command. Its one answer is for the
// command-enable query of the sub-menus (Maintain, Recent Albums, Song, Song
// Play, MIDI Auto Reset, Size and Views), which it reports as enabled. Qt
// never disables a sub-menu through that query, so the answer only matters to
// code that asks the chain by id (the mini help names a sub-menu by it).

#include "controls/menu/ICommandHandler.h"

namespace app {

class TAppCommands : public ::ICommandHandler {
public:
    bool HandleCommand(int commandId) override;

    // True, with enabled set, when the application answers for commandId.
    static bool QueryEnable(int commandId, bool& enabled);
    static bool IsSubMenuId(int commandId);
};

}  // namespace app
