#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include <memory>

#include "controls/dialog/DialogBuilder.h"
#include "resources/dialogs/InfoDialogs.h"

using namespace resources;

// The About box's icon static shows the icon its text names.
TEST(IconStatic, ShowsTheIconResourceItNames)
{
    QWidget parent;
    const DialogItem icon{IDC_STATIC, "STATIC", 0, 0, 20, 20, "7713", WS_CHILD | WS_VISIBLE | SS_ICON};
    auto* label = qobject_cast<QLabel*>(CreateStandardControl(&parent, icon));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->pixmap().size(), QSize(32, 32));
    EXPECT_TRUE(label->text().isEmpty());

    const DialogItem unknown{IDC_STATIC, "STATIC", 0, 0, 20, 20, "1", WS_CHILD | WS_VISIBLE | SS_ICON};
    auto* empty = qobject_cast<QLabel*>(CreateStandardControl(&parent, unknown));
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->pixmap().isNull());
}
