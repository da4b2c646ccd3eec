#pragma once
// The frame's menu as the program builds it (menu 7771 as a QMenu tree), for the
// code that walks the real menu; the rest of the frame records like RecordingFrame.

#include "controls/menu/MenuBuilder.h"
#include "player/IMenuState.h"
#include "player/RecordingSurfaces.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QMenu>

#include <memory>

namespace playertest {

class MenuTreeState : public player::IMenuState {
public:
    MenuTreeState() : root_(LoadMenu(resources::IDM_FRAME)) {}

    bool IsChecked(int id) const override
    {
        const QAction* action = FindMenuAction(root_.get(), id);
        return action != nullptr && action->isChecked();
    }
    void SetChecked(int id, bool on) override
    {
        if (QAction* action = FindMenuAction(root_.get(), id))
            action->setChecked(on);
    }
    void SetEnabled(int id, bool on) override
    {
        if (QAction* action = FindMenuAction(root_.get(), id))
            action->setEnabled(on);
    }
    QMenu* RootMenu() const override { return root_.get(); }

private:
    std::unique_ptr<QMenu> root_;
};

class MenuTreeFrame : public RecordingFrame {
public:
    player::IMenuState* FrameMenu() override { return &tree; }
    MenuTreeState tree;
};

}  // namespace playertest
