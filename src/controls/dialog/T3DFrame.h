#pragma once
// A child window that paints only a bevelled edge. Its interior is neither
// painted nor hit: what lies inside stays visible and keeps its clicks; clicks on
// the edge go to the parent.

#include <QRect>
#include <QWidget>

class T3DFrame : public QWidget {
    Q_OBJECT
public:
    T3DFrame(QWidget* parent, bool sunken, int thickness);

    bool IsSunken() const { return sunken_; }
    int Thickness() const { return thickness_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int thickness_;
    bool sunken_;
};

// Creates a frame child of parent covering rect, then shrinks rect by 1 pixel
// per side for a sunken frame and leaves it for a raised one, whatever the
// thickness. The parent owns the frame.
T3DFrame* Make3DFrame(QWidget* parent, QRect& rect, bool sunken, int thickness);
