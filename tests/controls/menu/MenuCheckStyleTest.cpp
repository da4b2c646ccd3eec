#include "controls/menu/MenuCheckStyle.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPixmap>

namespace {

// The picture of one item of a menu, without the row or column it may share
// with the menu's frame.
QImage ItemPicture(QMenu& menu, QAction* action)
{
    const QImage whole = menu.grab().toImage();
    return whole.copy(menu.actionGeometry(action).adjusted(1, 1, -1, -1));
}

struct StyledMenu {
    MenuCheckStyle style;
    QMenu menu;
    QAction* plain;
    QAction* unchecked;
    QAction* checked;
    StyledMenu()
    {
        menu.setStyle(&style);
        plain = menu.addAction(QStringLiteral("&Stop"));
        unchecked = menu.addAction(QStringLiteral("&Stop"));
        unchecked->setCheckable(true);
        checked = menu.addAction(QStringLiteral("&Stop"));
        checked->setCheckable(true);
        checked->setChecked(true);
        menu.ensurePolished();
        menu.adjustSize();
    }
};

}  // namespace

TEST(MenuCheckStyle, AnUncheckedItemLooksLikeAPlainCommandAndACheckedOneShowsItsMark)
{
    StyledMenu m;
    const QImage plain = ItemPicture(m.menu, m.plain);
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(ItemPicture(m.menu, m.unchecked), plain);
    EXPECT_NE(ItemPicture(m.menu, m.checked), plain);
}

TEST(MenuCheckStyle, WithoutItTheUncheckedItemShowsAnEmptyBox)
{
    // Guards the test above: the base style really draws something for an
    // unchecked checkable item, so the equality there is the style's doing.
    QMenu menu;
    QAction* plain = menu.addAction(QStringLiteral("&Stop"));
    QAction* unchecked = menu.addAction(QStringLiteral("&Stop"));
    unchecked->setCheckable(true);
    menu.adjustSize();
    EXPECT_NE(ItemPicture(menu, unchecked), ItemPicture(menu, plain));
}
