#pragma once
// Turns one template entry into a widget: the standard control classes become
// their Qt counterparts; classes of the program's own come from the dialog's
// bound objects (TMDialog::BindItem). Geometry and visibility are the caller's.

#include <QWidget>

#include "resources/dialogs/DialogTemplate.h"

// Id of a widget made from a template entry, or -1.
int DialogItemId(const QWidget* widget);
void SetDialogItemId(QWidget* widget, int id);

// A widget for a standard class ("STATIC", "BUTTON", "EDIT", "LISTBOX",
// "COMBOBOX", "SCROLLBAR", case-insensitive) with the entry's text and style, or
// nullptr when the class is not one of them.
QWidget* CreateStandardControl(QWidget* parent, const resources::DialogItem& item);

// Window-text equivalents for standard controls; false when the widget is not one.
bool SetStandardControlText(QWidget* widget, const QString& text);
bool GetStandardControlText(const QWidget* widget, QString& text);
