#pragma once
// Check marks and graying on the frame's menu tree (menu 7771), by command id.
// The tree lives as long as the frame, whether or not the menu bar shows it.

#include "player/IMenuState.h"

namespace frame {

class FrameMenuState : public player::IMenuState {
public:
    explicit FrameMenuState(QMenu* root) : root_(root) {}

    bool IsChecked(int commandId) const override;
    void SetChecked(int commandId, bool checked) override;
    void SetEnabled(int commandId, bool enabled) override;
    QMenu* RootMenu() const override { return root_; }

private:
    QMenu* root_;
};

}  // namespace frame
