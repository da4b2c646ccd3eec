// Qt's font dialog behind the font dialog service: OK hands back the choice,
// Cancel leaves the font alone.

#include "platform/ui/FontDialog.h"
#include "platform/ui/QtFontDialogService.h"

#include <QApplication>
#include <QFontDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the next modal font dialog after the user picked `pick`.
void AnswerDialog(const QFont& pick, bool ok, QString* title)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        *title = dialog->windowTitle();
        dialog->setCurrentFont(pick);
        ok ? dialog->accept() : dialog->reject();
    });
}

TEST(FontDialogTest, OkGivesTheChoiceAndCancelKeepsTheFont)
{
    platform::QtFontDialogService service;
    const QFont original("DejaVu Sans", 10);
    const QFont pick("DejaVu Serif", 16, QFont::Bold);

    QFont font = original;
    QString title;
    AnswerDialog(pick, false, &title);
    EXPECT_FALSE(service.chooseFont(nullptr, font, "Choose Font"));
    EXPECT_EQ(title, "Choose Font");
    EXPECT_EQ(font, original);

    AnswerDialog(pick, true, &title);
    EXPECT_TRUE(service.chooseFont(nullptr, font, "Choose Font"));
    EXPECT_EQ(font.family(), pick.family());
    EXPECT_EQ(font.pointSize(), 16);
    EXPECT_EQ(font.weight(), QFont::Bold);
}

class CountingService : public platform::FontDialogService {
public:
    bool chooseFont(QWidget*, QFont& font, const QString& caption) override
    {
        lastCaption = caption;
        font.setPointSize(22);
        return true;
    }
    QString lastCaption;
};

TEST(FontDialogTest, TheInstalledServiceAnswersUntilRemoved)
{
    CountingService counting;
    platform::SetFontDialogService(&counting);
    QFont font("DejaVu Sans", 10);
    EXPECT_TRUE(platform::ChooseFont(nullptr, font));
    EXPECT_EQ(counting.lastCaption, "Choose Font");
    EXPECT_EQ(font.pointSize(), 22);
    platform::SetFontDialogService(nullptr);
    EXPECT_NE(&platform::CurrentFontDialogService(), &counting);
}

}  // namespace
