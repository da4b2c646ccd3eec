#pragma once
// The program's items are all checkable, because an option is nothing but the
// check mark of its item. Styles draw an empty box beside every unchecked
// checkable item; this style draws such an item like a plain command, so only
// the items that carry a mark show one. The menu bar's overflow icon is read
// only when it is first drawn.
#include <QProxyStyle>

class MenuCheckStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
