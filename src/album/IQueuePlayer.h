#pragma once

// What the queue needs of the player: the current song (zero-based queue line, -1 for none;
// it is not stored in the list) and the move of the selected line that keeps the current
// song on the same song.
class IQueuePlayer {
public:
    virtual ~IQueuePlayer() = default;
    virtual int CurrentSong() const = 0;
    virtual void SetCurrentSong(int index) = 0;

    // Moves the selected line by offset (TEasyLB::MoveSelected) and then fixes the current
    // song's index; the result of the move (0, or -1 when nothing moved).
    virtual int MoveSelectedSong(int offset) = 0;
};
