#include "settings/MenuChecks.h"

#include "controls/menu/MenuBuilder.h"
#include "platform/profile/PrivateProfile.h"
#include "resources/CommandIds.h"
#include "settings/SettingsKeys.h"
#include "support/TempDrive.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace settings;
using namespace resources;

namespace {

struct KeyRow {
    const char* label;
    const char* key;
};

TEST(MenuCheckKey, LabelRule)
{
    const KeyRow rows[] = {
        {"&Continuous Loop", "ContinuousLoop"},
        {"Save as Relati&ve Paths", "SaveasRelativePaths"},
        {"Save Settings on &Exit", "SaveSettingsonExit"},
        {"&Menu\bAlt+M", "Menu"},
        {"Pa&use\tCtrl+P", "Pause"},
        {"A&b\tc\bd", "Ab"},
        {"&Default Size ", ""},
        {"Set &Font... ", ""},
        {"&Custom View\bAlt+C ", ""},
        {"&Save Settings Now ", ""},
        {"", ""},
        {"&&", ""},
    };
    for (const KeyRow& row : rows)
        EXPECT_EQ(MenuCheckKey(QString::fromLatin1(row.label)), QString::fromLatin1(row.key)) << row.label;
}

TEST(MenuCheckKey, OnlyTheFirst79CharactersCount)
{
    const QString long80 = QString(79, QLatin1Char('x')) + QLatin1Char(' ');
    EXPECT_EQ(MenuCheckKey(long80), QString(79, QLatin1Char('x')));
    const QString long81 = QString(78, QLatin1Char('x')) + QLatin1String(" yz");
    EXPECT_TRUE(MenuCheckKey(long81).isEmpty());
}

// The ids of the Options pop-up's stored items, in menu order, with their keys.
const std::vector<std::pair<int, const char*>> kStoredOptions = {
    {CM_CONTINUOUS_LOOP, "ContinuousLoop"}, {CM_RANDOM_ORDER, "RandomOrder"},
    {CM_ELAPSED_TIME, "ElapsedTime"},       {CM_AUTO_PLAY, "AutoPlay"},
    {CM_NO_RESET, "NoReset"},               {CM_STANDARD_RESET, "StandardReset"},
    {CM_FULL_RESET, "FullReset"},           {CM_CUSTOM_RESET, "CustomReset"},
    {CM_AUTO_SAVE_ALBUM, "AutoSaveAlbum"},  {CM_RELATIVE_PATHS, "SaveasRelativePaths"},
    {CM_ALLOW_DUPLICATES, "AllowDuplicates"}, {CM_CONFIRM_DELETE, "ConfirmonDelete"},
    {CM_MENU_BAR, "Menu"},                  {CM_QUEUE_BOX, "QueueBox"},
    {CM_POSITION_SLIDER, "PositionSlider"}, {CM_VOLUME_BAR, "VolumeBar"},
    {CM_BUTTONS, "Buttons"},                {CM_STATUS_BAR, "StatusBar"},
    {CM_ALWAYS_ON_TOP, "AlwaysonTop"},      {CM_MINI_HELP, "MiniHelp"},
    {CM_SHOW_LONG_NAMES, "ShowLongNames"},  {CM_SAVE_SETTINGS_ON_EXIT, "SaveSettingsonExit"},
};

class MenuChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.reset(LoadMenu(IDM_FRAME));
        ASSERT_NE(root, nullptr);
        ASSERT_GE(root->actions().size(), 3);
        options = root->actions().at(2)->menu();
        ASSERT_NE(options, nullptr);
    }

    QAction* item(int id) const { return FindMenuAction(options, id); }
    void setAll(bool checked) const
    {
        for (const auto& [id, key] : kStoredOptions)
            item(id)->setChecked(checked);
    }
    QByteArray text() const { return drive.readFile("Vantor.ini"); }
    std::string get(const char* key) const
    {
        char buffer[64] = {};
        platform::GetPrivateProfileString(kSectionSettings, key, "<none>", buffer, sizeof buffer, path.c_str());
        return buffer;
    }

    TempDrive drive{'t'};
    std::string path = drive.path("Vantor.ini");
    std::unique_ptr<QMenu> root;
    QMenu* options = nullptr;
};

TEST_F(MenuChecks, EveryOptionRoundTripsThroughTheFile)
{
    // Alternating marks, so a swapped or shifted key shows.
    for (std::size_t i = 0; i < kStoredOptions.size(); ++i)
        item(kStoredOptions[i].first)->setChecked(i % 2 == 0);
    ASSERT_TRUE(WriteMenuChecks(options, kSectionSettings, path));
    for (std::size_t i = 0; i < kStoredOptions.size(); ++i)
        EXPECT_EQ(get(kStoredOptions[i].second), i % 2 == 0 ? "1" : "0") << kStoredOptions[i].second;

    setAll(true);
    ReadMenuChecks(options, kSectionSettings, path);
    for (std::size_t i = 0; i < kStoredOptions.size(); ++i)
        EXPECT_EQ(item(kStoredOptions[i].first)->isChecked(), i % 2 == 0) << kStoredOptions[i].second;
}

