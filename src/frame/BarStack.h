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
    // Bottom bars in their order below the console. A companion (the separator)
    // shows only while another bottom bar does: alone it would be a strip under
    // the console.
    void AddBottom(QWidget* bar, bool companion = false)
    {
        bottom_.append(bar);
        if (companion)
            companions_.append(bar);
    }

    // Height of the menu bar while it is shown, else 0.
    int MenuBarHeight() const;
    int ClientWidth() const;
    int ClientHeight() const;
    // Sum of (height - 1) over the bars that are not hidden.
    int BarsHeight() const;
    // Menu bar + console + bars.
    int ContentHeight() const;

    // Places every piece that is not hidden across width; shows or hides the companions.
    void Arrange(int width) const;

private:
    static bool Shown(const QWidget* widget);
    bool Counts(const QWidget* bar) const;
    bool OtherBottomBarShown() const;

    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QList<QWidget*> top_;
    QList<QWidget*> bottom_;
    QList<QWidget*> companions_;
};

}  // namespace frame
