// Seeking: the slider, the fast-wind buttons and the repeat of a finished song.

#include "album/FormatText.h"
#include "player/IPositionSlider.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"

#include <algorithm>

namespace player {

std::uint32_t TMainWindow::TargetOfSliderPos(int pos) const
{
    if (pos <= 0)
        return 0;
    const long double exact = static_cast<long double>(pos) * songLength_ * 0.0001L;
    if (exact >= songLength_)
        return songLength_;
    return static_cast<std::uint32_t>(exact);
}

void TMainWindow::ShowTimeAt(std::uint32_t target)
{
    std::int64_t shown = target / 1000;
    if (!IsChecked(kOptElapsedTime))
        shown = (static_cast<std::int64_t>(DeviceLength()) - target) / 1000;
    SetItemText(kItemTime, FormatMinSec(static_cast<int>(std::max<std::int64_t>(shown, 0))));
}

void TMainWindow::ShowThumbTime(int pos)
{
    ShowTimeAt(TargetOfSliderPos(pos));
    UpdateItemNow(kItemTime);
}

int TMainWindow::SeekToPosition(int pos)
{
    if (!device.IsOpen() && PlaySelected() != 0)
        return -1;
    const std::uint32_t target = TargetOfSliderPos(pos);
    StopTracking();
    SetSliderPosition(pos);
    ShowTimeAt(target);
    BeginBusy(kBusySeeking);
    int result = -1;
    if (device.Seek(target) == 0)
        result = PlayRange(-1, -2);
    EndBusy();
    if (result == 0 && seeked)
        seeked(target);
    return result;
}

void TMainWindow::SliderScrolled(int code)
{
    if (!positionSlider)
        return;
    switch (code) {
    case SB_THUMBTRACK:
        StopTracking();
        ShowThumbTime(positionSlider->GetPosition());
        break;
    case SB_LINEUP:
    case SB_LINEDOWN:
    case SB_PAGEUP:
    case SB_PAGEDOWN:
    case SB_THUMBPOSITION:
    case SB_TOP:
    case SB_BOTTOM:
        SeekToPosition(positionSlider->GetPosition());
        break;
    default:
        break;
    }
}

void TMainWindow::FastWind(int command)
{
    if (!positionSlider)
        return;
    const bool release = command == kCmdRewindRelease || command == kCmdForwardRelease;
    if (!positionSlider->IsWindowEnabled()) {
        // The player stopped while a button was held: forget the position rather
        // than let the next press start from it.
        if (release)
            pendingFastWind_ = -1;
        return;
    }
    if (command == kCmdRewindRepeat || command == kCmdForwardRepeat) {
        StopTracking();
        int p = pendingFastWind_ >= 0 ? pendingFastWind_ : positionSlider->GetPosition();
        const int step = positionSlider->GetLineMagnitude();
        p += command == kCmdRewindRepeat ? -step : step;
        int minValue = 0;
        int maxValue = 0;
        positionSlider->GetRange(minValue, maxValue);
        p = std::max(0, std::min(p, maxValue));
        pendingFastWind_ = p;
        SetSliderPosition(p);
        ShowThumbTime(p);
    } else if (release && pendingFastWind_ >= 0) {
        const int pending = pendingFastWind_;
        pendingFastWind_ = -1;
        SeekToPosition(pending);
    }
}

}  // namespace player
