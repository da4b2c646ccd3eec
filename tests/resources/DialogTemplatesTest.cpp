#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/dialogs/DialogTemplate.h"
#include "resources/dialogs/InfoDialogs.h"

using namespace resources;

namespace {

const DialogItem* Item(const DialogTemplate& t, int id)
{
    for (const DialogItem& item : t.items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

// The item with this id; a failure and an empty item when there is none.
const DialogItem& ItemRef(const DialogTemplate& t, int id)
{
    static const DialogItem kNone{0, "", 0, 0, 0, 0, "", 0};
    const DialogItem* item = Item(t, id);
    if (item == nullptr) {
        ADD_FAILURE() << "no item " << id << " in " << t.id;
        return kNone;
    }
    return *item;
}

const DialogItem* ItemWithText(const DialogTemplate& t, const char* text)
{
    for (const DialogItem& item : t.items) {
        if (std::string(item.text) == text)
            return &item;
    }
    return nullptr;
}

struct TemplateCase {
    int id;
    const char* caption;
    int width, height;
    const char* font;
    bool systemMenu;
    std::set<int> ids;
};

}  // namespace

TEST(DialogTemplates, EachIsFoundWithItsFrameAndControls)
{
    const TemplateCase cases[] = {
        {7708, "The Vantor's Upgrade Information", 170, 126, "MS Sans Serif", false, {1}},
        {7764, "Open", 264, 134, "Helv", true, {1, 2, 1038, 1040, 1088, 1089, 1090, 1091, 1120, 1121, 1136, 1137, 1152}},
        {7774, "About The Vantor", 144, 124, "MS Sans Serif", false, {1, 7746, 7758, 7881}},
        {7823, "Album Properties", 152, 147, "MS Sans Serif", false, {1, 7844, 7845, 7846, 7847}},
        {17947, "Volume Output Device", 194, 70, "MS Sans Serif", true, {1, 2, 17948}},
    };
    for (const TemplateCase& c : cases) {
        const DialogTemplate* t = FindDialogTemplate(c.id);
        ASSERT_NE(t, nullptr) << c.id;
        EXPECT_STREQ(t->caption, c.caption) << c.id;
        EXPECT_EQ(t->width, c.width) << c.id;
        EXPECT_EQ(t->height, c.height) << c.id;
        EXPECT_STREQ(t->fontFace, c.font) << c.id;
        EXPECT_EQ(t->fontPoints, 8) << c.id;
        EXPECT_TRUE(t->style & WS_POPUP) << c.id;
        EXPECT_TRUE(t->style & WS_CAPTION) << c.id;
        EXPECT_TRUE(t->style & DS_MODALFRAME) << c.id;
        EXPECT_EQ((t->style & WS_SYSMENU) != 0, c.systemMenu) << c.id;

        std::set<int> ids;
        for (const DialogItem& item : t->items) {
            // Controls are found by id: a duplicate would hide one of them.
            if (item.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(item.id).second) << c.id << " repeats " << item.id;
            }
            EXPECT_TRUE(item.style & WS_CHILD) << c.id << "/" << item.id;
            EXPECT_GE(item.x, 0) << c.id << "/" << item.id;
            EXPECT_GE(item.y, 0) << c.id << "/" << item.id;
            EXPECT_LE(item.x + item.width, t->width) << c.id << "/" << item.id << " " << item.text;
            // A combo box's height includes its opened list.
            if (std::string(item.className) != "COMBOBOX") {
                EXPECT_LE(item.y + item.height, t->height) << c.id << "/" << item.id << " " << item.text;
            }
        }
        EXPECT_EQ(ids, c.ids) << c.id;
    }
}

TEST(DialogTemplates, UpgradeInformationTexts)
{
    const DialogTemplate& t = UpgradeInfoDialogTemplate();
    struct Text {
        const char* text;
        int x, y, w, h;
    };
    const Text texts[] = {
        {"Welcome to version 5.7.", 11, 16, 148, 36},
        {"If you don't read at least the tutorial in the help file, you'll miss out on a lot of features!", 11, 50,
         148, 36},
        {"Exciting new features in this release", 11, 78, 148, 11},
    };
    for (const Text& x : texts) {
        const DialogItem* item = ItemWithText(t, x.text);
        ASSERT_NE(item, nullptr) << x.text;
        EXPECT_EQ((item->style & SS_TYPEMASK), SS_CENTER) << x.text;
        EXPECT_EQ(item->x, x.x);
        EXPECT_EQ(item->y, x.y);
        EXPECT_EQ(item->width, x.w);
        EXPECT_EQ(item->height, x.h);
    }
    const DialogItem* ok = Item(t, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_STREQ(ok->text, "OK");
}

TEST(DialogTemplates, InformationDialogsStartAsTheProgramExpects)
{
    const DialogTemplate& props = AlbumPropertiesDialogTemplate();
    for (int id : {7844, 7845, 7846, 7847})
        EXPECT_STREQ(ItemRef(props, id).text, "unknown") << id;
    EXPECT_EQ(ItemRef(props, 7847).style & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(ItemRef(props, 7846).style & SS_TYPEMASK, SS_CENTER);
    EXPECT_EQ(ItemRef(props, 7844).style & SS_TYPEMASK, SS_LEFT);
    for (const char* group : {"Album", "Current Song", "Cur. Song #", "Num. of Songs"}) {
        const DialogItem* g = ItemWithText(props, group);
        ASSERT_NE(g, nullptr) << group;
        EXPECT_EQ(g->style & BS_TYPEMASK, BS_GROUPBOX) << group;
    }
    EXPECT_STREQ(ItemRef(props, 1).text, "&OK");

    const DialogTemplate& about = AboutDialogTemplate();
    const DialogItem& picture = ItemRef(about, 7881);
    EXPECT_FALSE(picture.style & WS_VISIBLE);
    EXPECT_EQ(picture.x, 31);
    EXPECT_EQ(picture.y, 11);
    EXPECT_EQ(picture.width, 82);
    EXPECT_EQ(picture.height, 22);
    const DialogItem* icon = ItemWithText(about, "7713");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->style & SS_TYPEMASK, SS_ICON);

    const DialogTemplate& volume = VolumeDeviceDialogTemplate();
    EXPECT_NE(ItemWithText(volume, "Choose the output device you to control volume"), nullptr);
    const DialogItem& combo = ItemRef(volume, 17948);
    EXPECT_STREQ(combo.className, "COMBOBOX");
    EXPECT_EQ(combo.style & 0x3u, CBS_DROPDOWNLIST);
    EXPECT_TRUE(combo.style & WS_VSCROLL);

    EXPECT_NE(ItemWithText(AddSongsDialogTemplate(), "You can select multiple files in this dialog"), nullptr);
    EXPECT_EQ(FindDialogTemplate(7709), nullptr);
}
