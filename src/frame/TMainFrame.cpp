#include "frame/TMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cstdio>

#include "album/TQueueList.h"
#include "controls/gadgets/TButtonGadget.h"
#include "controls/menu/AcceleratorFilter.h"
#include "frame/ElementTable.h"
#include "frame/FrameMenuState.h"
#include "frame/FrameServices.h"
#include "frame/HintTracker.h"
#include "frame/SystemMenuPopup.h"
#include "frame/THSeparator.h"
#include "frame/TListBar.h"
#include "frame/TMStatusBar.h"
#include "frame/TMToolBar.h"
#include "frame/TPosBar.h"
#include "frame/TVolBar.h"
#include "controls/menu/MenuBuilder.h"
#include "platform/media/SoundOutput.h"
#include "platform/midi/SoundFontNotice.h"
#include "platform/profile/PrivateProfile.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "resources/bitmaps/Bitmaps.h"
#include "resources/dialogs/ConsoleIds.h"
#include "resources/strings/StringTable.h"
#include "settings/SettingsKeys.h"

namespace frame {

namespace {
constexpr const char* kCaption = "The Vantor";
constexpr int kIconSize = 32;
}  // namespace

TMainFrame* TMainFrame::instance_ = nullptr;

TMainFrame::TMainFrame(player::TMainWindow* client, QWidget* parent) : QWidget(parent), client_(client)
{
    instance_ = this;
    setObjectName(QStringLiteral("Vantor"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(QIcon(resources::LoadIcon(resources::IDI_FRAME)));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setAcceptDrops(true);
    hints_ = new HintTracker([this](const char* text) { ShowStatusText(text); }, this);
    if (client_)
        client_->setParent(this);
    BuildMenus();
    BuildBars();
    // Table 7735 wherever the focus is in this window.
    qApp->installEventFilter(new AcceleratorFilter(this, [this](int id) { RouteCommand(id); }));
    stack_.SetMenuBar(menuBar_);
    stack_.SetClient(client_);
    stack_.AddTop(listBar_);
    for (QWidget* bar : std::initializer_list<QWidget*>{posBar_, volBar_, toolBar_})
        stack_.AddBottom(bar);
    stack_.AddBottom(separator_, true);
    stack_.AddBottom(statusBar_);
    connect(&platform::SoundFontNotice::instance(), &platform::SoundFontNotice::missing, this,
            &TMainFrame::ShowNotice);
    connect(&platform::SoundOutput::instance(), &platform::SoundOutput::missing, this, &TMainFrame::ShowNotice);
}

TMainFrame::~TMainFrame()
{
    if (instance_ == this)
        instance_ = nullptr;
}

void TMainFrame::BuildMenus()
{
    savedMenu_ = LoadMenu(resources::IDM_FRAME, this);
    menuState_ = std::make_unique<FrameMenuState>(savedMenu_);
    menuBar_ = new QMenuBar(this);
    menuBar_->addActions(savedMenu_->actions());
    // Items of pop-ups rebuilt later reach the routing as well, without wiring of their own.
    connect(savedMenu_, &QMenu::triggered, this, [this](QAction* action) { RouteCommand(MenuCommandId(action)); });
    connect(menuBar_, &QMenuBar::triggered, this, [this](QAction* action) { RouteCommand(MenuCommandId(action)); });
    // Whenever the Elements items are about to be seen, their marks follow the bars.
    if (QAction* elements = FindMenuAction(savedMenu_, resources::CM_ELEMENTS_POPUP); elements && elements->menu())
        connect(elements->menu(), &QMenu::aboutToShow, this, &TMainFrame::RefreshElementChecks);
    hints_->WatchMenuBar(menuBar_);
    hints_->WatchMenu(savedMenu_, false);
    systemMenu_ = std::make_unique<SystemMenuPopup>(this, [this](int id) { SystemCommand(id); });
    hints_->WatchMenu(systemMenu_->RootMenu(), true);
}

void TMainFrame::BuildBars()
{
    listBar_ = new TListBar(client_, this, this);
    posBar_ = new TPosBar(client_, this, this);
    volBar_ = new TVolBar(this, this);
    toolBar_ = new TMToolBar(this);
    separator_ = new THSeparator(this);
    statusBar_ = new TMStatusBar(separator_, this);
    for (TMControlBar* bar : std::initializer_list<TMControlBar*>{listBar_, posBar_, volBar_, toolBar_}) {
        bar->SetCommandTarget(this);
        ConnectHints(bar);
        bar->setFixedHeight(bar->sizeHint().height());
    }
    // The queue's own menu routes its commands as the frame's menus do.
    QueueList()->SetCommandTarget(this);
    connect(QueueList(), &QListWidget::itemDoubleClicked, this, [this] {
        if (client_)
            client_->PlaySelected();
    });
}

void TMainFrame::ConnectHints(TMControlBar* bar)
{
    connect(bar, &TMControlBar::hintEntered, hints_, &HintTracker::ShowCommandHint);
    connect(bar, &TMControlBar::hintLeft, hints_, &HintTracker::Clear);
}

void TMainFrame::Create()
{
    if (client_) {
        client_->SetFrame(this);
        client_->Create();
        client_->show();
    }
    // The bars exist and are shown; their items say so until the settings say otherwise.
    RefreshElementChecks();
    if (client_)
        client_->LoadSettings();
    ReadAuxOutDevice();
    hints_->SetTracking(menuState_->IsChecked(resources::CM_MINI_HELP));
    // No native window yet: placed before it exists, the window's position is
    // that of its outer frame, wherever the window manager puts the border.
    ApplyElement(resources::CM_ALWAYS_ON_TOP);
    int left = 0;
    int top = 0;
    int width = 0;
    ReadWindowPosition(left, top, width);
    FitToElements(left, top, width);
    volumeSlider_ = volBar_ ? volBar_->Slider() : nullptr;
    ShowDeviceVolume();
    if (TQueueList* queue = QueueList())
        queue->setFocus();
    show();
}

void TMainFrame::ReadWindowPosition(int& left, int& top, int& width) const
{
    if (*SettingsFile() == '\0')
        return;
    const QRect outer = frameGeometry();
    char fallback[64];
    std::snprintf(fallback, sizeof fallback, "%d %d %d", outer.left(), outer.top(), 0);
    char text[20] = {};
    platform::GetPrivateProfileString(settings::kSectionGeneral, settings::kKeyWindowPosition, fallback, text,
                                      sizeof text, SettingsFile());
    std::sscanf(text, " %d %d %d", &left, &top, &width);
}

void TMainFrame::FitToElements(int left, int top, int width)
{
    for (int id : ElementTable) {
        QWidget* bar = Bar(id);
        if (bar && !menuState_->IsChecked(id))
            bar->hide();
    }
    ApplyElement(resources::CM_MENU_BAR);
    const QRect outer = frameGeometry();
    const int frameWidth = outer.width() - this->width();
    const int frameHeight = outer.height() - this->height();
    const int newWidth = width != 0 ? width : MinimumContentWidth() + frameWidth;
    const int newHeight = stack_.ContentHeight() + frameHeight;
    const int newLeft = left != 0 ? left : outer.left();
    const int newTop = top != 0 ? top : outer.top();
    UpdateSizeLimits();
    MoveWindowOnScreen(this, newLeft, newTop, newWidth, newHeight);
    Relayout();
    // A window not yet shown has no border: its outer size is known only once the
    // window manager has framed it, and then the same place is taken again.
    pendingPlace_ = isVisible() ? std::nullopt : std::optional<QRect>(QRect(newLeft, newTop, width, 0));
}

void TMainFrame::ApplyPendingPlace()
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (!pendingPlace_ || !isVisible() || outer == inner)
        return;
    const QRect place = *pendingPlace_;
    pendingPlace_.reset();
    const int width = place.width() != 0 ? place.width() : MinimumContentWidth() + outer.width() - inner.width();
    MoveWindowOnScreen(this, place.left(), place.top(), width, stack_.ContentHeight() + outer.height() - inner.height());
}

void TMainFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ApplyPendingPlace();
}

void TMainFrame::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    ApplyPendingPlace();
}

