#pragma once
// Status-bar and busy-state services of the one main frame, for code anywhere
// in the program. Without a frame they do nothing.

class QWidget;

namespace frame {

// The status bar's hint text (null clears it); shown whether or not Mini Help is on.
void ShowStatusText(const char* text);
// The string-table text stringId in the status bar, the wait cursor, the frame
// repainted at once and then disabled until EndBusy.
void BeginBusy(int stringId);
// The arrow cursor back, the text cleared, the frame enabled again when reenable.
void EndBusy(bool reenable);

// Moves and sizes window (x, y, w, h: its outer rectangle) so that its right and
// bottom edges are on the screen and its left and top edges not above or left of
// the screen's origin.
void MoveWindowOnScreen(QWidget* window, int x, int y, int w, int h);

}  // namespace frame
