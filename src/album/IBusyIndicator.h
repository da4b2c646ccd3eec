#pragma once

// The frame's busy state around long operations: BeginBusy shows the string-table text
// stringId in the status bar with the wait cursor and disables the frame; EndBusy restores
// the cursor, clears the text and enables the frame again when reenable is true.
class IBusyIndicator {
public:
    virtual ~IBusyIndicator() = default;
    virtual void BeginBusy(int stringId) = 0;
    virtual void EndBusy(bool reenable) = 0;
};