QWidget* TMainFrame::Bar(int barId) const
{
    switch (barId) {
    case resources::CM_QUEUE_BOX: return listBar_;
    case resources::CM_POSITION_SLIDER: return posBar_;
    case resources::CM_VOLUME_BAR: return volBar_;
    case resources::CM_BUTTONS: return toolBar_;
    case resources::CM_STATUS_BAR: return statusBar_;
    default: return nullptr;
    }
}

TQueueList* TMainFrame::QueueList() const
{
    return listBar_ ? listBar_->QueueList() : nullptr;
}

TButtonGadget* TMainFrame::FindButton(int commandId) const
{
    TButtonGadget* button = toolBar_ ? toolBar_->FindButton(commandId) : nullptr;
    if (!button && volBar_)
        button = volBar_->FindButton(commandId);
    return button;
}

int TMainFrame::MinimumContentWidth() const
{
    // The console's size is that of its background static.
    if (client_) {
        if (QWidget* size = client_->item(resources::IDC_CONSOLE_SIZE))
            return size->geometry().right() + 1;
    }
    return stack_.ClientWidth();
}

void TMainFrame::UpdateSizeLimits()
{
    if (SizeClampEnabled == 0) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    setMinimumWidth(MinimumContentWidth());
    setMaximumWidth(QWIDGETSIZE_MAX);
    setFixedHeight(stack_.ContentHeight());
}

