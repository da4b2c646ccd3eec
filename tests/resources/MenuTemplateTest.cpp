#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/menus/MenuTemplate.h"
#include "resources/strings/StringTable.h"

using namespace resources;

namespace {

// One line per item, depth first: path of pop-up labels, then id, label, check.
// Separators read "-".
void Flatten(std::span<const MenuItem> items, const std::string& path, std::vector<std::string>& out)
{
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItemKind::Separator:
            out.push_back(path + "-");
            break;
        case MenuItemKind::Command:
            out.push_back(path + std::to_string(item.id) + " " + item.label + (item.checked ? " [x]" : ""));
            break;
        case MenuItemKind::Popup:
            out.push_back(path + "popup " + std::to_string(PopupId(item)) + " " + item.label);
            Flatten(item.items, path + item.label + "/", out);
            break;
        }
    }
}

std::vector<std::string> Flatten(int menuId)
{
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    EXPECT_NE(menu, nullptr) << menuId;
    std::vector<std::string> out;
    if (menu != nullptr)
        Flatten(menu->items, "", out);
    return out;
}

const MenuItem* FindPopup(std::span<const MenuItem> items, const char* label)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::Popup && std::string(item.label) == label)
            return &item;
    }
    return nullptr;
}

}  // namespace

TEST(MenuTemplate, FrameMenuHasEveryItemInOrder)
{
    const std::vector<std::string> expected = {
        "popup 7794 &Album",
        "&Album/7795 &New",
        "&Album/7760 &Open...",
        "&Album/7740 &Save\bCtrl+S",
        "&Album/7741 Save &As...",
        "&Album/-",
        "&Album/7838 C&lose",
        "&Album/7827 &Delete...",
        "&Album/-",
        "&Album/popup 7752 &Maintain",
        "&Album/&Maintain/7753 &Sort",
        "&Album/&Maintain/7852 Shu&ffle",
        "&Album/&Maintain/7725 &Clear",
        "&Album/&Maintain/7777 &Remove Duplicates",
        "&Album/7815 &Properties...",
        "&Album/-",
        "&Album/popup 8200 &Recent Albums",
        "&Album/&Recent Albums/8201 ",
        "&Album/-",
        "&Album/24310 E&xit\bAlt+F4",
        "popup 7761 &Song",
        "&Song/7762 &Add to Album...",
        "&Song/-",
        "&Song/7722 &Play",
        "&Song/7723 &Stop",
        "&Song/7724 Pa&use\tCtrl+P",
        "&Song/-",
        "&Song/7709 Repea&t\tCtrl+T",
        "&Song/7729 &Circulate",
        "&Song/7888 &Mute\tCtrl+M",
        "&Song/-",
        "&Song/7773 Remo&ve",
        "&Song/7711 &Delete",
        "&Song/-",
        "&Song/7743 Mo&ve Up\tCtrl+U",
        "&Song/7744 Move Do&wn\tCtrl+D",
        "&Song/7788 &Highlight Current\tCtrl+H",
        "popup 7861 &Options",
        "&Options/popup 7862 Song &Play",
        "&Options/Song &Play/7863 &Continuous Loop",
        "&Options/Song &Play/7720 &Random Order",
        "&Options/Song &Play/7871 &Elapsed Time",
        "&Options/Song &Play/7866 Auto &Play",
        "&Options/popup 7829 &MIDI Auto Reset",
        "&Options/&MIDI Auto Reset/7830 &No Reset",
        "&Options/&MIDI Auto Reset/7831 &Standard Reset",
        "&Options/&MIDI Auto Reset/7832 &Full Reset",
        "&Options/&MIDI Auto Reset/7854 &Custom Reset",
        "&Options/-",
        "&Options/7865 &Auto Save Album",
        "&Options/7841 Save as Relati&ve Paths",
        "&Options/7748 Allow &Duplicates",
        "&Options/7710 Confi&rm on Delete",
        "&Options/-",
        "&Options/popup 7868 E&lements\bAlt+RMB",
        "&Options/E&lements\bAlt+RMB/7869 &Menu\bAlt+M [x]",
        "&Options/E&lements\bAlt+RMB/-",
        "&Options/E&lements\bAlt+RMB/7891 &Queue Box",
        "&Options/E&lements\bAlt+RMB/7890 &Position Slider",
        "&Options/E&lements\bAlt+RMB/7887 &Volume Bar",
        "&Options/E&lements\bAlt+RMB/-",
        "&Options/E&lements\bAlt+RMB/7860 &Buttons",
        "&Options/E&lements\bAlt+RMB/32040 &Status Bar",
        "&Options/E&lements\bAlt+RMB/-",
        "&Options/E&lements\bAlt+RMB/17893 Always on &Top",
        "&Options/popup 17929 Size and &Views",
        "&Options/Size and &Views/17930 &Default Size ",
        "&Options/Size and &Views/-",
        "&Options/Size and &Views/17900 &Everything\bAlt+1 ",
        "&Options/Size and &Views/17901 &Volume Bar Off\bAlt+2 ",
        "&Options/Size and &Views/17902 S&liders Off\bAlt+3 ",
        "&Options/Size and &Views/17903 Btns + S&tatus\bAlt+4 ",
        "&Options/Size and &Views/17904 &Buttons Off\bAlt+5 ",
        "&Options/Size and &Views/17905 &Digital + Menu\bAlt+6 ",
        "&Options/Size and &Views/17906 &Menu Off\bAlt+7 ",
        "&Options/Size and &Views/-",
        "&Options/Size and &Views/17931 &Custom View\bAlt+C ",
        "&Options/Size and &Views/17932 &Save Cust. View\bAlt+S ",
        "&Options/popup 17949 Controls",
        "&Options/Controls/17950 Mini &Help",
        "&Options/Controls/17953 Show &Long Names",
        "&Options/Controls/-",
        "&Options/Controls/7883 Set &Font... ",
        "&Options/Controls/17952 &Volume Device... ",
        "&Options/Controls/17951 &SoundFont... ",
        "&Options/-",
        "&Options/7776 Save Settings on &Exit",
        "&Options/7767 &Save Settings Now ",
        "popup 7715 &Help",
        "&Help/7716 &Contents\bF1",
        "&Help/7886 &Tutorial",
        "&Help/7766 &Keyword Search",
        "&Help/7763 &Using Help",
        "&Help/-",
        "&Help/7717 &About the Vantor...",
    };
    EXPECT_EQ(Flatten(7771), expected);
}

