#pragma once
// What a control of the program's own offers its dialog besides being a widget:
// the text and font messages the dialog sends to its items by id. Standard Qt
// controls do not implement it; the dialog handles those itself.

#include <QString>

class QFont;

class TDlgItem {
public:
    virtual ~TDlgItem() = default;

    // The item was created from its template entry; templateText is the entry's text.
    virtual void SetupItem(const QString& templateText) = 0;
    // WM_SETTEXT / WM_GETTEXT equivalents.
    virtual void SetItemText(const QString& text) = 0;
    virtual QString ItemText() const = 0;
    // WM_SETFONT equivalent: stored, no repaint. The font is copied.
    virtual void SetItemFont(const QFont& font) = 0;
};
