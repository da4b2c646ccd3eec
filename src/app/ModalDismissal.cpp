#include "app/ModalDismissal.h"

#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace app {

namespace {

// More nested modal windows than this means one refuses to go.
constexpr int kMaxModalDepth = 32;

}  // namespace

int DismissModalWindows()
{
    int dismissed = 0;
    // An open pop-up menu runs an event loop of its own: it goes first, as Escape would close it.
    QWidget* previous = nullptr;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (popup == previous || dismissed >= kMaxModalDepth)
            break;
        previous = popup;
        popup->close();
        ++dismissed;
    }
    previous = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == previous || dismissed >= kMaxModalDepth)
            break;
        previous = modal;
        if (!platform::QtMessageService::DismissAsCancel(modal)) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        ++dismissed;
    }
    return dismissed;
}

}  // namespace app
