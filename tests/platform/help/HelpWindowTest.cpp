// The help requests: each opens the one help window on its page; quit closes
// it; a missing or damaged file gives a message and no window.

#include "platform/help/Help.h"
#include "platform/help/HelpEngine.h"
#include "platform/help/HelpFile.h"
#include "platform/help/HelpWindow.h"
#include "platform/help/KeywordSearchDialog.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TempDrive.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform::help;

namespace {

QByteArray ShippedText()
{
    const char* dir = std::getenv("VANTOR_TEST_DATA");
    QFile file(QDir(dir ? QString::fromLocal8Bit(dir) : QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Vantor.hlp")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return file.readAll();
}

const char* const kSmallFile =
    "VANTOR HELP 1\n"
    "@file Small Help\n"
    "@topic contents\n"
    "@title Contents\n"
    "@keywords overview\n"
    "<p><a href=\"loop\">Looping</a>, <a href=\"random\">random play</a></p>\n"
    "@topic loop\n"
    "@title Continuous Loop\n"
    "@keywords repeat; loop\n"
    "<p>Loops.</p>\n"
    "@topic random\n"
    "@title Random Order\n"
    "@keywords random order; repeat\n"
    "<p>Random.</p>\n";

HelpWindow* Window()
{
    return HelpEngine::Instance().window();
}

int HelpWindowCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets())
        count += qobject_cast<HelpWindow*>(widget) != nullptr;
    return count;
}

class HelpRequestTest : public ::testing::Test {
protected:
    HelpRequestTest()
    {
        drive.writeFile(QStringLiteral("Vantor.hlp"), ShippedText());
        drive.writeFile(QStringLiteral("small.hlp"), kSmallFile);
    }
    ~HelpRequestTest() override
    {
        ShowHelp(&owner, helpFile, HELP_QUIT, 0);
    }

    bool request(unsigned command, unsigned long data = 0, const std::string& file = {})
    {
        return ShowHelp(&owner, file.empty() ? helpFile : file, command, data);
    }

    TempDrive drive;
    const std::string helpFile = drive.path("vantor.hlp");
    ScriptedMessageBoxes boxes;
    QWidget owner;
};

}  // namespace

TEST_F(HelpRequestTest, EachRequestOpensTheWindowOnItsPage)
{
    struct Case {
        unsigned command;
        unsigned long data;
        const char* topic;
        const char* title;
        bool search;
    };
    const Case cases[] = {
        {HELP_CONTENTS, 0, "contents", "Contents", false},
        {HELP_CONTEXT, 7886, "tutorial", "Tutorial", false},
        {HELP_HELPONHELP, 0, HelpWindow::kUsingHelpId, "Using Help", false},
        {HELP_PARTIALKEY, 0, "contents", "Contents", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(request(c.command, c.data));
        HelpWindow* window = Window();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->parentWidget(), &owner);
        EXPECT_EQ(window->currentTopic(), QString::fromLatin1(c.topic));
        EXPECT_TRUE(window->browser()->toPlainText().startsWith(QString::fromLatin1(c.title)))
            << window->browser()->toPlainText().left(80).toStdString();
        EXPECT_EQ(window->searchDialog()->isVisible(), c.search);
        if (c.search) {
            EXPECT_TRUE(window->searchDialog()->keyEdit()->text().isEmpty());
        }
        ShowHelp(&owner, helpFile, HELP_QUIT, 0);
    }
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(HelpRequestTest, RepeatedRequestsReuseOneWindowAndQuitClosesIt)
{
    ASSERT_TRUE(request(HELP_CONTENTS));
    HelpWindow* first = Window();
    ASSERT_TRUE(request(HELP_CONTEXT, 7886));
    ASSERT_TRUE(request(HELP_PARTIALKEY));
    ASSERT_TRUE(request(HELP_HELPONHELP));
    EXPECT_EQ(Window(), first);
    EXPECT_EQ(HelpWindowCount(), 1);
    // The search stays open beside the topic asked for after it.
    EXPECT_TRUE(first->searchDialog()->isVisible());
    EXPECT_EQ(first->currentTopic(), QString::fromLatin1(HelpWindow::kUsingHelpId));

    EXPECT_TRUE(request(HELP_QUIT));
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(HelpWindowCount(), 0);
    EXPECT_TRUE(request(HELP_QUIT));  // nothing left to close

    // A window the user closed is replaced by a new one on the next request.
    ASSERT_TRUE(request(HELP_CONTENTS));
    Window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Window(), nullptr);
    ASSERT_TRUE(request(HELP_CONTENTS));
    EXPECT_EQ(HelpWindowCount(), 1);
}

TEST_F(HelpRequestTest, AMissingOrDamagedFileGivesTheMessageAndNoWindow)
{
    drive.writeFile(QStringLiteral("notes.hlp"), "VANTOR HELP 1\n@file X\n@topic other\n@title O\n<p>o</p>\n");
    struct Case {
        std::string file;
        QString message;
    };
    const Case cases[] = {
        {drive.path("missing.hlp"), QStringLiteral("Cannot find the help file t:\\missing.hlp.")},
        {"q:\\nodrive\\vantor.hlp", QStringLiteral("Cannot find the help file q:\\nodrive\\vantor.hlp.")},
        {drive.path("notes.hlp"), QStringLiteral("The help file t:\\notes.hlp is damaged and cannot be shown:\n"
                                                 "the file has no \"contents\" topic.")},
    };
    for (const Case& c : cases) {
        for (const unsigned command : {HELP_CONTENTS, HELP_CONTEXT, HELP_PARTIALKEY, HELP_HELPONHELP}) {
            SCOPED_TRACE(c.file + " " + std::to_string(command));
            boxes.clear();
            EXPECT_FALSE(request(command, command == HELP_CONTEXT ? 7886 : 0, c.file));
            EXPECT_EQ(Window(), nullptr);
            ASSERT_EQ(boxes.boxes().size(), 1u);
            EXPECT_EQ(boxes.boxes()[0].text, c.message);
            EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("The Vantor"));
            EXPECT_EQ(boxes.boxes()[0].style, platform::MB_OK | platform::MB_ICONEXCLAMATION);
            EXPECT_EQ(boxes.order(), (std::vector<char>{'B', 'M'}));
        }
    }
}

