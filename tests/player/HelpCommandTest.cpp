// The help commands reach the help engine with the program's help file, and the
// console's clean-up closes the help window.

#include "player/MenuTreeFixture.h"

#include "platform/help/Help.h"
#include "platform/help/HelpEngine.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/KeywordSearchDialog.h"
#include "support/TempDrive.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

using namespace player;
using namespace resources;

namespace playertest {
namespace {

class HelpCommandTest : public MenuTreeFixture {
protected:
    void SetUp() override
    {
        MenuTreeFixture::SetUp();
        QFile shipped(QDir(qEnvironmentVariable("VANTOR_TEST_DATA")).filePath("Vantor.hlp"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly)) << shipped.fileName().toStdString();
        drive.writeFile("Vantor.hlp", shipped.readAll());
        window->programDir = std::string(1, drive.letter()) + ":";
    }

    static platform::help::HelpWindow* HelpWindow() { return platform::help::HelpEngine::Instance().window(); }

    TempDrive drive;
};

TEST_F(HelpCommandTest, EachHelpCommandOpensItsPage)
{
    struct Row {
        int command;
        QString topic;
        bool search;
    };
    const Row rows[] = {
        {CM_HELP_CONTENTS, "contents", false},
        {CM_HELP_TUTORIAL, "tutorial", false},
        {CM_HELP_KEYWORD, "contents", true},
        {CM_HELP_USING, platform::help::HelpWindow::kUsingHelpId, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        EXPECT_TRUE(window->HandleCommand(row.command));
        platform::help::HelpWindow* help = HelpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->parentWidget(), window->window());
        EXPECT_EQ(help->currentTopic(), row.topic);
        EXPECT_EQ(help->searchDialog()->isVisible(), row.search);
        if (row.search) {
            EXPECT_TRUE(help->searchDialog()->keyEdit()->text().isEmpty());
        }
        window->ShowHelp(platform::help::HELP_QUIT, 0);
        EXPECT_EQ(HelpWindow(), nullptr);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(HelpCommandTest, CleanUpClosesTheHelpWindow)
{
    window->HandleCommand(CM_HELP_CONTENTS);
    ASSERT_NE(HelpWindow(), nullptr);
    window->CleanupWindow();
    EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(HelpCommandTest, AMissingHelpFileIsReportedAndOpensNothing)
{
    window->programDir = std::string(1, drive.letter()) + ":\\nowhere";
    EXPECT_TRUE(window->HandleCommand(CM_HELP_CONTENTS));
    EXPECT_EQ(HelpWindow(), nullptr);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

}  // namespace
}  // namespace playertest
