#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace platform {

namespace {

QMessageBox::Icon iconOf(std::uint32_t style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Marks a box closed by DismissAsCancel rather than by the user.
constexpr char kDismissedProperty[] = "vantorDismissedAsCancel";
constexpr char kServiceBoxProperty[] = "vantorServiceBox";

struct Button {
    QMessageBox::StandardButton qt;
    int id;
};

std::vector<Button> buttonsOf(std::uint32_t style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

}  // namespace

void QtMessageService::beep(std::uint32_t)
{
    QApplication::beep();
}

int QtMessageService::messageBox(QWidget* owner, const QString& text, const QString& caption, std::uint32_t style)
{
    QMessageBox box(iconOf(style), caption, text, QMessageBox::NoButton, owner);
    box.setProperty(kServiceBoxProperty, true);
    const std::vector<Button> buttons = buttonsOf(style);
    for (const Button& b : buttons)
        box.addButton(b.qt);
    const std::size_t def = (style & MB_DEFMASK) >> 8;
    if (def < buttons.size())
        box.setDefaultButton(buttons[def].qt);
    const auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    if (box.property(kDismissedProperty).toBool())
        return IDCANCEL;
    for (const Button& b : buttons)
        if (b.qt == clicked)
            return b.id;
    // Closed without a button (Escape or the window's close box).
    const bool canCancel = (style & MB_TYPEMASK) == MB_OKCANCEL || (style & MB_TYPEMASK) == MB_YESNOCANCEL;
    return canCancel ? IDCANCEL : ((style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK);
}

bool QtMessageService::DismissAsCancel(QWidget* widget)
{
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (!box || !box->property(kServiceBoxProperty).toBool())
        return false;
    box->setProperty(kDismissedProperty, true);
    // QDialog's own reject: a box without an escape button ignores the close
    // that QMessageBox would turn it into.
    box->QDialog::done(QDialog::Rejected);
    return true;
}

}  // namespace platform
