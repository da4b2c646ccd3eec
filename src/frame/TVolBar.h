#pragma once
// The bar with Mute, the volume slider (window id 7889), the two fast-wind
// buttons and Move Up, Move Down and Highlight Current.

#include "frame/TMControlBar2.h"

class ISliderOwner;
class TSoundBar;

namespace frame {

class TVolBar : public TMControlBar2 {
    Q_OBJECT
public:
    static constexpr int kSliderId = 7889;

    TVolBar(ISliderOwner* owner, QWidget* parent);
    ~TVolBar() override;

    TSoundBar* Slider() const { return slider_; }

private:
    TSoundBar* slider_ = nullptr;
};

}  // namespace frame
