#pragma once
// The state of the modifier keys at the moment of a command. Commands that
// change with Shift read it here, so tests can hold the key down.

#include <optional>

namespace platform {

// True when Shift is held now (Qt's live query of the keyboard), or the override.
bool IsShiftDown();

// Makes IsShiftDown answer state; nothing restores the live query.
void SetShiftDownOverride(std::optional<bool> state);

// Holds the override for its lifetime and restores the previous one.
class ScopedShiftDown {
public:
    explicit ScopedShiftDown(bool down);
    ~ScopedShiftDown();
    ScopedShiftDown(const ScopedShiftDown&) = delete;
    ScopedShiftDown& operator=(const ScopedShiftDown&) = delete;

private:
    std::optional<bool> previous_;
};

}  // namespace platform
