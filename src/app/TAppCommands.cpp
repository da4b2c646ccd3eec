#include "app/TAppCommands.h"

#include "resources/CommandIds.h"

#include <algorithm>
#include <array>

namespace app {

namespace {

using namespace resources;

// A pop-up's identifier is its first item's identifier minus one.
constexpr std::array<int, 6> kSubMenus = {
    CM_SORT_ALBUM - 1,          // Maintain
    CM_RECENT_ALBUM_FIRST - 1,  // Recent Albums
    CM_ADD_SONGS - 1,           // Song
    CM_CONTINUOUS_LOOP - 1,     // Song Play
    CM_NO_RESET - 1,            // MIDI Auto Reset
    CM_DEFAULT_SIZE - 1,        // Size and Views
};

}  // namespace

bool TAppCommands::HandleCommand(int)
{
    return false;
}

bool TAppCommands::IsSubMenuId(int commandId)
{
    return std::find(kSubMenus.begin(), kSubMenus.end(), commandId) != kSubMenus.end();
}

bool TAppCommands::QueryEnable(int commandId, bool& enabled)
{
    if (!IsSubMenuId(commandId))
        return false;
    enabled = true;
    return true;
}

}  // namespace app
