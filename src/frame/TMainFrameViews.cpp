// The views: which elements are shown, the custom view kept in the settings
// file, and the frame fitted to what is shown.
#include "frame/TMainFrame.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "frame/ElementTable.h"
#include "frame/FrameMenuState.h"
#include "frame/SystemMenuPopup.h"
#include "frame/ViewTable.h"
#include "platform/profile/PrivateProfile.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"
#include "settings/SettingsKeys.h"

namespace frame {

using namespace resources;

namespace {

constexpr int kCustomViewSize = 1023;
constexpr std::size_t kElementCount = ElementTable.size() - 1;

std::string JoinIds(const std::vector<int>& ids)
{
    std::string text;
    for (int id : ids)
        text += (text.empty() ? "" : " ") + std::to_string(id);
    return text;
}

}  // namespace

const char* TMainFrame::SettingsFile() const
{
    return client_ ? client_->settingsPath.c_str() : "";
}

bool TMainFrame::HandleViewCommand(int id)
{
    if (id >= CM_VIEW_FIRST && id <= CM_VIEW_LAST) {
        ApplyView(ViewElements(id));
        return true;
    }
    switch (id) {
    case CM_CUSTOM_VIEW:
        CustomView();
        return true;
    case CM_SAVE_CUSTOM_VIEW:
        SaveCustomView();
        return true;
    case CM_DEFAULT_SIZE:
        FitToElements(0, 0, 0);
        return true;
    default:
        return false;
    }
}

void TMainFrame::ApplyView(std::span<const int> elements)
{
    for (int id : ElementTable) {
        if (id == 0)
            break;
        const bool listed = std::find(elements.begin(), elements.end(), id) != elements.end();
        menuState_->SetChecked(id, listed);
        // A bar to show comes back through its own toggle, which grows the frame by it.
        if (QWidget* bar = Bar(id); listed && bar && bar->isHidden())
            PostCommand(id);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    // Whatever ran meanwhile, the check marks decide: bars still unchecked go now.
    FitToElements(0, 0, 0);
}

void TMainFrame::CustomView()
{
    std::vector<int> all;
    for (int id : ElementTable) {
        if (id != 0)
            all.push_back(id);
    }
    char text[kCustomViewSize + 1] = {};
    platform::GetPrivateProfileString(settings::kSectionSettings, settings::kKeyCustomView, JoinIds(all).c_str(),
                                      text, sizeof text, SettingsFile());
    std::vector<int> elements;
    for (const char* p = text; *p != '\0' && elements.size() < kElementCount;) {
        while (*p == ' ')
            ++p;
        if (*p == '\0')
            break;
        elements.push_back(std::atoi(p));
        while (*p != '\0' && *p != ' ')
            ++p;
    }
    ApplyView(elements);
}

void TMainFrame::SaveCustomView()
{
    std::vector<int> shown;
    if (!menuBar_->isHidden())
        shown.push_back(CM_MENU_BAR);
    for (int id : ElementTable) {
        if (QWidget* bar = Bar(id); bar && !bar->isHidden())
            shown.push_back(id);
    }
    platform::WritePrivateProfileString(settings::kSectionSettings, settings::kKeyCustomView, JoinIds(shown).c_str(),
                                        SettingsFile());
}

void TMainFrame::ApplyAlwaysOnTop()
{
    const bool onTop = menuState_->IsChecked(CM_ALWAYS_ON_TOP);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow* window = windowHandle()) {
        // The native window takes the new band as it is: no re-creation, so it
        // neither moves nor hides.
        overrideWindowFlags(flags);
        window->setFlags(flags);
        return;
    }
    setWindowFlags(flags);
}

}  // namespace frame
