#pragma once
// Answers the font dialog from a script: OK with a chosen font, or Cancel.
// Installed for its lifetime.

#include "platform/ui/FontDialog.h"

#include <QFont>

#include <optional>

namespace playertest {

class ScriptedFontDialog : public platform::FontDialogService {
public:
    ScriptedFontDialog() { platform::SetFontDialogService(this); }
    ~ScriptedFontDialog() override { platform::SetFontDialogService(nullptr); }
    ScriptedFontDialog(const ScriptedFontDialog&) = delete;
    ScriptedFontDialog& operator=(const ScriptedFontDialog&) = delete;

    bool chooseFont(QWidget* owner, QFont& font, const QString& caption) override
    {
        ++opened;
        lastOwner = owner;
        lastCaption = caption;
        offered = font;
        if (!choice)
            return false;
        font = *choice;
        return true;
    }

    std::optional<QFont> choice;   // nothing: the user cancels
    int opened = 0;
    QWidget* lastOwner = nullptr;
    QString lastCaption;
    QFont offered;
};

}  // namespace playertest