TEST(MenuTemplate, RightButtonMenus)
{
    EXPECT_EQ(Flatten(7787), (std::vector<std::string>{
                                 "popup 7721 ",
                                 "/7722 &Play",
                                 "/-",
                                 "/7773 Remo&ve",
                                 "/7711 &Delete",
                                 "/-",
                                 "/7788 &Highlight Current",
                             }));
    EXPECT_EQ(Flatten(17936), (std::vector<std::string>{
                                  "popup 7868 ",
                                  "/7869 &Menu\bAlt+M [x]",
                                  "/-",
                                  "/7891 &Queue Box",
                                  "/7890 &Position Slider",
                                  "/7887 &Volume Bar",
                                  "/-",
                                  "/7860 &Buttons",
                                  "/32040 &Status Bar",
                                  "/-",
                                  "/17893 Always on &Top",
                              }));
    EXPECT_EQ(FindMenuTemplate(7772), nullptr);
}

// The settings keys come from the Options pop-up's labels: walked depth first,
// items ending in a blank skipped, the key is the label before its TAB or BS
// without blanks and ampersands.
TEST(MenuTemplate, OptionsLabelsGiveTheSettingsKeys)
{
    const MenuItem* options = FindPopup(FindMenuTemplate(7771)->items, "&Options");
    ASSERT_NE(options, nullptr);
    std::vector<std::string> keys;
    auto walk = [&keys](auto&& self, std::span<const MenuItem> items) -> void {
        for (const MenuItem& item : items) {
            if (item.kind == MenuItemKind::Popup) {
                self(self, item.items);
                continue;
            }
            if (item.kind != MenuItemKind::Command || item.id <= 0)
                continue;
            const std::string label = item.label;
            if (label.empty() || label.back() == ' ')
                continue;
            std::string key;
            const int end = AcceleratorTextStart(item.label);
            for (char c : label.substr(0, end < 0 ? label.size() : static_cast<size_t>(end - 1))) {
                if (c != ' ' && c != '&')
                    key += c;
            }
            keys.push_back(key);
        }
    };
    walk(walk, options->items);
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "ContinuousLoop", "RandomOrder", "ElapsedTime", "AutoPlay", "NoReset", "StandardReset",
                        "FullReset", "CustomReset", "AutoSaveAlbum", "SaveasRelativePaths", "AllowDuplicates",
                        "ConfirmonDelete", "Menu", "QueueBox", "PositionSlider", "VolumeBar", "Buttons", "StatusBar",
                        "AlwaysonTop", "MiniHelp", "ShowLongNames", "SaveSettingsonExit"}));
}

