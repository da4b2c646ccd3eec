// The one-second tick, the end-of-song notification and what the player shows
// in the caption, the status panes and the minimized window.

#include "album/PathUtils.h"
#include "album/TQueueList.h"
#include "player/IPlayerFrame.h"
#include "player/PlayerIds.h"
#include "player/TMainWindow.h"
#include "platform/mci/MciConstants.h"

#include <algorithm>
#include <cctype>

namespace player {

namespace {
// Progress of more than this since the last shown position moves the display.
constexpr std::uint32_t kDisplayStepMs = 925;
// Ticks without such progress after which a song counts as stuck.
constexpr int kStuckTickLimit = 10;

// The text before the last "." (the whole name when it has none).
std::string WithoutExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string UpperCased(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

void TMainWindow::OnTick()
{
    if (tickBusy_)
        return;
    tickBusy_ = true;
    if (!tracking_ || !device.IsOpen()) {
        tickBusy_ = false;
        return;
    }
    const std::uint32_t pos = device.Status(mci::MCI_STATUS_ITEM, mci::MCI_STATUS_POSITION, 0);
    // Unsigned: a position that went back counts as a large step.
    if (pos - lastShownPosition_ > kDisplayStepMs) {
        if (songLength_ != 0)
            SetSliderPosition(static_cast<int>(pos * 10000.0 / songLength_));
        lastShownPosition_ = pos;
        ShowTimeAt(pos);
        stuckTicks_ = 0;
        if (songLength_ != 0)
            SetIconProgress(static_cast<int>(std::uint64_t{pos} * 100 / songLength_ + 1));
    } else {
        const bool atFullLength = pos == lastPosition_ && pos != 0 && pos == DeviceLength();
        const bool stuck = !atFullLength && circulateIfStuck && ++stuckTicks_ > kStuckTickLimit;
        if (atFullLength || stuck) {
            stuckTicks_ = 0;
            SongEnded(mci::MCI_NOTIFY_SUCCESSFUL);
            tickBusy_ = false;
            return;
        }
    }
    lastPosition_ = pos;
    tickBusy_ = false;
}

int TMainWindow::SongEnded(std::uint32_t code)
{
    // Superseded, aborted and failed plays come from our own stop, pause, seek or close.
    if (code != mci::MCI_NOTIFY_SUCCESSFUL)
        return 0;
    if (repeat)
        SeekToPosition(0);
    else
        NextSong();
    return 0;
}

void TMainWindow::ShowCaption(const std::string* albumFile, const std::string* songFile)
{
    // The caption names the album and the song: a new one of either shows here.
    NotifyStateChanged();
    captionAlbum_ = albumFile ? std::optional<std::string>(*albumFile) : std::nullopt;
    captionSong_ = songFile ? std::optional<std::string>(*songFile) : std::nullopt;
    if (!frame_)
        return;
    if (!albumFile) {
        frame_->SetCaption("The Vantor");
        frame_->SetStatusPane(kPaneAlbum, "");
        frame_->SetStatusPane(kPaneSong, "");
        return;
    }
    const std::string name = FileNamePart(albumFile->c_str());
    frame_->SetStatusPane(kPaneAlbum, UpperCased(name));
    std::string title = WithoutExtension(name);
    if (!title.empty())
        title[0] = UpperCased(title.substr(0, 1))[0];
    if (songFile) {
        // A long name shows as the file is named; a short one in capitals.
        const std::string longName = queue ? queue->LongName(songFile->c_str()) : std::string();
        const std::string song = longName.empty() ? FileNamePart(songFile->c_str()) : longName;
        frame_->SetStatusPane(kPaneSong, longName.empty() ? UpperCased(song) : song);
        title += " - " + WithoutExtension(song);
    } else {
        frame_->SetStatusPane(kPaneSong, "");
    }
    frame_->SetCaption(title);
}

void TMainWindow::ShowCaptionAgain()
{
    // Only a song's name depends on the option. Copies: ShowCaption stores its arguments.
    if (!captionSong_)
        return;
    const std::optional<std::string> album = captionAlbum_;
    const std::string song = *captionSong_;
    ShowCaption(album ? &*album : nullptr, &song);
}

void TMainWindow::ClearSongDisplay()
{
    ShowCaption(albumPath.empty() ? nullptr : &albumPath, nullptr);
    SetItemText(kItemSongNumber, "");
    SetItemText(kItemLength, "");
    SetItemText(kItemTime, "");
}

void TMainWindow::SetIconProgress(int percent)
{
    iconProgress = percent;
    if (frame_ && frame_->IsIconic())
        frame_->DrawIconProgress();
}

}  // namespace player
