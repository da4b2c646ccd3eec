#include "settings/MenuChecks.h"

#include "controls/menu/MenuBuilder.h"
#include "platform/profile/PrivateProfile.h"
#include "settings/SettingsKeys.h"

#include <QAction>
#include <QMenu>

#include <functional>

namespace settings {

namespace {

using ItemVisitor = std::function<void(QAction* action, const QByteArray& key)>;

void VisitStoredItems(QMenu* popup, const ItemVisitor& visit)
{
    if (popup == nullptr)
        return;
    for (QAction* action : popup->actions()) {
        if (action->isSeparator())
            continue;
        if (QMenu* inner = action->menu()) {
            VisitStoredItems(inner, visit);
            continue;
        }
        if (MenuCommandId(action) <= 0)
            continue;
        const QString key = MenuCheckKey(MenuStoredLabel(action));
        if (!key.isEmpty())
            visit(action, key.toLatin1());
    }
}

int ReadValue(const char* section, const char* key, int defaultValue, const std::string& settingsPath)
{
    return platform::GetPrivateProfileInt(section, key, defaultValue, settingsPath.c_str());
}

bool WriteValue(const char* section, const char* key, bool checked, const std::string& settingsPath)
{
    return platform::WritePrivateProfileString(section, key, checked ? "1" : "0", settingsPath.c_str());
}

}  // namespace

QString MenuCheckKey(const QString& storedLabel)
{
    const QString label = storedLabel.left(kMenuLabelSize - 1);
    if (label.isEmpty() || label.endsWith(QLatin1Char(' ')))
        return {};
    QString key;
    for (const QChar c : label) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\b'))
            break;
        if (c != QLatin1Char(' ') && c != QLatin1Char('&'))
            key.append(c);
    }
    return key;
}

void ReadMenuChecks(QMenu* popup, const char* section, const std::string& settingsPath)
{
    VisitStoredItems(popup, [&](QAction* action, const QByteArray& key) {
        action->setChecked(ReadValue(section, key.constData(), 1, settingsPath) != 0);
    });
}

bool WriteMenuChecks(QMenu* popup, const char* section, const std::string& settingsPath)
{
    bool written = true;
    VisitStoredItems(popup, [&](QAction* action, const QByteArray& key) {
        written = WriteValue(section, key.constData(), action->isChecked(), settingsPath) && written;
    });
    return written;
}

int ReadCheck(QMenu* menu, int id, const char* key, int defaultValue, const std::string& settingsPath)
{
    QAction* action = FindMenuAction(menu, id);
    if (action == nullptr)
        return -1;
    const bool checked = ReadValue(kSectionSettings, key, defaultValue, settingsPath) != 0;
    action->setChecked(checked);
    return checked ? 1 : 0;
}

bool WriteCheck(QMenu* menu, int id, const char* key, const std::string& settingsPath)
{
    QAction* action = FindMenuAction(menu, id);
    if (action == nullptr)
        return false;
    return WriteValue(kSectionSettings, key, action->isChecked(), settingsPath);
}

}  // namespace settings
