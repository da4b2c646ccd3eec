#include "frame/FrameServices.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "frame/TMainFrame.h"

namespace frame {

void ShowStatusText(const char* text)
{
    if (TMainFrame* frame = TMainFrame::Instance())
        frame->ShowStatusText(text);
}

void BeginBusy(int stringId)
{
    if (TMainFrame* frame = TMainFrame::Instance())
        frame->BeginBusy(stringId);
}

void EndBusy(bool reenable)
{
    if (TMainFrame* frame = TMainFrame::Instance())
        frame->EndBusy(reenable);
}

void MoveWindowOnScreen(QWidget* window, int x, int y, int w, int h)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, w, h);
    if (x + w > area.left() + area.width())
        x = area.left() + area.width() - w;
    if (y + h > area.top() + area.height())
        y = area.top() + area.height() - h;
    x = std::max(x, area.left());
    y = std::max(y, area.top());
    // Outer size in, client size out: the desktop's border is not ours to size.
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    window->move(x, y);
    window->resize(w - (outer.width() - inner.width()), h - (outer.height() - inner.height()));
    window->update();
}

}  // namespace frame
