// The frame's link of the routing chain: the bar toggles, the menu-bar and Mini
// Help toggles, Exit and the close request, the system menu and the sliders.
#include "frame/TMainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QThread>
#include <QTimer>

#include "frame/ElementTable.h"
#include "frame/FrameMenuState.h"
#include "frame/FrameServices.h"
#include "frame/HintTracker.h"
#include "frame/SystemMenuPopup.h"
#include "frame/TPosBar.h"
#include "frame/TVolBar.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"

namespace frame {

using namespace resources;

namespace {
constexpr const char* kRestoreMenuText = "Re&store Menu";

bool ShiftHeld()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}
}  // namespace

void TMainFrame::RouteCommand(int id)
{
    if (id == 0)
        return;
    if (client_ && client_->HandleCommand(id))
        return;
    if (HandleCommand(id))
        return;
    if (appHandler_)
        appHandler_->HandleCommand(id);
}

bool TMainFrame::MustDeferOutsideRequests() const
{
    return QApplication::activeModalWidget() != nullptr || QThread::currentThread()->loopLevel() > 1
           || !isEnabled();
}

void TMainFrame::PostCommand(int commandId)
{
    QTimer::singleShot(0, this, [this, commandId] { RouteCommand(commandId); });
}

bool TMainFrame::HandleCommand(int id)
{
    if (IsBarElement(id) && Bar(id)) {
        ToggleBar(id);
        return true;
    }
    if (HandleViewCommand(id))
        return true;
    switch (id) {
    case CM_EXIT:
        close();
        return true;
    case CM_MENU_BAR:
    case CM_ALWAYS_ON_TOP:
    case CM_MINI_HELP:
        ToggleElement(id);
        return true;
    case CM_VOLUME_DEVICE:
        ChooseVolumeDevice();
        return true;
    case CM_ELEMENTS_POPUP:
        return true;
    default:
        return false;
    }
}

void TMainFrame::SystemCommand(int id)
{
    if (id == CM_RESTORE_MENU)
        ToggleElement(CM_MENU_BAR);
    if (client_)
        client_->SystemMenuCommand(id);
}

void TMainFrame::SliderScrolled(int sliderId, int scrollCode)
{
    if (sliderId == TPosBar::kSliderId && client_)
        client_->SliderScrolled(scrollCode);
    else if (sliderId == TVolBar::kSliderId)
        SetDeviceVolume();
}

void TMainFrame::ToggleBar(int barId)
{
    QWidget* bar = Bar(barId);
    if (!bar)
        return;
    const bool visible = !bar->isHidden();
    const int delta = visible ? -(bar->height() - 1) : bar->height() - 1;
    SizeClampEnabled = 0;
    UpdateSizeLimits();
    const QRect outer = frameGeometry();
    MoveWindowOnScreen(this, outer.left(), outer.top(), outer.width(), outer.height() + delta);
    bar->setVisible(!visible);
    // The item follows the bar, whichever menu or pop-up toggled it.
    menuState_->SetChecked(barId, !visible);
    Relayout();
    SizeClampEnabled = 1;
    UpdateSizeLimits();
}

void TMainFrame::ToggleElement(int id)
{
    menuState_->SetChecked(id, !menuState_->IsChecked(id));
    ApplyElement(id);
}

void TMainFrame::ApplyElement(int id)
{
    if (id == CM_MINI_HELP) {
        if (!menuState_->IsChecked(id))
            hints_->Clear();
        hints_->SetTracking(menuState_->IsChecked(id));
    } else if (id == CM_MENU_BAR) {
        ApplyMenuBar();
    } else if (id == CM_ALWAYS_ON_TOP) {
        ApplyAlwaysOnTop();
    }
}

void TMainFrame::ApplyMenuBar()
{
    const bool checked = menuState_->IsChecked(CM_MENU_BAR);
    const bool attached = !menuBar_->isHidden();
    if (checked == attached)
        return;
    const int menuHeight = menuBar_->sizeHint().height();
    int d = 0;
    if (checked) {
        menuBar_->show();
        d = menuHeight;
        systemMenu_->RemoveItemWithSeparator(CM_RESTORE_MENU);
    } else {
        menuBar_->hide();
        d = -menuHeight;
        systemMenu_->AppendSeparator();
        systemMenu_->AppendItem(CM_RESTORE_MENU, kRestoreMenuText);
    }
    // The window grows or shrinks at its top edge: the console stays where it is on the screen.
    const QRect outer = frameGeometry();
    UpdateSizeLimits();
    MoveWindowOnScreen(this, outer.left(), outer.top() - d, outer.width(), outer.height() + d);
    Relayout();
    menuBar_->update();
}

void TMainFrame::closeEvent(QCloseEvent* event)
{
    const bool shift = ShiftHeld();
    // No: the album could not be saved and the user keeps the program open.
    if (client_ && !client_->SaveForClose(shift)) {
        event->ignore();
        return;
    }
    if (shift) {
        // Shift with any close request saves everything and keeps the window open.
        event->ignore();
        return;
    }
    if (client_)
        client_->CleanupWindow();
    event->accept();
}

}  // namespace frame
