#pragma once
// The text of a private profile (INI) file as lines, with the lookups and edits
// the profile functions need. Section and key names are compared without regard
// to case and with surrounding white space ignored; the first of duplicate
// sections or keys is the one that counts. Every line that is not a section
// header or a key (comments, blank lines, garbage) is kept where it is, and edits
// touch only the lines they concern.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ProfileDocument {
public:
    // Lines may end in LF or CR LF; a leading UTF-8 byte order mark is kept aside.
    static ProfileDocument parse(std::string_view text);
    // Every line ended by CR LF.
    std::string serialize() const;

    // The value of a key, without surrounding white space and without one pair
    // of matching surrounding quotes. Nothing when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    // Keys of the section in file order; nothing when there is no such section.
    std::optional<std::vector<std::string>> keyNames(std::string_view section) const;

    // The edits answer whether the text changed. A new key goes after the last key
    // of its section (right after the header when it has none); a new section goes
    // at the end of the file.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    // Removes the header and every line up to the next section.
    bool removeSection(std::string_view section);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    // Index of the first header of the section, and one past its last line.
    std::optional<std::pair<std::size_t, std::size_t>> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(std::size_t begin, std::size_t end, std::string_view key) const;

    std::vector<std::string> lines_;
    bool byteOrderMark_ = false;
};

}  // namespace platform
