#include "frame/TPosBar.h"

#include <QStyle>

#include "controls/sliders/TSoundBar.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"

namespace frame {

namespace {
constexpr int kSliderWidth = 200;
}

int ScrollBarHeight(const QWidget* widget)
{
    return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

TPosBar::TPosBar(player::TMainWindow* client, ISliderOwner* owner, QWidget* parent)
    : TMControlBar2(resources::CM_POSITION_SLIDER, parent),
      slider_(new TSoundBar(this, kSliderId, 0, 0, kSliderWidth, ScrollBarHeight(this)))
{
    slider_->setFixedHeight(ScrollBarHeight(this));
    slider_->setEnabled(false);
    slider_->SetOwner(owner);
    AddControl(slider_, true);
    if (client)
        client->SetPositionSlider(this);
}

TPosBar::~TPosBar() = default;

int TPosBar::GetPosition() const { return slider_->GetPosition(); }

void TPosBar::SetPosition(int position) { slider_->SetPosition(position); }

void TPosBar::GetRange(int& minValue, int& maxValue) const { slider_->GetRange(minValue, maxValue); }

int TPosBar::GetLineMagnitude() const { return slider_->GetLineMagnitude(); }

void TPosBar::EnableWindow(bool enabled) { slider_->setEnabled(enabled); }

bool TPosBar::IsWindowEnabled() const { return slider_->isEnabled(); }

}  // namespace frame
