#pragma once

class QWidget;

namespace app {

// What a second copy asks of the first: the main window restored when it is
// minimized, otherwise brought to the top, and an open modal window of the
// program (a dialog or message box) brought to the top above it.
void BringForward(QWidget* mainWindow);

}  // namespace app
