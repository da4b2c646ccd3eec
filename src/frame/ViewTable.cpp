#include "frame/ViewTable.h"

#include <array>
#include <vector>

#include "resources/CommandIds.h"

namespace frame {

using namespace resources;

namespace {

const std::array<std::vector<int>, CM_VIEW_LAST - CM_VIEW_FIRST + 1> kViewTable = {{
    {CM_MENU_BAR, CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_VOLUME_BAR, CM_BUTTONS, CM_STATUS_BAR},
    {CM_MENU_BAR, CM_QUEUE_BOX, CM_POSITION_SLIDER, CM_BUTTONS, CM_STATUS_BAR},
    {CM_MENU_BAR, CM_QUEUE_BOX, CM_BUTTONS, CM_STATUS_BAR},
    {CM_MENU_BAR, CM_BUTTONS, CM_STATUS_BAR},
    {CM_MENU_BAR, CM_STATUS_BAR},
    {CM_MENU_BAR},
    {},
}};

}  // namespace

std::span<const int> ViewElements(int viewCommand)
{
    if (viewCommand < CM_VIEW_FIRST || viewCommand > CM_VIEW_LAST)
        return {};
    return kViewTable[static_cast<std::size_t>(viewCommand - CM_VIEW_FIRST)];
}

}  // namespace frame
