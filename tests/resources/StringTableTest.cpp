#include <gtest/gtest.h>

#include <string>

#include "resources/strings/StringTable.h"

using namespace resources;

TEST(StringTable, IdsAreAscendingAndUnique)
{
    // The look-up halves the table, so order is part of its correctness.
    const auto table = StringTable();
    ASSERT_FALSE(table.empty());
    for (size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].id, table[i].id) << "at " << table[i].id;
    for (const StringEntry& e : table)
        EXPECT_EQ(FindString(e.id), e.text) << e.id;
}

TEST(StringTable, TextsAsTheProgramShowsThem)
{
    struct Case {
        int id;
        const char* text;
    };
    const Case cases[] = {
        {7803, "PLAY"},
        {7804, "PAUSE"},
        {7805, "REPEAT"},
        {17937, "MUTE"},
        {7810, "LOOP"},
        {7811, "RANDOM"},
        {7789, "Loading album from disk..."},
        {7790, "Saving album to disk..."},
        {7791, "Sorting album by song name..."},
        {7792, "Seeking in song..."},
        {7793, "Opening and loading song..."},
        {7798, "Closing song..."},
        {7853, "Shuffling song order randomly..."},
        {7885, "Adding songs to album..."},
        {7828, "Delete the album and its backup from disk?"},
        {7815, "Displays album properies"},
        {7710, "Prompts for confirmation for on deleting songs"},
        {17900, "Displays all windows elemnts"},
        {17906, "Displays only the digital console"},
        {7861, "Option settings for the program (Continuous Loop, ..etc.)"},
        {7869, "Hides the menu bar -- use the system menu or Alt+M to recover it"},
        {7872, "Recovers the menu bar"},
        {7873, "Plays the selected song from the beginning"},
        {17938, "Fast rewind, press and hold the button down"},
        {17939, "Fast forward, press and hold the button down"},
        {8200, "Displays a list of most recently opened albums to load"},
        {8205, "Opens and loads this album from disk"},
        {24310, "Terminates the program"},
        {32040, "Shows or hides the status bar"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(FindString(c.id), nullptr) << c.id;
        EXPECT_STREQ(FindString(c.id), c.text) << c.id;
    }
}

TEST(StringTable, MessagesKeepTheirLineBreaks)
{
    const std::string text = LoadString(7796);
    EXPECT_EQ(text.rfind("Delete the currently selected song file from disk?\n\nNOVICE WARNING:", 0), 0u);
    EXPECT_NE(text.find("song file\n(i.e. you"), std::string::npos);
    EXPECT_NE(text.find("on disk).\n\nUse REMOVE"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 10), "the queue.");
    const std::string reset = LoadString(7855);
    EXPECT_EQ(reset.find('\n'), std::string::npos);
    EXPECT_EQ(reset.rfind("Could not play the MIDI Custom Reset file. ", 0), 0u);
    const std::string tail = "MIDI Auto Reset will now be set to: Full Reset.";
    ASSERT_GT(reset.size(), tail.size());
    EXPECT_EQ(reset.substr(reset.size() - tail.size()), tail);
}

TEST(StringTable, MissingIdsLoadEmpty)
{
    for (int id : {0, -1, 1, 7714, 7806, 17933, 17934, 65535}) {
        EXPECT_EQ(FindString(id), nullptr) << id;
        EXPECT_STREQ(LoadString(id), "") << id;
    }
}
