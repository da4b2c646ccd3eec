#include "controls/TEasyLB.h"
#include "controls/TListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const TListBox& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i)
        lines.emplace_back(list.GetStringBytes(i).constData());
    return lines;
}

void Fill(TListBox& list, const std::vector<const char*>& lines)
{
    for (const char* line : lines)
        list.AddString(line);
}

} // namespace

TEST(ListBox, InsertDeleteAndRead)
{
    TListBox list;
    EXPECT_EQ(list.AddString("one"), 0);
    EXPECT_EQ(list.AddString("three"), 1);
    EXPECT_EQ(list.InsertString("two", 1), 1);
    EXPECT_EQ(list.InsertString("zero", 0), 0);
    EXPECT_EQ(list.InsertString("far", 9), -1);
    EXPECT_EQ(list.InsertString("neg", -2), -1);
    EXPECT_EQ(list.InsertString(nullptr, 0), -1);
    EXPECT_EQ(list.InsertString("\xff\xfe", 0), -1);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"zero", "one", "two", "three"}));

    EXPECT_EQ(list.GetStringLen(3), 5);
    EXPECT_EQ(list.GetStringLen(4), -1);
    EXPECT_EQ(list.GetStringLen(-1), -1);
    char buffer[6];
    EXPECT_EQ(list.GetString(buffer, sizeof buffer, 3), 5);
    EXPECT_STREQ(buffer, "three");
    EXPECT_EQ(list.GetString(buffer, 5, 3), -1);   // no room for the terminating zero

    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.DeleteString(3), -1);
    list.ClearList();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(ListBox, AddStringsAppendsInOrderAllOrNothing)
{
    TListBox list;
    list.AddString("first");
    EXPECT_EQ(list.AddStrings({"b", nullptr, "a", "b"}), 3);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"first", "b", "a", "b"}));
    EXPECT_EQ(list.FindExactString("b", 1), 3);
    EXPECT_EQ(list.AddStrings({"c", "\xff"}), -1);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.FindExactString("c"), -1);
}

TEST(ListBox, Selection)
{
    TListBox list;
    Fill(list, {"a", "b", "c"});
    EXPECT_EQ(list.GetSelIndex(), -1);
    EXPECT_EQ(list.SetSelIndex(2), 2);
    EXPECT_EQ(list.GetSelIndex(), 2);
    EXPECT_EQ(list.SetSelIndex(1), 1);
    EXPECT_EQ(list.selectedItems().size(), 1);
    EXPECT_EQ(list.SetSelIndex(3), -1);
    EXPECT_EQ(list.GetSelIndex(), -1);
    list.SetSelIndex(0);
    EXPECT_EQ(list.SetSelIndex(-1), -1);
    EXPECT_EQ(list.GetSelIndex(), -1);
}

TEST(ListBox, PrefixSearchIgnoresCaseAndWraps)
{
    TListBox list;
    Fill(list, {"Alpha", "beta", "ALPINE", "gamma"});
    struct Case { const char* prefix; int start; int found; };
    for (const Case& c : {Case{"al", -1, 0}, Case{"al", 0, 2}, Case{"al", 2, 0}, Case{"BE", -1, 1},
                          Case{"gamma", 3, 3}, Case{"delta", -1, -1}, Case{"", 1, 2}, Case{"a", 17, 0}}) {
        EXPECT_EQ(list.FindString(c.prefix, c.start), c.found) << c.prefix << " after " << c.start;
    }
    TListBox empty;
    EXPECT_EQ(empty.FindString("a"), -1);
}

TEST(ListBox, ExactSearchIsCaseSensitiveAndWraps)
{
    TListBox list;
    Fill(list, {"song", "Song", "song", "songs"});
    struct Case { const char* text; int start; int found; };
    for (const Case& c : {Case{"song", -1, 0}, Case{"song", 0, 2}, Case{"song", 2, 0}, Case{"Song", -1, 1},
                          Case{"SONG", -1, -1}, Case{"son", -1, -1}, Case{"songs", 1, 3}}) {
        EXPECT_EQ(list.FindExactString(c.text, c.start), c.found) << c.text << " after " << c.start;
    }
}

// Lines changed through the list widget's own functions are found as well as those
// changed through the list box operations.
TEST(ListBox, ExactSearchFollowsEveryKindOfChange)
{
    TListBox list;
    Fill(list, {"a", "b", "a"});
    list.DeleteString(0);
    EXPECT_EQ(list.FindExactString("a"), 1);
    list.DeleteString(1);
    EXPECT_EQ(list.FindExactString("a"), -1);

    list.addItem("c");
    list.insertItem(0, "d");
    EXPECT_EQ(list.FindExactString("c"), 2);
    EXPECT_EQ(list.FindExactString("d"), 0);
    delete list.takeItem(2);
    EXPECT_EQ(list.FindExactString("c"), -1);

    list.item(0)->setForeground(Qt::red);
    EXPECT_EQ(list.FindExactString("d"), 0);
    list.item(0)->setText("e");
    EXPECT_EQ(list.FindExactString("d"), -1);
    EXPECT_EQ(list.FindExactString("e"), 0);

    list.clear();
    EXPECT_EQ(list.FindExactString("e"), -1);
    list.AddString("e");
    EXPECT_EQ(list.FindExactString("e"), 0);

    Fill(list, {"z", "y"});
    list.sortItems();
    EXPECT_EQ(list.FindExactString("z"), 2);
    list.ClearList();
    EXPECT_EQ(list.FindExactString("z"), -1);
}

TEST(EasyListBox, ItemTextIsACopyInOneSharedBuffer)
{
    TEasyLB first, second;
    Fill(first, {"alpha", "beta"});
    Fill(second, {"gamma"});
    const char* a = first.GetItemText(0);
    ASSERT_NE(a, nullptr);
    EXPECT_STREQ(a, "alpha");
    const std::string kept = a;
    EXPECT_STREQ(second.GetItemText(0), "gamma");
    EXPECT_EQ(kept, "alpha");
    EXPECT_EQ(first.GetItemText(2), nullptr);
    EXPECT_EQ(first.GetItemText(-1), nullptr);
    EXPECT_STREQ(first.GetItemText(1), "beta");
}

TEST(EasyListBox, MoveSelected)
{
    struct Case { int sel; int offset; int result; std::vector<std::string> order; int newSel; };
    const Case cases[] = {
        {1, 1, 0, {"a", "c", "b", "d"}, 2},
        {1, -1, 0, {"b", "a", "c", "d"}, 0},
        {0, 3, 0, {"b", "c", "d", "a"}, 3},
        {3, -3, 0, {"d", "a", "b", "c"}, 0},
        {2, 0, 0, {"a", "b", "c", "d"}, 2},
        {0, -1, -1, {"a", "b", "c", "d"}, 0},
        {3, 1, -1, {"a", "b", "c", "d"}, 3},
        {1, 2147483647, -1, {"a", "b", "c", "d"}, 1},
        {-1, 1, -1, {"a", "b", "c", "d"}, -1},
    };
    for (const Case& c : cases) {
        TEasyLB list;
        Fill(list, {"a", "b", "c", "d"});
        list.SetSelIndex(c.sel);
        EXPECT_EQ(list.MoveSelected(c.offset), c.result) << c.sel << " by " << c.offset;
        EXPECT_EQ(Lines(list), c.order) << c.sel << " by " << c.offset;
        EXPECT_EQ(list.GetSelIndex(), c.newSel) << c.sel << " by " << c.offset;
        EXPECT_GE(list.FindExactString("a"), 0);
    }
}
