#include "app/WindowActivation.h"

#include <QApplication>
#include <QWidget>

namespace app {

void BringForward(QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    if (mainWindow->isMinimized())
        mainWindow->setWindowState((mainWindow->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    mainWindow->raise();
    mainWindow->activateWindow();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != mainWindow) {
        modal->raise();
        modal->activateWindow();
    }
}

}  // namespace app
