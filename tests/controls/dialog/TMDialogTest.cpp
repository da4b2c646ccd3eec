#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "controls/console/TLedStatic.h"
#include "controls/dialog/T3DFrame.h"
#include "controls/dialog/TMDialog.h"
#include "resources/bitmaps/Bitmaps.h"
#include "resources/dialogs/ConsoleIds.h"
#include "resources/dialogs/DialogTemplate.h"
#include "resources/dialogs/InfoDialogs.h"

using namespace resources;

namespace {

TEST(DialogTemplates, ConsoleTemplateIsFoundByIdAndUnknownIdsAreNot)
{
    const DialogTemplate* t = FindDialogTemplate(IDD_CONSOLE);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->items.size(), 16u);
    EXPECT_EQ(t->width, 185);
    EXPECT_EQ(t->height, 52);
    EXPECT_TRUE(t->style & WS_CHILD);
    EXPECT_EQ(FindDialogTemplate(4711), nullptr);
}

TEST(TMDialog, CreateFailsForAMissingTemplateOrAnUnboundClass)
{
    TMDialog missing(nullptr, 4711);
    EXPECT_EQ(missing.Create(), -1);
    EXPECT_FALSE(missing.IsCreated());

    // 7714 names "ColorStatic", which only bound objects provide.
    TMDialog unbound(nullptr, IDD_CONSOLE);
    EXPECT_EQ(unbound.Create(), -1);
}

TEST(TMDialog, EveryModalTemplateBuildsWithStandardControlsFoundById)
{
    for (int id : {IDD_UPGRADE_INFO, IDD_ADD_SONGS, IDD_ABOUT, IDD_ALBUM_PROPERTIES, IDD_VOLUME_DEVICE}) {
        SCOPED_TRACE(id);
        const DialogTemplate* t = FindDialogTemplate(id);
        ASSERT_NE(t, nullptr);
        TMDialog dialog(nullptr, id);
        ASSERT_EQ(dialog.Create(), 0);
        EXPECT_TRUE(dialog.isWindow());
        EXPECT_EQ(dialog.windowTitle(), QString(t->caption));
        EXPECT_EQ(dialog.size(), dialog.MapDialogRect(QRect(0, 0, t->width, t->height)).size());
        for (const DialogItem& e : t->items) {
            if (e.id == IDC_STATIC)
                continue;
            QWidget* w = dialog.item(e.id);
            ASSERT_NE(w, nullptr) << e.id;
            EXPECT_EQ(w->geometry(), dialog.MapDialogRect(QRect(e.x, e.y, e.width, e.height))) << e.id;
        }
    }
}

TEST(TMDialog, ACaptionTooLongForTheTemplateWidensTheDialogAroundItsControls)
{
    for (int id : {IDD_UPGRADE_INFO, IDD_VOLUME_DEVICE}) {
        SCOPED_TRACE(id);
        TMDialog plain(nullptr, id);
        TMDialog widened(nullptr, id);
        widened.WidenForCaption();
        ASSERT_EQ(plain.Create(), 0);
        ASSERT_EQ(widened.Create(), 0);
        EXPECT_EQ(widened.height(), plain.height());
        const int extra = widened.width() - plain.width();
        EXPECT_EQ(widened.item(IDOK)->geometry(), plain.item(IDOK)->geometry().translated(extra / 2, 0));
        // The upgrade information's caption is longer than its template is wide; the other fits.
        EXPECT_EQ(extra > 0, id == IDD_UPGRADE_INFO) << extra;
    }
}

TEST(TMDialog, OkAndCancelButtonsEndTheDialogWithTheirIds)
{
    for (int button : {IDOK, IDCANCEL}) {
        TMDialog dialog(nullptr, IDD_VOLUME_DEVICE);
        ASSERT_EQ(dialog.Create(), 0);
        auto* b = dialog.itemAs<QPushButton>(button);
        ASSERT_NE(b, nullptr);
        b->click();
        EXPECT_EQ(dialog.result(), button);
    }
}

TEST(TMDialog, AnIconStaticShowsTheIconItsTextNames)
{
    TMDialog dialog(nullptr, IDD_ABOUT);
    ASSERT_EQ(dialog.Create(), 0);
    QLabel* icon = nullptr;
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (!l->pixmap().isNull())
            icon = l;
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), LoadIcon(7713).size());
    EXPECT_TRUE(icon->text().isEmpty());
}

class ConsoleTemplateDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const DialogItem& e : FindDialogTemplate(IDD_CONSOLE)->items)
            if (QString(e.className) == "ColorStatic")
                dialog.BindItem(e.id, [id = e.id](QWidget* p) { return new TLedStatic(p, id, 0, 50); });
        ASSERT_EQ(dialog.Create(), 0);
    }
    void ExpectNewFaceAfterColourChange();
    TMDialog dialog{nullptr, IDD_CONSOLE};
};

TEST_F(ConsoleTemplateDialog, ItemsAreFoundByIdWithTheirTemplateTextAndVisibility)
{
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CAPTION_LENGTH), "LENGTH");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_SONG_COUNT), "000");
    EXPECT_NE(dialog.itemAs<TLedStatic>(IDC_TIME), nullptr);
    // The size frame is a standard static, hidden.
    QWidget* size = dialog.item(IDC_CONSOLE_SIZE);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(dialog.itemAs<TLedStatic>(IDC_CONSOLE_SIZE), nullptr);
    EXPECT_TRUE(size->isHidden());
    EXPECT_FALSE(dialog.item(IDC_TIME)->isHidden());
    EXPECT_EQ(dialog.item(12345), nullptr);
}

TEST_F(ConsoleTemplateDialog, TextOfUnknownIdsFailsAndKnownIdsRoundTrip)
{
    EXPECT_EQ(dialog.SetDlgItemText(12345, "x"), -1);
    EXPECT_EQ(dialog.GetDlgItemText(12345), QString());
    EXPECT_EQ(dialog.SetDlgItemText(IDC_LAMP_PLAY, "PLAY"), 0);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_LAMP_PLAY), "PLAY");
}

TEST_F(ConsoleTemplateDialog, EveryChildGetsTheDialogFont)
{
    EXPECT_EQ(dialog.item(IDC_CONSOLE_SIZE)->font(), dialog.DialogFont());
    const QFont* f = dialog.itemAs<TLedStatic>(IDC_CONSOLE_PANEL)->GetFont();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(*f, dialog.DialogFont());
}

TEST_F(ConsoleTemplateDialog, AChildTemplateMakesAChildWidgetThatEscapeDoesNotHide)
{
    QWidget host;
    dialog.setParent(&host);
    EXPECT_FALSE(dialog.isWindow());
    host.show();
    dialog.show();
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    dialog.setParent(nullptr);   // the fixture owns it, not host
}

TEST_F(ConsoleTemplateDialog, TwoBordersLieInsideTheClientEdge)
{
    // Sunken 2-pixel border 4 pixels in, raised one 7 pixels in.
    QList<T3DFrame*> frames = dialog.findChildren<T3DFrame*>(Qt::FindDirectChildrenOnly);
    ASSERT_GE(frames.size(), 2);
    const QRect client = dialog.rect();
    EXPECT_TRUE(frames[0]->IsSunken());
    EXPECT_EQ(frames[0]->geometry(), client.adjusted(4, 4, -4, -4));
    EXPECT_FALSE(frames[1]->IsSunken());
    EXPECT_EQ(frames[1]->geometry(), client.adjusted(7, 7, -7, -7));
    EXPECT_EQ(frames[1]->Thickness(), 2);
}

TEST_F(ConsoleTemplateDialog, ChangingTheSystemColoursRepaintsOnTheNewFace)
{
    for (bool child : {false, true}) {
        SCOPED_TRACE(child ? "child dialog" : "dialog window");
        QWidget host;
        if (child)
            dialog.setParent(&host);
        ExpectNewFaceAfterColourChange();
        dialog.setParent(nullptr);
    }
}

void ConsoleTemplateDialog::ExpectNewFaceAfterColourChange()
{
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Button, QColor(200, 100, 50));
    QApplication::setPalette(changed);
    QApplication::processEvents();
    EXPECT_EQ(dialog.FaceColor(), QColor(200, 100, 50));
    const QImage image = dialog.grab().toImage();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(200, 100, 50));
    QApplication::setPalette(saved);
    QApplication::processEvents();
    EXPECT_EQ(dialog.FaceColor(), saved.color(QPalette::Button));
}

}  // namespace
