#pragma once
// The long file names of the songs the queue holds, by the drive path their line
// holds (c:\mysong~7\_l_gie~5.mid gives "Élégie.mid"). Each name is looked up in
// the path namespace once, when it is learnt, so that drawing a line or a
// caption never goes to the disk.

#include <string>
#include <string_view>
#include <unordered_map>

class LongNames {
public:
    // Looks up the file songPath names and keeps its name as stored on disk. A
    // path that names no file is forgotten: it has no long name.
    void Learn(const std::string& songPath);
    void Clear() { names_.clear(); }

    // The long name learnt for songPath; empty when there is none.
    std::string_view Find(const std::string& songPath) const;

private:
    std::unordered_map<std::string, std::string> names_;
};
