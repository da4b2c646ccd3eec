#pragma once
// Recording stand-ins for what the frame gives the player: they keep the state the player set so tests can read it back.

#include "player/IMenuState.h"
#include "player/IPlayerFrame.h"
#include "player/IPositionSlider.h"
#include "player/IToolBarButtons.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace playertest {

class RecordingMenu : public player::ISystemMenu {
public:
    bool IsChecked(int id) const override { return checked.count(id) != 0; }
    void SetChecked(int id, bool on) override { on ? (void)checked.insert(id) : (void)checked.erase(id); }
    void SetEnabled(int id, bool on) override { on ? (void)grayed.erase(id) : (void)grayed.insert(id); }
    QMenu* RootMenu() const override { return nullptr; }
    void RemoveMaximize() override { items.push_back("-maximize"); }
    void AppendSeparator() override { items.push_back("---"); }
    void AppendItem(int id, const std::string& text) override
    {
        items.push_back(std::to_string(id) + " " + text);
    }
    std::set<int> checked;
    std::set<int> grayed;
    std::vector<std::string> items;
};

class RecordingToolBar : public player::IToolBarButtons {
public:
    void SetButtonDown(int id, bool down) override { down ? (void)downs.insert(id) : (void)downs.erase(id); }
    void SetButtonEnabled(int id, bool on) override { on ? (void)disabled.erase(id) : (void)disabled.insert(id); }
    bool IsDown(int id) const { return downs.count(id) != 0; }
    bool IsEnabled(int id) const { return disabled.count(id) == 0; }
    std::set<int> downs;
    std::set<int> disabled;
};

class RecordingFrame : public player::IPlayerFrame {
public:
    void BeginBusy(int textId) override { busy.push_back(textId); ++depth; }
    void EndBusy(bool) override { --depth; }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetStatusPane(int id, const std::string& text) override { panes[id] = text; }
    bool IsIconic() const override { return iconic; }
    void DrawIconProgress() override { ++iconDraws; }
    player::IMenuState* FrameMenu() override { return menuInUse ? menuInUse : &menu; }
    player::ISystemMenu* SystemMenu() override { return &systemMenu; }
    player::IToolBarButtons* ToolBar() override { return &toolBar; }
    void RefreshElementChecks() override { ++elementRefreshes; }
    void GetRestoredRect(int& l, int& t, int& w, int& h) const override
    {
        l = restored[0], t = restored[1], w = restored[2], h = restored[3];
    }
    int elementRefreshes = 0;
    int restored[4] = {10, 20, 300, 400};

    RecordingMenu menu;
    // A menu of another kind in place of the recording one (set before Create()).
    player::IMenuState* menuInUse = nullptr;
    RecordingMenu systemMenu;
    RecordingToolBar toolBar;
    std::vector<int> busy;
    int depth = 0;
    std::string caption;
    std::map<int, std::string> panes;
    bool iconic = false;
    int iconDraws = 0;
};

// The position slider: 0..10000, line step 100, keeps its value in range.
class RecordingSlider : public player::IPositionSlider {
public:
    int GetPosition() const override { return position; }
    void SetPosition(int p) override { position = std::clamp(p, 0, 10000); }
    void GetRange(int& lo, int& hi) const override { lo = 0; hi = 10000; }
    int GetLineMagnitude() const override { return 100; }
    void EnableWindow(bool on) override { enabled = on; }
    bool IsWindowEnabled() const override { return enabled; }
    int position = 0;
    bool enabled = true;
};

}  // namespace playertest
