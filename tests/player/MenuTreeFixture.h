#pragma once
// The player with the frame's real menu tree (menu 7771 as QActions) in place of
// the recording menu: check marks and graying are those of the actions.

#include "controls/menu/MenuBuilder.h"
#include "player/MenuTreeState.h"
#include "player/PlayerFixture.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace playertest {

class MenuTreeFixture : public PlayerFixture {
protected:
    void SetUp() override
    {
        state = std::make_unique<MenuTreeState>();
        root = state->RootMenu();
        ASSERT_NE(root, nullptr);
        frame.menuInUse = state.get();
        PlayerFixture::SetUp();
    }

    void TearDown() override
    {
        PlayerFixture::TearDown();
        root = nullptr;
        state.reset();
    }

    QAction* Action(int id) const { return FindMenuAction(root, id); }
    bool Checked(int id) const { return Action(id) && Action(id)->isChecked(); }
    void SetCheck(int id, bool on) { Action(id)->setChecked(on); }

    QMenu* root = nullptr;   // the state's
    std::unique_ptr<MenuTreeState> state;
};

}  // namespace playertest
