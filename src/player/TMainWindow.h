#pragma once
// The console window and the player: plays the queue's songs one at a time
// through its single device, follows the play position once a second and moves
// on at the end of each song. Its state shows on the console, the tool bar and the
// menus, which it reaches through the small interfaces the frame implements.

#include "album/IOptionState.h"
#include "album/IQueuePlayer.h"
#include "controls/console/TConsoleDialog.h"
#include "player/IConsoleWindow.h"
#include "player/IPlayerDevice.h"

#include <QBasicTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TQueueList;

namespace player {

class IMenuState;
class IPlayerFrame;
class IPositionSlider;
class IUserPrompt;

class TMainWindow : public TConsoleDialog,
                    public IConsoleWindow,
                    public ::IQueuePlayer,
                    public ::IOptionState {
public:
    // The frame, the queue and the position slider are set by the frame when it
    // builds them, before Create() runs the set-up.
    TMainWindow(std::unique_ptr<IPlayerDevice> device, IUserPrompt& prompt, QWidget* parent = nullptr);
    ~TMainWindow() override;
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    // The one console window of the program (null before it exists and after it is gone).
    static TMainWindow* Instance() { return instance_; }

    void SetFrame(IPlayerFrame* frame) { frame_ = frame; }
    void SetPositionSlider(IPositionSlider* slider) { positionSlider = slider; }
    void SetQueue(TQueueList* list) { queue = list; }
    // The MIDI auto reset run before each song is opened.
    void SetSynthReset(std::function<void()> reset) { resetSynth_ = std::move(reset); }

    // Window clean-up, called by the frame while it still exists: play stops for
    // good. A window destroyed without it still stops and closes its device.
    void CleanupWindow();

    // The console read-outs, by control id (the queue writes through this too).
    void SetConsoleText(int controlId, const char* text) override;
    void UpdateItemNow(int controlId) override;

    // Sequencing.
    int PlaySong(int index);
    int PlaySelected();
    int StartSong(int index);
    int LoadSong(const std::string& path);
    void CloseSong();
    int PlayRange(std::int32_t from, std::int32_t to);
    void NextSong();
    void StopSong();
    void TogglePause();
    void PauseSong();
    void ResumeSong();
    void ToggleRepeat();
    void SetStopped(bool flag);
    void SetPaused(bool flag);
    void EnablePauseControls(bool flag);
    void StopDevice();
    static void StartTracking();
    static void StopTracking();

    // Seeking and the reactions to the slider, the fast-wind buttons and the system menu.
    int SeekToPosition(int pos);
    void SliderScrolled(int code);
    void FastWind(int command);
    void SystemMenuCommand(int id);

    // Queue edits that move the current song.
    int RemoveSelectedSong();
    int DeleteSelectedSongFile();
    void ClearAlbum();
    int MoveSelectedSong(int offset) override;
    void HighlightCurrent();

    // The tick and the end-of-song notification.
    void OnTick();
    int SongEnded(std::uint32_t code);
    void ShowCaption(const std::string* albumFile, const std::string* songFile);
    void ClearSongDisplay();
    void SetIconProgress(int percent);

    // The queue's view of the player and the options.
    int CurrentSong() const override { return currentSong; }
    void SetCurrentSong(int index) override { currentSong = index; }
    bool IsChecked(int optionId) const override;

    bool IsStopped() const { return stopped_; }
    bool IsPaused() const { return paused_; }
    bool IsTracking() const { return tracking_; }
    std::uint32_t SongLength() const { return songLength_; }
    int PendingFastWind() const { return pendingFastWind_; }
    bool TickTimerActive() const { return tickTimer_.isActive(); }

    // Members shared with the album, settings and frame code.
    TQueueList* queue = nullptr;
    int currentSong = -1;
    std::string albumPath;  // empty: no album file
    bool repeat = false;
    bool circulateIfStuck = true;
    int iconProgress = 0;
    IPositionSlider* positionSlider = nullptr;
    IMenuState* frameMenu = nullptr;
    IPlayerDevice& device() { return *device_; }

protected:
    // The set-up after the console's own, in the order the program relies on.
    void SetupWindow() override;
    void timerEvent(QTimerEvent* event) override;

private:
    void SetItemText(int itemId, const std::string& text);
    void SetLamp(int lampId, bool on);
    void SetButtonDown(int commandId, bool down);
    void SetSliderPosition(int pos);
    void ShowTimeAt(std::uint32_t target);
    std::uint32_t TargetOfSliderPos(int pos) const;
    std::uint32_t DeviceLength();
    void ShowSongNumber(int number);
    void BeginBusy(int textId);
    void EndBusy();
    void ShowThumbTime(int pos);

    static TMainWindow* instance_;

    std::unique_ptr<IPlayerDevice> device_;
    IUserPrompt& prompt_;
    IPlayerFrame* frame_ = nullptr;
    std::function<void()> resetSynth_;
    QBasicTimer tickTimer_;
    bool setUp_ = false;

    bool stopped_ = true;
    bool paused_ = false;
    bool tracking_ = false;
    std::uint32_t songLength_ = 0;
    int pendingFastWind_ = -1;

    // State of the tick between two ticks.
    bool tickBusy_ = false;
    std::uint32_t lastShownPosition_ = 0;
    std::uint32_t lastPosition_ = 0;
    int stuckTicks_ = 0;
};

}  // namespace player
