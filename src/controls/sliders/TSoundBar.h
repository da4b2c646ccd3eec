#pragma once
// The position and volume slider: a horizontal scroll bar from 0 to 10000, line
// step 100, page step 1000. Each user action moves the position first and is
// then delivered to the owner as a scroll code: arrows and shaft give
// SB_LINEUP/DOWN or SB_PAGEUP/DOWN (repeated while held) and SB_ENDSCROLL on
// release; a thumb drag gives SB_THUMBTRACK per move, then SB_THUMBPOSITION and
// SB_ENDSCROLL on release. SetPosition never notifies. A right-button press is
// sent on unchanged to the parent (the bar, which passes it to the frame).
// The thumb is a raised button face, as the tool-bar buttons are drawn, in a
// sunken shaft.

#include <QScrollBar>

class ISliderOwner;

class TSoundBar : public QScrollBar {
    Q_OBJECT
public:
    static constexpr int kMaximum = 10000;
    static constexpr int kLineStep = 100;
    static constexpr int kPageStep = 1000;

    TSoundBar(QWidget* parent, int id, int x, int y, int width, int height, bool horizontal = true);
    ~TSoundBar() override;

    int Id() const { return id_; }
    void SetOwner(ISliderOwner* owner) { owner_ = owner; }

    int GetPosition() const { return value(); }
    // Clamped to the range; nothing happens when the result is the current position.
    void SetPosition(int position);
    void GetRange(int& minimum, int& maximum) const;
    void SetRange(int minimum, int maximum);
    int GetLineMagnitude() const { return singleStep(); }
    int GetPageMagnitude() const { return pageStep(); }

    // Applies a scroll code as a user action would (thumbPosition for the two
    // thumb codes), then tells the owner.
    void Scroll(int scrollCode, int thumbPosition = 0);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Each step of the wheel is a line step and the end of the scroll.
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnAction(int action);
    void Notify(int scrollCode);

    int id_;
    ISliderOwner* owner_ = nullptr;
    bool stepping_ = false;   // an arrow or the shaft is held
    int wheelDelta_ = 0;      // wheel movement short of a whole step
};
