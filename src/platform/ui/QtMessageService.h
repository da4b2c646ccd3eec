#pragma once

#include "platform/ui/MessageBox.h"

namespace platform {

// Boxes are QMessageBox, modal to their owner's window; beeps are the desktop's.
class QtMessageService : public MessageService {
public:
    void beep(std::uint32_t type) override;
    int messageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style) override;

    // Closes a box this service has open, as if Cancel were chosen: its
    // messageBox() then answers IDCANCEL whatever buttons it has, so a caller
    // never takes a dismissal for consent. False when widget is not such a box.
    static bool DismissAsCancel(QWidget* widget);
};

}  // namespace platform
