#pragma once
// The font dialog. Every font choice of the program goes through the installed
// FontDialogService: Qt's font dialog in the program, a scripted answerer in
// tests.

#include <QString>

class QFont;
class QWidget;

namespace platform {

class FontDialogService {
public:
    virtual ~FontDialogService() = default;
    // Opens on font. OK: font becomes the choice and the result is true. Cancel:
    // font is left exactly as it was and the result is false.
    virtual bool chooseFont(QWidget* owner, QFont& font, const QString& caption) = 0;
};

// The service in use. Installing null restores Qt's.
FontDialogService& CurrentFontDialogService();
void SetFontDialogService(FontDialogService* service);

// The program's font dialog, titled "Choose Font".
bool ChooseFont(QWidget* owner, QFont& font);

}  // namespace platform
