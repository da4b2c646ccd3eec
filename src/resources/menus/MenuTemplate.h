#pragma once
// Menus as data: items in menu order with their command ids, labels as stored
// (a TAB or BS inside a label starts its accelerator text; trailing blanks are
// part of the label and keep an item out of the settings keys) and their initial
// check mark. The controls layer turns a template into QMenu/QAction trees.

#include <span>

namespace resources {

enum class MenuItemKind { Command, Separator, Popup };

struct MenuItem {
    MenuItemKind kind;
    int id;                          // command id; 0 for separators and pop-ups
    const char* label;               // "" for separators
    bool checked;                    // check mark as the resource has it
    std::span<const MenuItem> items; // a pop-up's items
};

struct MenuTemplate {
    int id;
    std::span<const MenuItem> items;
};

// The template with this resource id (7771, 7787, 17936), or nullptr.
const MenuTemplate* FindMenuTemplate(int id);

// A pop-up's identifier: its first item's id minus 1, where a first item that is
// itself a pop-up counts with its own identifier (so Options, whose first item is
// Song Play 7862, is 7861); 0 for an empty pop-up or a separator first.
int PopupId(const MenuItem& popup);

// Position of the first character of a label's accelerator text (after the TAB or
// BS), or -1 when the label has none.
int AcceleratorTextStart(const char* label);

}  // namespace resources
