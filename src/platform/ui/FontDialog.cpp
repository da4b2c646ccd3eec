#include "platform/ui/FontDialog.h"

#include "platform/ui/QtFontDialogService.h"

namespace platform {

namespace {

FontDialogService* installed = nullptr;

}  // namespace

FontDialogService& CurrentFontDialogService()
{
    static QtFontDialogService qtService;
    return installed ? *installed : qtService;
}

void SetFontDialogService(FontDialogService* service)
{
    installed = service;
}

bool ChooseFont(QWidget* owner, QFont& font)
{
    return CurrentFontDialogService().chooseFont(owner, font, QStringLiteral("Choose Font"));
}

}  // namespace platform
