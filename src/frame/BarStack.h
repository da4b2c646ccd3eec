#pragma once
// Where the frame's pieces go, top to bottom: the menu bar, the top bars, the
// console, the bottom bars. Every bar is counted one pixel less than its height:
// it overlaps its neighbour on the console's side by one row. A hidden piece
// takes no room, and a bar shown again is back in its own place because the
// order never changes. The frame's content height follows from this alone.

#include <QList>

class QMenuBar;
class QWidget;

namespace frame {

class BarStack {
public:
    void SetMenuBar(QMenuBar* menuBar) { menuBar_ = menuBar; }
    void SetClient(QWidget* client) { client_ = client; }
    void AddTop(QWidget* bar) { top_.append(bar); }
    // Bottom bars in their order below the console.
    void AddBottom(QWidget* bar) { bottom_.append(bar); }

    // Height of the menu bar while it is shown, else 0.
    int MenuBarHeight() const;
    int ClientWidth() const;
    int ClientHeight() const;
    // Sum of (height - 1) over the bars that are not hidden.
    int BarsHeight() const;
    // Menu bar + console + bars.
    int ContentHeight() const;

    // Places every piece that is not hidden across width.
    void Arrange(int width) const;

private:
    static bool Shown(const QWidget* widget);

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QList<QWidget*> top_;
    QList<QWidget*> bottom_;
};

}  // namespace frame
