#pragma once
// Qt's font dialog, modal to its owner.

#include "platform/ui/FontDialog.h"

namespace platform {

class QtFontDialogService : public FontDialogService {
public:
    bool chooseFont(QWidget* owner, QFont& font, const QString& caption) override;
};

}  // namespace platform
