#pragma once
// Accelerator table 7735. Entries match either a character code (the character a
// key stroke types, such as 19 for Ctrl+S) or a virtual key. Any key that types
// the same character gives the same command: Enter types 13 like Ctrl+M, and
// Backspace types 8 like Ctrl+H.

#include <span>

class QKeyEvent;

namespace resources {

enum AcceleratorFlag : unsigned {
    FVIRTKEY = 0x01,   // key is a virtual key; otherwise it is a character code
    FSHIFT = 0x04,     // virtual-key entries only
    FCONTROL = 0x08,   // virtual-key entries only
    FALT = 0x10,
};

struct AcceleratorEntry {
    unsigned flags;
    int key;
    int command;
};

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_F1 = 0x70;   // VK_F2 ... VK_F24 follow

enum KeyModifier : unsigned {
    KM_SHIFT = 0x1,
    KM_CONTROL = 0x2,
    KM_ALT = 0x4,
};

// One key press as the accelerators see it: the virtual key pressed, the
// character it types (0 when it types none) and the modifiers held.
struct KeyStroke {
    int charCode = 0;
    int virtualKey = 0;
    unsigned modifiers = 0;
};

std::span<const AcceleratorEntry> FrameAccelerators();

// The command of the first entry of table the stroke matches, or 0. A
// character entry matches the typed character with Alt held exactly when the
// entry has FALT (Shift and Control only shape the character); a virtual-key
// entry matches the key with exactly its Shift, Control and Alt flags.
int TranslateAccelerator(std::span<const AcceleratorEntry> table, const KeyStroke& stroke);

// The same against table 7735.
int TranslateFrameAccelerator(const KeyStroke& stroke);

// The stroke a Qt key press stands for: Control with a letter types the control
// character (letter - 64), Alt with a letter types it in lower case unless Shift
// is held, Enter types 13, Backspace 8, Tab 9, Escape 27.
KeyStroke KeyStrokeFromEvent(const QKeyEvent& event);

}  // namespace resources
