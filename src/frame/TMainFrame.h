#pragma once
// The program's top-level window around the console: the menu bar, the queue
// bar above the console and the position, volume, button, separator and status
// bars below it. Its height always equals its content; its width never goes
// below the console's. Commands are routed console first, then the frame, then
// the application. Right-button presses and the console's left double-click
// become player commands, the elements pop-up or the menu-bar toggle.

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "controls/gadgets/ICommandTarget.h"
#include "controls/menu/ICommandHandler.h"
#include "controls/paint/DrawIconProgress.h"
#include "controls/sliders/ISliderOwner.h"
#include "frame/BarStack.h"
#include "player/IPlayerFrame.h"
#include "player/IToolBarButtons.h"

class QMenuBar;
class QMimeData;
class TButtonGadget;
class TQueueList;
class TSoundBar;

namespace player {
class TMainWindow;
}

namespace frame {

class FrameMenuState;
class HintTracker;
class SystemMenuPopup;
class THSeparator;
class TListBar;
class TMControlBar;
class TMStatusBar;
class TMToolBar;
class TPosBar;
class TVolBar;

class TMainFrame : public QWidget,
                   public player::IPlayerFrame,
                   public player::IToolBarButtons,
                   public ::ICommandTarget,
                   public ::ISliderOwner,
                   public ::ICommandHandler {
    Q_OBJECT
public:
    // Builds the bars around client (which becomes the frame's child) and hands
    // client its queue list and position slider.
    explicit TMainFrame(player::TMainWindow* client, QWidget* parent = nullptr);
    ~TMainFrame() override;
    TMainFrame(const TMainFrame&) = delete;
    TMainFrame& operator=(const TMainFrame&) = delete;

    // The frame of the program, or null.
    static TMainFrame* Instance() { return instance_; }

    // The set-up: the console's own, the settings, Mini Help, the stored window
    // position with the bars that are switched off hidden; then the frame shows.
    void Create();

    // A command from a menu, an accelerator, a button or the elements pop-up.
    void RouteCommand(int id);
    // A modal window is open, a nested event loop runs (a dialog, a message
    // box, a pop-up menu) or the frame is busy: a request from outside the
    // program (another copy, the desktop's media controls) must not run now.
    bool MustDeferOutsideRequests() const;
    void SetApplicationHandler(::ICommandHandler* handler) { appHandler_ = handler; }
    // A command of the system menu: Restore Menu, then the console's own.
    void SystemCommand(int id);

    // The frame's own link of the routing chain.
    bool HandleCommand(int id) override;
    void PostCommand(int commandId) override;
    void SliderScrolled(int sliderId, int scrollCode) override;

    // Flips the check mark of 7869 (menu bar), 17893 (Always on Top) or 17950
    // (Mini Help) and makes the window follow it.
    void ToggleElement(int id);
    void ApplyElement(int id);
    // Shows exactly the listed elements (the console always), then fits the frame.
    void ApplyView(std::span<const int> elements);
    // The view stored by Save Cust. View; everything when none is stored.
    void CustomView();
    // Stores the elements shown now as the custom view.
    void SaveCustomView();
    // Shows a hidden bar or hides a shown one; the frame grows or shrinks by the
    // bar's height - 1.
    void ToggleBar(int barId);
    // Hides the bars whose Elements item is unchecked, makes the menu bar follow
    // its check and fits the frame to what is shown. 0 keeps the current left or
    // top; a width of 0 gives the console's width.
    void FitToElements(int left, int top, int width);

    void ShowStatusText(const char* text);
    // A notice of a lower layer (no SoundFont, say) in the status bar: at once,
    // or when the busy display that would clear it has ended.
    void ShowNotice(const QString& text);

    // The volume slider and the chosen output device (0: none; n: device n - 1).
    // Sets the device from the slider's position.
    void SetDeviceVolume();
    // Shows the device's volume on the slider, or disables the slider without a
    // device. byCommand: enable the slider when there is a device.
    void ShowDeviceVolume(bool byCommand = false);
    // The Volume Output Device dialog, then the choice read back and shown.
    void ChooseVolumeDevice();
    int AuxOutDevice() const { return auxOutDevice_; }
    TSoundBar* VolumeSlider() const { return volumeSlider_; }

    // IPlayerFrame.
    void BeginBusy(int stringId) override;
    void EndBusy(bool reenable) override;
    void SetCaption(const std::string& caption) override;
    void SetStatusPane(int gadgetId, const std::string& text) override;
    bool IsIconic() const override;
    // A minimized window is not painted here, so the meter is drawn into the
    // window's icon instead.
    void DrawIconProgress() override;
    player::IMenuState* FrameMenu() override;
    player::ISystemMenu* SystemMenu() override;
    player::IToolBarButtons* ToolBar() override { return this; }
    void RefreshElementChecks() override;
    void GetRestoredRect(int& left, int& top, int& width, int& height) const override;

    // IToolBarButtons, over the tool bar and the volume bar.
    void SetButtonDown(int commandId, bool down) override;
    void SetButtonEnabled(int commandId, bool enabled) override;

    // The pieces, for the program and its tests.
    player::TMainWindow* Client() const { return client_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QMenu* SavedMenu() const { return savedMenu_; }
    TQueueList* QueueList() const;
    TMStatusBar* StatusBar() const { return statusBar_; }
    THSeparator* Separator() const { return separator_; }
    TMToolBar* ToolBarWidget() const { return toolBar_; }
    TVolBar* VolumeBar() const { return volBar_; }
    TPosBar* PositionBar() const { return posBar_; }
    TListBar* ListBar() const { return listBar_; }
    SystemMenuPopup* SystemMenuWidget() const { return systemMenu_.get(); }
    HintTracker* Hints() const { return hints_; }
    // The bar with this element id, or null.
    QWidget* Bar(int barId) const;
    TButtonGadget* FindButton(int commandId) const;
    // The elements pop-up while it is open.
    QMenu* ElementsPopup() const { return elementsPopup_; }
    // Width and height the size rules allow: the console plus the shown bars.
    int ContentHeight() const { return stack_.ContentHeight(); }
    int MinimumContentWidth() const;

    // The local paths of the URLs in a drop, in the order given.
    static std::vector<std::string> DroppedPaths(const QMimeData* data);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildBars();
    void ConnectHints(TMControlBar* bar);
    // Holds the height to the content and the width to the console while the
    // clamp is on; lets both go while it is off.
    void UpdateSizeLimits();
    void Relayout();
    void ApplyMenuBar();
    void ShowElementsPopup();
    void RightButton(Qt::KeyboardModifiers keys);
    // True when the widget at pos (frame coordinates) is the queue list or inside it.
    bool OverQueueList(const QPoint& pos) const;
    bool OverConsole(const QPoint& pos) const;
    void ReadWindowPosition(int& left, int& top, int& width) const;
    void ApplyAlwaysOnTop();
    // The place FitToElements asked for before the window had its border.
    void ApplyPendingPlace();
    // Views, Custom View, Save Cust. View and Default Size; false for other commands.
    bool HandleViewCommand(int id);
    void ReadAuxOutDevice();
    // The settings file's drive path, empty when there is none.
    const char* SettingsFile() const;

    static TMainFrame* instance_;

    player::TMainWindow* client_;
    ::ICommandHandler* appHandler_ = nullptr;
    QMenu* savedMenu_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::unique_ptr<FrameMenuState> menuState_;
    std::unique_ptr<SystemMenuPopup> systemMenu_;
    HintTracker* hints_ = nullptr;
    TListBar* listBar_ = nullptr;
    TPosBar* posBar_ = nullptr;
    TVolBar* volBar_ = nullptr;
    TMToolBar* toolBar_ = nullptr;
    THSeparator* separator_ = nullptr;
    TMStatusBar* statusBar_ = nullptr;
    BarStack stack_;
    QPointer<QMenu> elementsPopup_;
    IconProgressState iconState_;
    int auxOutDevice_ = 0;
    std::optional<QRect> pendingPlace_;
    std::optional<std::string> pendingNotice_;
    TSoundBar* volumeSlider_ = nullptr;
};

}  // namespace frame
