#include <gtest/gtest.h>

#include <QKeyEvent>

#include "resources/accelerators/AcceleratorTable.h"

using namespace resources;

namespace {

struct StrokeCase {
    const char* name;
    KeyStroke stroke;
    int command;
};

}  // namespace

TEST(AcceleratorTable, TranslatesByCharacterCode)
{
    const StrokeCase cases[] = {
        {"Ctrl+S", {19, 'S', KM_CONTROL}, 7740},
        {"Ctrl+P", {16, 'P', KM_CONTROL}, 7724},
        {"Ctrl+T", {20, 'T', KM_CONTROL}, 7709},
        {"Ctrl+M", {13, 'M', KM_CONTROL}, 7888},
        {"Ctrl+H", {8, 'H', KM_CONTROL}, 7788},
        {"Ctrl+U", {21, 'U', KM_CONTROL}, 7743},
        {"Ctrl+D", {4, 'D', KM_CONTROL}, 7744},
        {"Ctrl+Shift+S types 19 as well", {19, 'S', KM_CONTROL | KM_SHIFT}, 7740},
        {"Enter types 13: Mute", {13, VK_RETURN, 0}, 7888},
        {"Backspace types 8: Highlight Current", {8, VK_BACK, 0}, 7788},
        {"Alt+1", {'1', '1', KM_ALT}, 17900},
        {"Alt+4", {'4', '4', KM_ALT}, 17903},
        {"Alt+7", {'7', '7', KM_ALT}, 17906},
        {"Alt+M", {'m', 'M', KM_ALT}, 7869},
        {"Alt+C", {'c', 'C', KM_ALT}, 17931},
        {"Alt+S", {'s', 'S', KM_ALT}, 17932},
        {"F1", {0, VK_F1, 0}, 7716},
        {"Alt+Shift+M types upper case: no entry", {'M', 'M', KM_ALT | KM_SHIFT}, 0},
        {"m without Alt", {'m', 'M', 0}, 0},
        {"1 without Alt", {'1', '1', 0}, 0},
        {"Alt+8", {'8', '8', KM_ALT}, 0},
        {"Ctrl+Alt+S: character entries without Alt", {19, 'S', KM_CONTROL | KM_ALT}, 0},
        {"Alt+Enter", {13, VK_RETURN, KM_ALT}, 0},
        {"Shift+F1: virtual keys match their modifiers exactly", {0, VK_F1, KM_SHIFT}, 0},
        {"Alt+F1", {0, VK_F1, KM_ALT}, 0},
        {"F2", {0, VK_F1 + 1, 0}, 0},
        {"Ctrl+A", {1, 'A', KM_CONTROL}, 0},
        {"nothing typed", {0, 0, 0}, 0},
        {"character 0x70 is not F1", {0x70, 'P', 0}, 0},
    };
    for (const StrokeCase& c : cases)
        EXPECT_EQ(TranslateFrameAccelerator(c.stroke), c.command) << c.name;
}

TEST(AcceleratorTable, FirstMatchingEntryWins)
{
    const AcceleratorEntry table[] = {
        {FVIRTKEY | FCONTROL, 'S', 1},
        {0, 19, 2},
        {0, 19, 3},
    };
    EXPECT_EQ(TranslateAccelerator(table, {19, 'S', KM_CONTROL}), 1);
    EXPECT_EQ(TranslateAccelerator(table, {19, 0, KM_CONTROL}), 2);
    EXPECT_EQ(TranslateAccelerator(table, {19, 'S', KM_CONTROL | KM_SHIFT}), 2);
    EXPECT_EQ(TranslateAccelerator({}, {19, 'S', KM_CONTROL}), 0);
}

namespace {

struct EventCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int charCode;
    int virtualKey;
    int command;
};

}  // namespace

TEST(AcceleratorTable, QtKeyPressesBecomeStrokes)
{
    const EventCase cases[] = {
        {"Ctrl+S", Qt::Key_S, Qt::ControlModifier, {}, 19, 'S', 7740},
        {"Ctrl+M", Qt::Key_M, Qt::ControlModifier, QStringLiteral("\r"), 13, 'M', 7888},
        {"Ctrl+Shift+H", Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier, {}, 8, 'H', 7788},
        {"Return", Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), 13, VK_RETURN, 7888},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), 13, VK_RETURN, 7888},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), 8, VK_BACK, 7788},
        {"Alt+M", Qt::Key_M, Qt::AltModifier, QStringLiteral("m"), 'm', 'M', 7869},
        {"Alt+Shift+M", Qt::Key_M, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("M"), 'M', 'M', 0},
        {"Alt+3", Qt::Key_3, Qt::AltModifier, {}, '3', '3', 17902},
        {"Alt+Shift+1", Qt::Key_1, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("1"), 0, '1', 0},
        {"Alt+C without text", Qt::Key_C, Qt::AltModifier, {}, 'c', 'C', 17931},
        {"F1", Qt::Key_F1, Qt::NoModifier, {}, 0, VK_F1, 7716},
        {"plain s", Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), 's', 'S', 0},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, {}, 27, VK_ESCAPE, 0},
        {"comma types its text", Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","), ',', 0, 0},
    };
    for (const EventCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
        const KeyStroke stroke = KeyStrokeFromEvent(event);
        EXPECT_EQ(stroke.charCode, c.charCode) << c.name;
        EXPECT_EQ(stroke.virtualKey, c.virtualKey) << c.name;
        EXPECT_EQ(TranslateFrameAccelerator(stroke), c.command) << c.name;
    }
}