TEST(MenuTemplate, PlacesOtherCodeRelies)
{
    const MenuTemplate* frame = FindMenuTemplate(7771);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->items.size(), 4u);
    EXPECT_STREQ(frame->items[2].label, "&Options");

    // The recent albums pop-up is two positions above Exit.
    const auto album = frame->items[0].items;
    int exitAt = -1;
    for (size_t i = 0; i < album.size(); ++i) {
        if (album[i].id == 24310)
            exitAt = static_cast<int>(i);
    }
    ASSERT_GE(exitAt, 2);
    EXPECT_EQ(album[exitAt - 2].kind, MenuItemKind::Popup);
    EXPECT_EQ(PopupId(album[exitAt - 2]), 8200);
}

TEST(MenuTemplate, EveryItemAndPopupHasItsHint)
{
    std::vector<int> missing;
    auto walk = [&missing](auto&& self, std::span<const MenuItem> items) -> void {
        for (const MenuItem& item : items) {
            if (item.kind == MenuItemKind::Popup) {
                if (FindString(PopupId(item)) == nullptr)
                    missing.push_back(PopupId(item));
                self(self, item.items);
            } else if (item.kind == MenuItemKind::Command && FindString(item.id) == nullptr) {
                missing.push_back(item.id);
            }
        }
    };
    for (int id : {7771, 7787}) {
        const MenuTemplate* menu = FindMenuTemplate(id);
        ASSERT_NE(menu, nullptr);
        if (id == 7787)
            walk(walk, menu->items[0].items);
        else
            walk(walk, menu->items);
    }
    EXPECT_TRUE(missing.empty()) << "first id without a hint: " << (missing.empty() ? 0 : missing.front());
}

TEST(MenuTemplate, AcceleratorTextStartsAfterTabOrBackspace)
{
    struct Case {
        const char* label;
        int start;
    };
    const Case cases[] = {
        {"&Save\bCtrl+S", 6}, {"Pa&use\tCtrl+P", 7}, {"&Default Size ", -1}, {"", -1}, {"\tX", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceleratorTextStart(c.label), c.start) << c.label;
}

TEST(MenuTemplate, PopupIdFollowsFirstItem)
{
    static constexpr MenuItem kInner[] = {{MenuItemKind::Command, 500, "a", false, {}}};
    static constexpr MenuItem kOuter[] = {{MenuItemKind::Popup, 0, "in", false, kInner}};
    static constexpr MenuItem kSepFirst[] = {{MenuItemKind::Separator, 0, "", false, {}}};
    const MenuItem outer{MenuItemKind::Popup, 0, "out", false, kOuter};
    const MenuItem sepFirst{MenuItemKind::Popup, 0, "s", false, kSepFirst};
    const MenuItem empty{MenuItemKind::Popup, 0, "e", false, {}};
    EXPECT_EQ(PopupId(outer), 498);
    EXPECT_EQ(PopupId(sepFirst), 0);
    EXPECT_EQ(PopupId(empty), 0);
    EXPECT_EQ(PopupId(kInner[0]), 0);
}
