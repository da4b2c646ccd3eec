#include "frame/FrameMenuState.h"

#include <QAction>
#include <QMenu>

#include "controls/menu/MenuBuilder.h"

namespace frame {

bool FrameMenuState::IsChecked(int commandId) const
{
    const QAction* action = FindMenuAction(root_, commandId);
    return action && action->isChecked();
}

void FrameMenuState::SetChecked(int commandId, bool checked)
{
    if (QAction* action = FindMenuAction(root_, commandId))
        action->setChecked(checked);
}

void FrameMenuState::SetEnabled(int commandId, bool enabled)
{
    if (QAction* action = FindMenuAction(root_, commandId))
        action->setEnabled(enabled);
}

}  // namespace frame