void TMainFrame::Relayout()
{
    stack_.Arrange(width());
}

void TMainFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ApplyPendingPlace();
    Relayout();
}

// --- IPlayerFrame ------------------------------------------------------------

void TMainFrame::ShowStatusText(const char* text)
{
    statusBar_->SetHintText(text);
}

void TMainFrame::ShowNotice(const QString& text)
{
    if (!isEnabled()) {
        pendingNotice_ = text.toStdString();
        return;
    }
    ShowStatusText(text.toUtf8().constData());
}

void TMainFrame::BeginBusy(int stringId)
{
    ShowStatusText(resources::LoadString(stringId));
    setCursor(Qt::WaitCursor);
    repaint();
    setEnabled(false);
}

void TMainFrame::EndBusy(bool reenable)
{
    unsetCursor();
    ShowStatusText(pendingNotice_ ? pendingNotice_->c_str() : nullptr);
    pendingNotice_.reset();
    if (reenable)
        setEnabled(true);
}

void TMainFrame::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void TMainFrame::SetStatusPane(int gadgetId, const std::string& text)
{
    statusBar_->SetPaneText(gadgetId, QString::fromStdString(text));
}

bool TMainFrame::IsIconic() const
{
    return isMinimized();
}

void TMainFrame::DrawIconProgress()
{
    if (!client_)
        return;
    QPixmap picture(kIconSize, kIconSize);
    picture.fill(palette().color(QPalette::Button));
    iconState_.iconProgress = client_->iconProgress;
    {
        QPainter painter(&picture);
        ::DrawIconProgress(painter, picture.rect(), iconState_, resources::LoadIcon(resources::IDI_FRAME), true);
    }
    client_->iconProgress = iconState_.iconProgress;
    setWindowIcon(QIcon(picture));
}

player::IMenuState* TMainFrame::FrameMenu()
{
    return menuState_.get();
}

player::ISystemMenu* TMainFrame::SystemMenu()
{
    return systemMenu_.get();
}

void TMainFrame::RefreshElementChecks()
{
    for (int id : ElementTable) {
        if (QWidget* bar = Bar(id))
            menuState_->SetChecked(id, !bar->isHidden());
    }
}

void TMainFrame::GetRestoredRect(int& left, int& top, int& width, int& height) const
{
    QRect normal = normalGeometry();
    if (normal.isEmpty())
        normal = geometry();
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    left = normal.left() - (inner.left() - outer.left());
    top = normal.top() - (inner.top() - outer.top());
    width = normal.width() + outer.width() - inner.width();
    height = normal.height() + outer.height() - inner.height();
}

void TMainFrame::SetButtonDown(int commandId, bool down)
{
    if (TButtonGadget* button = FindButton(commandId))
        button->SetButtonState(down ? TButtonGadget::State::Down : TButtonGadget::State::Up);
}

void TMainFrame::SetButtonEnabled(int commandId, bool enabled)
{
    if (TButtonGadget* button = FindButton(commandId))
        button->setEnabled(enabled);
}

}  // namespace frame
