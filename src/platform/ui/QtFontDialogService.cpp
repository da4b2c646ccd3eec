#include "platform/ui/QtFontDialogService.h"

#include <QFontDialog>

namespace platform {

bool QtFontDialogService::chooseFont(QWidget* owner, QFont& font, const QString& caption)
{
    QFontDialog dialog(font, owner);
    dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

}  // namespace platform
