#pragma once
// The console window and the player: plays the queue's songs one at a time
// through its single device, follows the play position once a second and moves
// on at the end of each song. Its state shows on the console, the tool bar and the
// menus; the frame's parts are reached through the small interfaces it implements.

#include "album/IOptionState.h"
#include "album/IQueuePlayer.h"
#include "album/TAlbumList.h"
#include "controls/console/TConsoleDialog.h"
#include "controls/menu/ICommandHandler.h"
#include "media/CheckMarks.h"
#include "media/CompoundDevice.h"
#include "media/MidiReset.h"
#include "player/IConsoleWindow.h"

#include <QBasicTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class TQueueList;

namespace player {

class IMenuState;
class IPlayerFrame;
class IPositionSlider;

class TMainWindow : public TConsoleDialog,
                    public IConsoleWindow,
                    public ::IQueuePlayer,
                    public ::IOptionState,
                    public ::CheckMarks,
                    public ::ICommandHandler {
public:
    // programDir: the program's directory as a drive path (for the custom reset);
    // openMidiOut: the output the synthesizer resets go to.
    // The frame, the queue and the position slider are set by the frame when it
    // builds them, before Create() runs the set-up.
    explicit TMainWindow(QWidget* parent = nullptr, std::string programDir = std::string(),
                         platform::MidiOutFactory openMidiOut = &platform::CreateMidiMapperOut);
    ~TMainWindow() override;
    TMainWindow(const TMainWindow&) = delete;
    TMainWindow& operator=(const TMainWindow&) = delete;

    // The one console window of the program (null before it exists and after it is gone).
    static TMainWindow* Instance() { return instance_; }

    void SetFrame(IPlayerFrame* frame) { frame_ = frame; }
    void SetPositionSlider(IPositionSlider* slider) { positionSlider = slider; }
    void SetQueue(TQueueList* list) { queue = list; }

    // Window clean-up, called by the frame while it still exists: play stops for
    // good. A window destroyed without it still stops and closes its device.
    void CleanupWindow();

    // The console read-outs, by control id (the queue writes through this too).
    void SetConsoleText(int controlId, const char* text) override;
    void UpdateItemNow(int controlId) override;

    // The console's command table: the first link of the routing chain.
    bool HandleCommand(int commandId) override;

    // Sequencing.
    int PlaySong(int index);
    int PlaySelected();
    int StartSong(int index);
    int LoadSong(const std::string& path);
    void CloseSong();
    // from = -1: from the current position; to = -2: to the end.
    int PlayRange(std::int64_t from, std::int64_t to);
    void NextSong();
    void StopSong();
    void TogglePause();
    void PauseSong();
    void ResumeSong();
    void ToggleRepeat();
    // Flips Mute: the open song's sound off or on, the mute button and lamp with it.
    void ToggleMute();
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

    // Adding songs: the Add to Album dialog, and files dropped on the frame (their
    // Linux paths, in the order dropped; one album file dropped alone is opened
    // instead). Both may start play (Shift, Auto Play, Random Order). 0 when the
    // files were offered to the queue or the album opened, -1 on Cancel or refusal.
    int AddSongs();
    int DropFiles(const std::vector<std::string>& linuxPaths);
    // The file type last chosen in the Add to Album dialog (1-based), for this run.
    int addSongsFilter = 1;
    // The folder songs were last added from through the dialog (a drive path),
    // where the dialog starts next; kept in the settings. Empty: the current directory.
    std::string addSongsFolder;

    // The tick and the end-of-song notification.
    void OnTick();
    int SongEnded(std::uint32_t code);
    // The caption and the status panes name the album and the song; either may be null.
    // With Show Long Names on, the song goes by its long name when the queue knows it.
    void ShowCaption(const std::string* albumFile, const std::string* songFile);
    // The long file name song index is shown by: empty when Show Long Names is off,
    // index names no song or its name could not be looked up (its short name shows).
    std::string LongSongName(int index) const;
    void ClearSongDisplay();
    void SetIconProgress(int percent);

    // The album file and the Album menu's commands; 0 or -1. LoadAlbum gives
    // kAlbumKept when the auto-save of the current album failed and the user
    // chose to keep it rather than go on without saving it.
    static constexpr int kAlbumKept = 1;
    int LoadAlbum(const std::string& path);
    int WriteAlbum(const std::string& path);
    // initialPath: the name the Save Album dialog starts with; may be null.
    int AskSaveAlbum(const std::string* initialPath);
    void LoadDefaultAlbum();
    int NewAlbum();
    int OpenAlbum();
    // What Open does with the album chosen in its dialog: loads it, or says it cannot.
    int OpenAlbumFile(const std::string& path);
    int SaveAlbum();
    int SaveAlbumAs();
    int CloseAlbum();
    int DeleteAlbum();
    int RemoveDuplicates();

    // The recent albums and the album chosen at start-up.
    void UpdateRecentMenu();
    int OpenRecentAlbum(int command);
    // commandLine: the program's arguments joined by one blank each. -1 when the
    // user chose to end the program instead.
    int LoadStartupAlbum(const std::string& commandLine);
    // An album named on another copy's command line (a drive path or an
    // absolute Linux path), opened as Open opens the one chosen. A song named
    // so (a file manager's MIDI, wave or video file) opens as a new untitled
    // album holding that song alone, playing.
    int OpenRequestedAlbum(const std::string& album);
    // That song's part: New, the song added, played. -1 when New was refused.
    int OpenRequestedSong(const std::string& song);
    // The default album's path: in userDir, or programDir when that is not set.
    std::string DefaultAlbumPath() const;

    // The queue's view of the player, the options and the reset's check marks.
    int CurrentSong() const override { return currentSong; }
    void SetCurrentSong(int index) override { currentSong = index; }
    bool IsChecked(int optionId) const override;
    void SetChecked(int commandId, bool checked) override;

    // Settings file: options, reset mode, repeat, queue font, window position.
    int LoadSettings();
    // Returns -1 when a value could not be written.
    int SaveSettings();
    // force (Shift held at close): save even when Save Settings on Exit is off.
    int SaveOnExit(bool force);
    // Save Settings Now: the settings, then the album when Auto Save Album is on.
    int SaveSettingsNow();
    // The saving at a close (SaveOnExit). When the album cannot be saved: with
    // force the failure is shown and true returned (the window stays open
    // anyway); otherwise the user is asked whether to close without it. False:
    // keep the program open.
    bool SaveForClose(bool force);
    // Nobody is there to answer (a close by signal): a failed save is written to
    // stderr and the operation goes on.
    void SetUnattended(bool unattended) { unattended_ = unattended; }

    // --- the command table's own operations (TMainWindowOptions.cpp) ---
    // Flips the option's check mark. Random Order and Continuous Loop light or
    // put out their lamps; Elapsed Time rewrites the time read-out of an open song.
    void ToggleOption(int id);
    // The font dialog on the queue list's font; Cancel keeps the font.
    void SetQueueFont();
    // The information dialogs, modal on the console; they change nothing.
    void ShowAlbumProperties();
    void ShowAbout();
    // A request to the help engine for "Vantor.hlp" in the program's directory.
    void ShowHelp(unsigned command, unsigned long data);

    bool IsStopped() const { return stopped_; }
    bool IsPaused() const { return paused_; }
    bool IsTracking() const { return tracking_; }
    std::uint32_t SongLength() const { return songLength_; }
    int PendingFastWind() const { return pendingFastWind_; }
    bool TickTimerActive() const { return tickTimer_.isActive(); }

    // Session end and the song log.
    // The desktop session is ending: saves as a close without Shift does, then play stops.
    void EndSession();
    // Called by StartSong once a song is open and its length known: the song's
    // 1-based number, its path and its length in whole seconds.
    std::function<void(int number, const std::string& path, int seconds)> songStarted;

    // Change notifications for views of the player outside the window (the
    // desktop's media controls). stateChanged: the song, the play state, the
    // album, the queue's count or an option that decides the next song may have
    // changed; it may come more than once per change and is called in the
    // middle of the operation, so a listener reads the state later.
    // seeked: the open song now plays on from positionMs after a seek.
    std::function<void()> stateChanged;
    std::function<void(std::uint32_t positionMs)> seeked;
    // Something a view of the player shows changed outside the window (the
    // program's output volume, set on the volume bar).
    void NotifyStateChanged();
    // The open song's play position in milliseconds; 0 without one.
    std::uint32_t SongPosition();

    // Members shared with the album, settings and frame code.
    CompoundDevice device;
    MidiReset midiReset;
    TQueueList* queue = nullptr;
    int currentSong = -1;
    std::string albumPath;  // empty: no album file
    std::string programDir;    // drive path of the program's directory, no trailing backslash
    std::string settingsPath;  // drive path of the settings file; set before Create()
    std::string userDir;       // drive path of the default album's folder; empty: programDir
    bool repeat = false;
    bool circulateIfStuck = true;
    int iconProgress = 0;
    IPositionSlider* positionSlider = nullptr;
    IMenuState* frameMenu = nullptr;
    TAlbumList recentAlbums;

protected:
    // The set-up after the console's own, in the order the program relies on.
    void SetupWindow() override;
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // OK and Cancel (Enter and Escape) do nothing: the console never closes by keyboard.
    void EvCommand(int id) override;

private:
    void SetItemText(int itemId, const std::string& text);
    void ShowSongNumber(int number);
    void SetLamp(int lampId, bool on);
    void SetButtonDown(int commandId, bool down);
    // The open device's sound follows the Mute check mark.
    void ApplyMute();
    void SetSliderPosition(int pos);
    void ShowTimeAt(std::uint32_t target);
    void ShowThumbTime(int pos);
    std::uint32_t TargetOfSliderPos(int pos) const;
    std::uint32_t DeviceLength();
    void BeginBusy(int textId);
    void EndBusy();
    QMenu* OptionsPopup() const;
    // The caption and panes again for what they show, after Show Long Names changed.
    void ShowCaptionAgain();
    // The album written to its file when Auto Save Album is on.
    int SaveAutoSavedAlbum();
    // The auto-save before the queue is replaced by another album. True to go on:
    // saved, nothing to save, or the user chose to go on without it.
    bool AutoSaveBeforeReplacing();
    // After a failed save (saveFailure_ set): shown, or written to stderr when
    // unattended. Does nothing when the last save did not fail.
    void ReportSaveFailure();
    // After a failed save: whether to go on without it. Unattended: yes, after
    // writing the failure to stderr.
    bool GoOnWithoutSaving();

    // Starts the first added song, or the album when songs went into an empty
    // queue, after an add or a drop; before is the queue's count before it.
    void StartAddedSongs(int before, bool shiftDown);

    static TMainWindow* instance_;

    IPlayerFrame* frame_ = nullptr;
    QBasicTimer tickTimer_;
    bool setUp_ = false;

    bool stopped_ = true;
    bool paused_ = false;
    bool tracking_ = false;
    bool unattended_ = false;
    // What the caption names (ShowCaption's arguments), to show it again.
    std::optional<std::string> captionAlbum_;
    std::optional<std::string> captionSong_;
    // Why the last album save failed, with the file's path; empty when it did not.
    std::string saveFailure_;
    std::uint32_t songLength_ = 0;
    int pendingFastWind_ = -1;

    // State of the tick between two ticks.
    bool tickBusy_ = false;
    std::uint32_t lastShownPosition_ = 0;
    std::uint32_t lastPosition_ = 0;
    int stuckTicks_ = 0;
};

}  // namespace player
