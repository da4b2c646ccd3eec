#pragma once
// Closing the modal windows that stand in the way of a close request.

namespace app {

// Dismisses every open modal window, topmost first, as Cancel: an open pop-up
// menu is closed without a choice, a message box of the message service
// answers IDCANCEL, a dialog is rejected, any other modal window is closed. Returns how many were dismissed. The nested event
// loops they ran end once control returns to them.
int DismissModalWindows();

}  // namespace app
