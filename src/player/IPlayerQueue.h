#pragma once
// The song queue's line operations the player uses (the queue list box offers
// them). Indexes are zero-based; a negative result means failure.

#include <optional>
#include <string>

namespace player {

class IPlayerQueue {
public:
    virtual ~IPlayerQueue() = default;
    virtual int GetCount() const = 0;
    virtual int GetSelIndex() const = 0;
    // Fails for an index that names no line.
    virtual int SetSelIndex(int index) = 0;
    // The full path of line index; none when index names no line.
    virtual std::optional<std::string> GetSongPath(int index) const = 0;
    // Deletes the line and refreshes the TOTAL read-out.
    virtual int RemoveSongAt(int index) = 0;
    virtual void ClearSongs() = 0;
    // Moves the selected line by offset and selects it at its new place.
    virtual int MoveSelected(int offset) = 0;
};

}  // namespace player