TEST_F(HelpRequestTest, FailedRequestsLeaveAnOpenWindowAsItWas)
{
    ASSERT_TRUE(request(HELP_CONTEXT, 7886));
    HelpWindow* window = Window();
    EXPECT_FALSE(request(HELP_CONTEXT, 4242));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              QStringLiteral("The help file t:\\vantor.hlp has no topic for context number 4242."));
    drive.writeFile(QStringLiteral("Vantor.hlp"), "damaged");
    EXPECT_FALSE(request(HELP_CONTENTS));
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(Window(), window);
    EXPECT_EQ(window->currentTopic(), QStringLiteral("tutorial"));
    EXPECT_FALSE(request(0x0009));  // no such request
    EXPECT_EQ(boxes.boxes().size(), 2u);
}

TEST_F(HelpRequestTest, LinksContentsAndBackNavigate)
{
    ASSERT_TRUE(request(HELP_CONTENTS, 0, drive.path("small.hlp")));
    HelpWindow* window = Window();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Small Help"));
    EXPECT_FALSE(window->backButton()->isEnabled());
    emit window->browser()->anchorClicked(QUrl(QStringLiteral("loop")));
    EXPECT_EQ(window->currentTopic(), QStringLiteral("loop"));
    ASSERT_TRUE(request(HELP_HELPONHELP, 0, drive.path("small.hlp")));
    // The engine's own page links to the contents of whatever file is shown.
    emit window->browser()->anchorClicked(QUrl(QStringLiteral("contents")));
    EXPECT_EQ(window->currentTopic(), QStringLiteral("contents"));

    const char* expected[] = {HelpWindow::kUsingHelpId, "loop", "contents"};
    for (const char* id : expected) {
        ASSERT_TRUE(window->backButton()->isEnabled());
        QTest::mouseClick(window->backButton(), Qt::LeftButton);
        EXPECT_EQ(window->currentTopic(), QString::fromLatin1(id));
    }
    EXPECT_FALSE(window->backButton()->isEnabled());
    emit window->browser()->anchorClicked(QUrl(QStringLiteral("random")));
    QTest::mouseClick(window->contentsButton(), Qt::LeftButton);
    EXPECT_EQ(window->currentTopic(), QStringLiteral("contents"));

    // Another help file starts the history afresh.
    ASSERT_TRUE(request(HELP_CONTEXT, 7886));
    EXPECT_FALSE(window->backButton()->isEnabled());
}

TEST_F(HelpRequestTest, KeywordSearchFindsTopicsByTheFirstLetters)
{
    ASSERT_TRUE(request(HELP_PARTIALKEY, 0, drive.path("small.hlp")));
    KeywordSearchDialog* search = Window()->searchDialog();
    ASSERT_TRUE(search->isVisible());
    QListWidget* keywords = search->keywordList();
    ASSERT_EQ(keywords->count(), 4);
    EXPECT_EQ(keywords->item(0)->text(), QStringLiteral("loop"));
    EXPECT_EQ(keywords->currentRow(), 0);

    struct Case {
        const char* typed;
        const char* keyword;
        QStringList topics;
    };
    const Case cases[] = {
        {"RA", "random order", {"Random Order"}},
        {"re", "repeat", {"Continuous Loop", "Random Order"}},
        {"zz", "loop", {"Continuous Loop"}},
        {"o", "overview", {"Contents"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        search->keyEdit()->clear();
        QTest::keyClicks(search->keyEdit(), QString::fromLatin1(c.typed));
        ASSERT_NE(keywords->currentItem(), nullptr);
        EXPECT_EQ(keywords->currentItem()->text(), QString::fromLatin1(c.keyword));
        QStringList shown;
        for (int i = 0; i < search->topicList()->count(); ++i)
            shown.append(search->topicList()->item(i)->text());
        EXPECT_EQ(shown, c.topics);
    }

    search->keyEdit()->clear();
    QTest::keyClicks(search->keyEdit(), QStringLiteral("rep"));
    search->topicList()->setCurrentRow(1);
    QTest::mouseClick(search->displayButton(), Qt::LeftButton);
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(Window()->currentTopic(), QStringLiteral("random"));

    // A key given with the request is put into the edit line.
    const char* key = "loo";
    ASSERT_TRUE(request(HELP_PARTIALKEY, reinterpret_cast<unsigned long>(key), drive.path("small.hlp")));
    EXPECT_EQ(search->keyEdit()->text(), QStringLiteral("loo"));
    EXPECT_EQ(keywords->currentItem()->text(), QStringLiteral("loop"));
    EXPECT_EQ(Window()->currentTopic(), QStringLiteral("random"));
}
