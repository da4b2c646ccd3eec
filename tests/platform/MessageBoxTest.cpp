// The message box service: Qt's boxes map the program's styles to buttons and
// answers; the scripted answerer stands in for them in tests.

#include "platform/ui/MessageBox.h"
#include "platform/ui/QtMessageService.h"
#include "support/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Presses the box's default button (or Escape) as soon as it shows.
int answerQtBox(std::uint32_t style, bool escape, QMessageBox::Icon* icon = nullptr)
{
    QTimer::singleShot(0, [escape, icon] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (icon)
            *icon = box->icon();
        if (escape)
            box->reject();
        else
            box->defaultButton()->click();
    });
    QtMessageService service;
    return service.messageBox(nullptr, "text", "The Vantor", style);
}

TEST(QtMessageServiceTest, DefaultButtonsAndIcons)
{
    struct Case {
        std::uint32_t style;
        int pressDefault;
        int escape;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONEXCLAMATION, IDOK, IDOK, QMessageBox::Warning},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO, IDNO, QMessageBox::Question},
        {MB_YESNO | MB_ICONQUESTION, IDYES, IDNO, QMessageBox::Question},
        {MB_OKCANCEL | MB_ICONHAND | MB_DEFBUTTON2, IDCANCEL, IDCANCEL, QMessageBox::Critical},
        {MB_YESNOCANCEL | MB_ICONASTERISK | MB_DEFBUTTON3, IDCANCEL, IDCANCEL, QMessageBox::Information},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        EXPECT_EQ(answerQtBox(c.style, false, &icon), c.pressDefault);
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(answerQtBox(c.style, true), c.escape);
    }
}

TEST(ScriptedMessageBoxesTest, RecordsAnswersAndRestoresThePreviousService)
{
    MessageService* before = &CurrentMessageService();
    {
        ScriptedMessageBoxes boxes;
        EXPECT_EQ(&CurrentMessageService(), &boxes);
        boxes.answer(IDYES);
        MessageBeep(MB_ICONQUESTION);
        EXPECT_EQ(MessageBox(nullptr, "Delete?", "The Vantor", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDYES);
        EXPECT_EQ(MessageBox(nullptr, "Again?", "The Vantor", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
        EXPECT_EQ(MessageBox(nullptr, "Done", "The Vantor", MB_OK), IDOK);
        ASSERT_EQ(boxes.boxes().size(), 3u);
        EXPECT_EQ(boxes.boxes()[0].text, "Delete?");
        EXPECT_EQ(boxes.beeps(), std::vector<std::uint32_t>{MB_ICONQUESTION});
        EXPECT_EQ(boxes.order(), (std::vector<char>{'B', 'M', 'M', 'M'}));
    }
    EXPECT_EQ(&CurrentMessageService(), before);
}

}  // namespace
