#pragma once
// The bar holding the position slider (window id 7850), which starts disabled.
// It is the player's view of that slider.

#include "frame/TMControlBar2.h"
#include "player/IPositionSlider.h"

class ISliderOwner;
class TSoundBar;

namespace player {
class TMainWindow;
}

namespace frame {

class TPosBar : public TMControlBar2, public player::IPositionSlider {
    Q_OBJECT
public:
    static constexpr int kSliderId = 7850;

    // Hands the bar to client as its position slider; the slider's scroll codes
    // go to owner.
    TPosBar(player::TMainWindow* client, ISliderOwner* owner, QWidget* parent);
    ~TPosBar() override;

    TSoundBar* Slider() const { return slider_; }

    int GetPosition() const override;
    void SetPosition(int position) override;
    void GetRange(int& minValue, int& maxValue) const override;
    int GetLineMagnitude() const override;
    void EnableWindow(bool enabled) override;
    bool IsWindowEnabled() const override;

private:
    TSoundBar* slider_;
};

// Height of the system's horizontal scroll bar, the sliders' height.
int ScrollBarHeight(const QWidget* widget);

}  // namespace frame
