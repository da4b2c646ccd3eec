#pragma once
// The string table: every text the program loads by identifier. A command's
// status-bar hint is the string with the command's id, a pop-up's hint the string
// with the pop-up's id, a console lamp's lit word the string with the lamp's id.

#include <span>

namespace resources {

struct StringEntry {
    int id;
    const char* text;
};

// The text with this id, or nullptr when the table has none.
const char* FindString(int id);

// The text with this id, or "" when the table has none (as a string load into a
// buffer leaves it empty).
const char* LoadString(int id);

// Every entry, in ascending id order.
std::span<const StringEntry> StringTable();

}  // namespace resources
