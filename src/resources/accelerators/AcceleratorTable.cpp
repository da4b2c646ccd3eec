#include "resources/accelerators/AcceleratorTable.h"

#include <QKeyEvent>

#include "resources/CommandIds.h"

namespace resources {

namespace {

constexpr int Ctrl(char letter) { return letter - 'A' + 1; }

constexpr AcceleratorEntry kFrameAccelerators[] = {
    {0, Ctrl('S'), CM_SAVE_ALBUM},
    {0, Ctrl('P'), CM_PAUSE},
    {0, Ctrl('T'), CM_REPEAT},
    {0, Ctrl('M'), CM_MUTE},
    {0, Ctrl('H'), CM_HIGHLIGHT_CURRENT},
    {0, Ctrl('U'), CM_MOVE_UP},
    {0, Ctrl('D'), CM_MOVE_DOWN},
    {FALT, '1', 17900},
    {FALT, '2', 17901},
    {FALT, '3', 17902},
    {FALT, '4', 17903},
    {FALT, '5', 17904},
    {FALT, '6', 17905},
    {FALT, '7', 17906},
    {FALT, 'm', CM_MENU_BAR},
    {FALT, 'c', CM_CUSTOM_VIEW},
    {FALT, 's', CM_SAVE_CUSTOM_VIEW},
    {FVIRTKEY, VK_F1, CM_HELP_CONTENTS},
};

bool Matches(const AcceleratorEntry& entry, const KeyStroke& stroke)
{
    const bool alt = (stroke.modifiers & KM_ALT) != 0;
    if ((entry.flags & FVIRTKEY) == 0)
        return stroke.charCode != 0 && stroke.charCode == entry.key && alt == ((entry.flags & FALT) != 0);
    if (stroke.virtualKey == 0 || stroke.virtualKey != entry.key)
        return false;
    return alt == ((entry.flags & FALT) != 0) && ((stroke.modifiers & KM_SHIFT) != 0) == ((entry.flags & FSHIFT) != 0)
        && ((stroke.modifiers & KM_CONTROL) != 0) == ((entry.flags & FCONTROL) != 0);
}

int VirtualKeyOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    default: return 0;
    }
}

int CharCodeOf(const QKeyEvent& event, int virtualKey, unsigned modifiers)
{
    switch (virtualKey) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        return virtualKey;
    default:
        break;
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        if (modifiers & KM_CONTROL)
            return virtualKey - 'A' + 1;
        return (modifiers & KM_SHIFT) ? virtualKey : virtualKey - 'A' + 'a';
    }
    // Alt with a digit types the digit; with Shift too it types the layout's
    // symbol on that key, never the digit.
    if (virtualKey >= '0' && virtualKey <= '9' && (modifiers & KM_CONTROL) == 0 && (modifiers & KM_ALT) != 0)
        return (modifiers & KM_SHIFT) ? 0 : virtualKey;
    if (virtualKey >= VK_F1)
        return 0;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

}  // namespace

std::span<const AcceleratorEntry> FrameAccelerators() { return kFrameAccelerators; }

int TranslateAccelerator(std::span<const AcceleratorEntry> table, const KeyStroke& stroke)
{
    for (const AcceleratorEntry& entry : table) {
        if (Matches(entry, stroke))
            return entry.command;
    }
    return 0;
}

int TranslateFrameAccelerator(const KeyStroke& stroke) { return TranslateAccelerator(kFrameAccelerators, stroke); }

KeyStroke KeyStrokeFromEvent(const QKeyEvent& event)
{
    KeyStroke stroke;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::ShiftModifier)
        stroke.modifiers |= KM_SHIFT;
    if (mods & Qt::ControlModifier)
        stroke.modifiers |= KM_CONTROL;
    if (mods & Qt::AltModifier)
        stroke.modifiers |= KM_ALT;
    stroke.virtualKey = VirtualKeyOf(event.key());
    stroke.charCode = CharCodeOf(event, stroke.virtualKey, stroke.modifiers);
    return stroke;
}

}  // namespace resources
