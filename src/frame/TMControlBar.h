#pragma once
// A horizontal bar of gadgets without a window border. Gadgets are laid out
// left to right; a wide control takes the width the bar has left. A button's
// hint is offered as soon as the pointer enters it. Mouse buttons the gadgets
// leave alone (the right button) go on to the bar's parent, the frame.

#include <QWidget>

#include <memory>

class ICommandTarget;
class IGadgetTimer;
class QHBoxLayout;
class QLabel;
class TButtonGadget;

namespace frame {

class TMControlBar : public QWidget {
    Q_OBJECT
public:
    TMControlBar(int id, QWidget* parent);
    ~TMControlBar() override;

    int Id() const { return id_; }

    // Where the bar's buttons post their commands.
    void SetCommandTarget(ICommandTarget* target);
    // The button with this command id, or null.
    TButtonGadget* FindButton(int commandId) const;

signals:
    void hintEntered(int commandId);
    void hintLeft();

protected:
    void SetMargins(int left, int top, int right, int bottom);
    void AddButton(TButtonGadget* button);
    void AddSeparator(int width);
    QLabel* AddText(const QString& text, int characters);
    void AddControl(QWidget* control, bool wide, Qt::Alignment alignment = Qt::AlignVCenter);
    // Whatever width is left stays empty bar at the right.
    void AddStretch();

    IGadgetTimer& Timers() { return *timer_; }

private:
    int id_;
    QHBoxLayout* layout_;
    std::unique_ptr<IGadgetTimer> timer_;
};

}  // namespace frame
