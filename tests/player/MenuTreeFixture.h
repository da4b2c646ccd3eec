#pragma once
// The player with the frame's real menu tree (menu 7771 as QActions) in place of
// the recording menu: check marks and graying are those of the actions.

#include "controls/menu/MenuBuilder.h"
#include "player/PlayerFixture.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace playertest {

class MenuTreeState : public player::IMenuState {
public:
    explicit MenuTreeState(QMenu* root) : root_(root) {}
    bool IsChecked(int id) const override
    {
        const QAction* action = FindMenuAction(root_, id);
        return action && action->isChecked();
    }
    void SetChecked(int id, bool on) override
    {
        if (QAction* action = FindMenuAction(root_, id))
            action->setChecked(on);
    }
    void SetEnabled(int id, bool on) override
    {
        if (QAction* action = FindMenuAction(root_, id))
            action->setEnabled(on);
    }
    QMenu* RootMenu() const override { return root_; }

private:
    QMenu* root_;
};

class MenuTreeFixture : public PlayerFixture {
protected:
    void SetUp() override
    {
        root.reset(LoadMenu(resources::IDM_FRAME));
        ASSERT_NE(root, nullptr);
        state = std::make_unique<MenuTreeState>(root.get());
        frame.menuInUse = state.get();
        PlayerFixture::SetUp();
    }

    void TearDown() override
    {
        PlayerFixture::TearDown();
        state.reset();
        root.reset();
    }

    QAction* Action(int id) const { return FindMenuAction(root.get(), id); }
    bool Checked(int id) const { return Action(id) && Action(id)->isChecked(); }
    void SetCheck(int id, bool on) { Action(id)->setChecked(on); }

    std::unique_ptr<QMenu> root;
    std::unique_ptr<MenuTreeState> state;
};

}  // namespace playertest
