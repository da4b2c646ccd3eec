#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>

#include <memory>

#include "controls/menu/MenuBuilder.h"
#include "resources/menus/MenuTemplate.h"
#include "resources/strings/StringTable.h"

using namespace resources;

TEST(MenuBuilder, LabelsShowTheirAcceleratorTextAfterATab)
{
    struct Case {
        const char* label;
        const char* shown;
    };
    const Case cases[] = {
        {"&Save\bCtrl+S", "&Save\tCtrl+S"},
        {"Pa&use\tCtrl+P", "Pa&use\tCtrl+P"},
        {"&Everything\bAlt+1 ", "&Everything\tAlt+1 "},
        {"E&lements\bAlt+RMB", "E&lements\tAlt+RMB"},
        {"&Default Size ", "&Default Size "},
        {"&New", "&New"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuDisplayText(c.label), QString::fromLatin1(c.shown)) << c.label;
}

namespace {

// Walks the template and the built menu side by side.
void ExpectSame(std::span<const MenuItem> items, const QMenu* menu, const std::string& path)
{
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(static_cast<size_t>(actions.size()), items.size()) << path;
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const QAction* action = actions[static_cast<int>(i)];
        const std::string where = path + "/" + item.label;
        if (item.kind == MenuItemKind::Separator) {
            EXPECT_TRUE(action->isSeparator()) << where;
            continue;
        }
        EXPECT_EQ(MenuStoredLabel(action), QString::fromLatin1(item.label)) << where;
        EXPECT_EQ(action->text(), MenuDisplayText(item.label)) << where;
        const int id = item.kind == MenuItemKind::Popup ? PopupId(item) : item.id;
        EXPECT_EQ(MenuCommandId(action), id) << where;
        EXPECT_EQ(action->statusTip(), QString::fromLatin1(LoadString(id))) << where;
        if (item.kind == MenuItemKind::Popup) {
            ASSERT_NE(action->menu(), nullptr) << where;
            ExpectSame(item.items, action->menu(), where);
        } else {
            EXPECT_TRUE(action->isCheckable()) << where;
            EXPECT_EQ(action->isChecked(), item.checked) << where;
        }
    }
}

}  // namespace

TEST(MenuBuilder, BuildsEveryItemOfEveryMenu)
{
    for (int id : {7771, 7787, 17936}) {
        std::unique_ptr<QMenu> menu(LoadMenu(id));
        ASSERT_NE(menu, nullptr) << id;
        ExpectSame(FindMenuTemplate(id)->items, menu.get(), std::to_string(id));
    }
    EXPECT_EQ(LoadMenu(1), nullptr);
    EXPECT_EQ(LoadPopupMenu(1), nullptr);
}

TEST(MenuBuilder, PopupMenusHoldTheirItemsDirectly)
{
    std::unique_ptr<QMenu> queue(LoadPopupMenu(7787));
    ASSERT_NE(queue, nullptr);
    std::vector<int> ids;
    for (const QAction* a : queue->actions())
        ids.push_back(a->isSeparator() ? -1 : MenuCommandId(a));
    EXPECT_EQ(ids, (std::vector<int>{7722, -1, 7773, 7711, -1, 7788}));

    std::unique_ptr<QMenu> elements(LoadPopupMenu(17936));
    ASSERT_NE(elements, nullptr);
    EXPECT_TRUE(FindMenuAction(elements.get(), 7869)->isChecked());
    EXPECT_FALSE(FindMenuAction(elements.get(), 17893)->isChecked());
    EXPECT_NE(FindMenuAction(elements.get(), 32040), nullptr);
}

TEST(MenuBuilder, OnlyCommandHandlersChangeCheckMarks)
{
    std::unique_ptr<QMenu> menu(LoadMenu(7771));
    QAction* loop = FindMenuAction(menu.get(), 7863);
    QAction* bar = FindMenuAction(menu.get(), 7869);
    ASSERT_NE(loop, nullptr);
    ASSERT_NE(bar, nullptr);
    QSignalSpy fired(menu.get(), &QMenu::triggered);
    bool checkedWhenHandled = true;
    QObject::connect(loop, &QAction::triggered, [&] { checkedWhenHandled = loop->isChecked(); });

    loop->trigger();
    EXPECT_EQ(fired.count(), 1);
    EXPECT_FALSE(checkedWhenHandled);
    EXPECT_FALSE(loop->isChecked());
    bar->trigger();
    EXPECT_TRUE(bar->isChecked());

    // A handler flips the mark itself.
    loop->setChecked(!loop->isChecked());
    EXPECT_TRUE(loop->isChecked());
}

TEST(MenuBuilder, FindsItemsPopupsAndPositions)
{
    std::unique_ptr<QMenu> menu(LoadMenu(7771));
    const QAction* elements = FindMenuAction(menu.get(), 7868);
    ASSERT_NE(elements, nullptr);
    ASSERT_NE(elements->menu(), nullptr);
    EXPECT_EQ(MenuStoredLabel(elements), QStringLiteral("E&lements\bAlt+RMB"));
    EXPECT_EQ(FindMenuAction(menu.get(), 7861), menu->actions().at(2));

    const QMenu* album = menu->actions().at(0)->menu();
    const int exitAt = MenuItemPosition(album, 24310);
    ASSERT_GE(exitAt, 2);
    EXPECT_EQ(MenuItemPosition(album, 8200), exitAt - 2);
    EXPECT_EQ(MenuItemPosition(album, 7753), -1);   // inside Maintain, not on Album itself
    EXPECT_EQ(FindMenuAction(menu.get(), 7753)->text(), QStringLiteral("&Sort"));
    EXPECT_EQ(FindMenuAction(menu.get(), 12345), nullptr);
    EXPECT_EQ(FindMenuAction(menu.get(), 0), nullptr);
}

TEST(MenuBuilder, TheActionTreeOutlivesTheMenuBar)
{
    std::unique_ptr<QMenu> menu(LoadMenu(7771));
    QPointer<QAction> mute = FindMenuAction(menu.get(), 7888);
    mute->setChecked(true);
    {
        QMenuBar menuBar;
        for (QAction* top : menu->actions())
            menuBar.addAction(top);
        ASSERT_EQ(menuBar.actions().size(), 4);
        menuBar.clear();   // detached
        EXPECT_FALSE(mute.isNull());
        for (QAction* top : menu->actions())
            menuBar.addAction(top);   // attached again
    }
    ASSERT_FALSE(mute.isNull());
    EXPECT_TRUE(mute->isChecked());
    EXPECT_EQ(menu->actions().size(), 4);
}

TEST(MenuBuilder, ToggledReportsTheFlipAndItsUndoing)
{
    std::unique_ptr<QMenu> menu(LoadMenu(7771));
    QAction* top = FindMenuAction(menu.get(), 17893);
    std::vector<bool> toggles;
    QObject::connect(top, &QAction::toggled, [&toggles](bool on) { toggles.push_back(on); });
    top->trigger();
    EXPECT_EQ(toggles, (std::vector<bool>{true, false}));
    EXPECT_FALSE(top->isChecked());
}
