#pragma once
// Menus from the resource tables as QMenu/QAction trees. Every action carries
// its command id as data (a pop-up's action carries the pop-up's id), the label
// as stored in the property "menuLabel" (the settings keys are made from it),
// and the string with its id as status tip. Command items are checkable and a
// check mark is QAction::isChecked(); only the program's command handlers change
// it, so the flip Qt makes on a triggered checkable action is undone first.
//
// The tree belongs to the root menu, not to a menu bar showing it: clearing the
// bar (detaching the menu) leaves every action and its check mark alive.

#include <QString>

#include "resources/menus/MenuTemplate.h"

class QAction;
class QMenu;
class QWidget;

constexpr const char* kMenuLabelProperty = "menuLabel";

// A QMenu whose actions are the template's top-level items, owned by parent.
QMenu* BuildMenu(const resources::MenuTemplate& menu, QWidget* parent = nullptr);

// BuildMenu of the template with this resource id, or nullptr when there is none.
QMenu* LoadMenu(int resourceId, QWidget* parent = nullptr);

// The first pop-up of the template with this id as a menu of its own (the way
// the queue's and the Elements' right-button menus are shown), or nullptr.
QMenu* LoadPopupMenu(int resourceId, QWidget* parent = nullptr);

// How a menu shows a stored label: the text before the first TAB or BS, then a
// TAB and the accelerator text after it; a label without either is shown as is.
QString MenuDisplayText(const char* label);

// The command id an action carries, or 0.
int MenuCommandId(const QAction* action);

// The stored label of an action made by this builder.
QString MenuStoredLabel(const QAction* action);

// Depth-first search of menu and its pop-ups for the action with this id
// (a pop-up is found by its own id); nullptr when there is none.
QAction* FindMenuAction(const QMenu* menu, int id);

// Position of the action with this id among menu's own actions (separators
// count), or -1.
int MenuItemPosition(const QMenu* menu, int id);
