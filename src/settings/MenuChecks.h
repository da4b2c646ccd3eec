#pragma once
// Options stored as the check marks of menu items, under keys made from their
// labels, so that a new check item in a stored pop-up is a new setting without
// code. Nothing is cached: every call reads or writes the file.

#include <QString>

#include <string>

class QAction;
class QMenu;

namespace settings {

// The key a stored menu label gives: the text before the first TAB or BS with
// every blank and '&' removed. Empty when the label ends in a blank (such items
// are never stored) or is empty. Only the first 79 characters of a label count.
QString MenuCheckKey(const QString& storedLabel);

// Walks popup and its nested pop-ups depth first, in menu order; every command
// item (id above 0) whose label gives a key gets its check mark from the key in
// section (default 1: checked).
void ReadMenuChecks(QMenu* popup, const char* section, const std::string& settingsPath);

// The same walk, writing 1 or 0 for each item. False when a write failed (the
// walk goes on with the other items).
bool WriteMenuChecks(QMenu* popup, const char* section, const std::string& settingsPath);

// One check mark of menu (searched depth first by id) from or to a [Settings]
// key ("%d" of 1 or 0). ReadCheck returns the new mark (1 or 0), or -1 when menu
// has no such item (the file is then not read).
int ReadCheck(QMenu* menu, int id, const char* key, int defaultValue, const std::string& settingsPath);
bool WriteCheck(QMenu* menu, int id, const char* key, const std::string& settingsPath);

}  // namespace settings
