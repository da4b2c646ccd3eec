#pragma once
// A bar button showing one glyph bitmap and posting its command id. The press
// protocol: a left press captures the mouse and calls StartPress; leaving the
// button while held calls CancelPress, coming back calls StartPress again; the
// release calls ReleaseButton, which fires only when still pressed. Fire flips a
// toggle, raises the button and posts the command when the button is enabled.
// Buttons of the same parent with type Exclusive form one group.

#include <QPixmap>
#include <QWidget>

class ICommandTarget;

class TButtonGadget : public QWidget {
    Q_OBJECT
public:
    enum class Type { Command = 0, Exclusive = 1, NonExclusive = 2 };
    enum class State { Up = 0, Down = 1, Indeterminate = 2 };

    TButtonGadget(int glyph, int commandId, Type type, bool enabled, State state, bool repeat,
                  QWidget* parent = nullptr);
    ~TButtonGadget() override;

    int GlyphId() const { return glyph_; }
    int CommandId() const { return commandId_; }
    Type GetType() const { return type_; }
    State GetButtonState() const { return state_; }
    void SetButtonState(State state);
    bool IsRepeat() const { return repeat_; }
    bool IsPressed() const { return pressed_; }
    bool NotchCorners() const { return notchCorners_; }
    void SetNotchCorners(bool notch);

    // Posted commands go here; without a target nothing is posted.
    void SetCommandTarget(ICommandTarget* target) { target_ = target; }
    ICommandTarget* CommandTarget() const { return target_; }

    QSize sizeHint() const override;

signals:
    // The pointer entered the button (its hint is the string with commandId) or left it.
    void hintEntered(int commandId);
    void hintLeft();

protected:
    virtual void StartPress();
    virtual void CancelPress();
    virtual void Fire();
    // The left button went up; the capture is released first.
    virtual void ReleaseButton();
    // The press in progress ends without a release (the button was disabled).
    virtual void CaptureLost();

    void PostCommand(int commandId) const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ReleaseExclusiveNeighbours();

    int glyph_;
    int commandId_;
    Type type_;
    State state_;
    bool repeat_;
    bool pressed_ = false;
    bool captured_ = false;
    bool notchCorners_ = true;
    QPixmap glyphPixmap_;
    ICommandTarget* target_ = nullptr;
};