TEST_F(MenuChecks, WritesExactlyTheLabelKeysInMenuOrder)
{
    ASSERT_TRUE(WriteMenuChecks(options, kSectionSettings, path));
    std::vector<char> names(4096);
    const int length = platform::GetPrivateProfileString(kSectionSettings, nullptr, "", names.data(),
                                                         static_cast<int>(names.size()), path.c_str());
    std::vector<std::string> keys;
    for (const char* p = names.data(); p < names.data() + length && *p != '\0'; p += std::strlen(p) + 1)
        keys.emplace_back(p);
    std::vector<std::string> expected;
    for (const auto& [id, key] : kStoredOptions)
        expected.emplace_back(key);
    EXPECT_EQ(keys, expected);
}

TEST_F(MenuChecks, FirstStartChecksEveryOption)
{
    setAll(false);
    ReadMenuChecks(options, kSectionSettings, path);
    for (const auto& [id, key] : kStoredOptions)
        EXPECT_TRUE(item(id)->isChecked()) << key;
    EXPECT_TRUE(text().isEmpty());
}

TEST_F(MenuChecks, LabelEndingInABlankIsNeverStoredOrRead)
{
    drive.writeFile("Vantor.ini", "[Settings]\r\nDefaultSize=0\r\nSetFont...=0\r\n");
    QAction* defaultSize = item(CM_DEFAULT_SIZE);
    QAction* saveNow = item(CM_SAVE_SETTINGS_NOW);
    ASSERT_NE(defaultSize, nullptr);
    defaultSize->setChecked(true);
    ReadMenuChecks(options, kSectionSettings, path);
    EXPECT_TRUE(defaultSize->isChecked());
    ASSERT_TRUE(WriteMenuChecks(options, kSectionSettings, path));
    const QByteArray written = text();
    EXPECT_FALSE(written.contains("SaveSettingsNow"));
    EXPECT_FALSE(written.contains("CustomView"));
    EXPECT_FALSE(written.contains("VolumeDevice"));
    EXPECT_FALSE(written.contains("Alt+"));
    EXPECT_NE(saveNow, nullptr);
}

TEST_F(MenuChecks, SaveSettingsOnExitIsTheLabelsKey)
{
    drive.writeFile("Vantor.ini", "[Settings]\r\nSaveSettingsOnExit=0\r\n");
    ReadMenuChecks(options, kSectionSettings, path);
    EXPECT_FALSE(item(CM_SAVE_SETTINGS_ON_EXIT)->isChecked());
    EXPECT_TRUE(item(CM_AUTO_SAVE_ALBUM)->isChecked());

    item(CM_SAVE_SETTINGS_ON_EXIT)->setChecked(true);
    ASSERT_TRUE(WriteMenuChecks(options, kSectionSettings, path));
    const QByteArray written = text().toLower();
    EXPECT_EQ(written.count("savesettingsonexit="), 1);
    EXPECT_EQ(get(kKeySaveSettingsOnExit), "1");
}

TEST_F(MenuChecks, GarbageLinesLeaveTheReadableValues)
{
    drive.writeFile("Vantor.ini",
                    "this is no setting\r\n"
                    "[Other\r\n"
                    "=1\r\n"
                    "[Settings]\r\n"
                    "\x01\x02garbage\r\n"
                    "ContinuousLoop=0\r\n"
                    "RandomOrder\r\n"
                    "ElapsedTime=zero\r\n"
                    "AutoPlay=  0 trailing\r\n");
    ReadMenuChecks(options, kSectionSettings, path);
    EXPECT_FALSE(item(CM_CONTINUOUS_LOOP)->isChecked());
    EXPECT_TRUE(item(CM_RANDOM_ORDER)->isChecked());
    // A value that is no number reads as 0, as the profile layer reads integers.
    EXPECT_FALSE(item(CM_ELAPSED_TIME)->isChecked());
    EXPECT_FALSE(item(CM_AUTO_PLAY)->isChecked());
    EXPECT_TRUE(item(CM_CONFIRM_DELETE)->isChecked());
}

TEST_F(MenuChecks, SingleCheckByIdAndKey)
{
    drive.writeFile("Vantor.ini", "[Settings]\r\nMiniHelp=0\r\n");
    EXPECT_EQ(ReadCheck(options, CM_MINI_HELP, "MiniHelp", 1, path), 0);
    EXPECT_FALSE(item(CM_MINI_HELP)->isChecked());
    EXPECT_EQ(ReadCheck(options, CM_ALWAYS_ON_TOP, "AlwaysonTop", 0, path), 0);
    EXPECT_EQ(ReadCheck(options, CM_BUTTONS, "Buttons", 1, path), 1);
    EXPECT_EQ(ReadCheck(options, 12345, "Nothing", 1, path), -1);

    item(CM_MINI_HELP)->setChecked(true);
    ASSERT_TRUE(WriteCheck(options, CM_MINI_HELP, "MiniHelp", path));
    EXPECT_EQ(get("MiniHelp"), "1");
    EXPECT_FALSE(WriteCheck(options, 12345, "Nothing", path));
    EXPECT_EQ(get("Nothing"), "<none>");
}

TEST_F(MenuChecks, UnwritableFileIsReported)
{
    EXPECT_FALSE(WriteMenuChecks(options, kSectionSettings, "q:\\nodrive\\Vantor.ini"));
}

}  // namespace
