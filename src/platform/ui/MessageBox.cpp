#include "platform/ui/MessageBox.h"

#include "platform/ui/QtMessageService.h"

namespace platform {

namespace {

MessageService* installed = nullptr;

}  // namespace

MessageService& CurrentMessageService()
{
    static QtMessageService qtService;
    return installed ? *installed : qtService;
}

void SetMessageService(MessageService* service)
{
    installed = service;
}

void MessageBeep(std::uint32_t type)
{
    CurrentMessageService().beep(type);
}

int MessageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style)
{
    return CurrentMessageService().messageBox(owner, text, caption, style);
}

}  // namespace platform
