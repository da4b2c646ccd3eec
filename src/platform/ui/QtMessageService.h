#pragma once

#include "platform/ui/MessageBox.h"

namespace platform {

// Boxes are QMessageBox, modal to their owner's window; beeps are the desktop's.
class QtMessageService : public MessageService {
public:
    void beep(std::uint32_t type) override;
    int messageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style) override;
};

}  // namespace platform
