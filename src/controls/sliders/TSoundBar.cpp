#include "controls/sliders/TSoundBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

#include "controls/dialog/DialogBuilder.h"
#include "controls/dialog/MouseForward.h"
#include "controls/paint/Bevel.h"
#include "controls/paint/ButtonFace.h"
#include "controls/sliders/ISliderOwner.h"
#include "controls/sliders/ScrollCodes.h"

TSoundBar::TSoundBar(QWidget* parent, int id, int x, int y, int width, int height, bool horizontal)
    : QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, parent), id_(id)
{
    SetDialogItemId(this, id);
    setGeometry(x, y, width, height);
    SetRange(0, kMaximum);
    setSingleStep(kLineStep);
    setPageStep(kPageStep);
    // The right button belongs to the frame; the scroll bar's own menu would hide it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractSlider::actionTriggered, this, &TSoundBar::OnAction);
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        Notify(SB_THUMBPOSITION);
        Notify(SB_ENDSCROLL);
    });
}

TSoundBar::~TSoundBar() = default;

void TSoundBar::SetPosition(int position)
{
    const int clamped = std::clamp(position, minimum(), maximum());
    if (clamped != value())
        setValue(clamped);
}

void TSoundBar::GetRange(int& minimum, int& maximum) const
{
    minimum = this->minimum();
    maximum = this->maximum();
}

void TSoundBar::SetRange(int minimum, int maximum) { setRange(minimum, maximum); }

void TSoundBar::Scroll(int scrollCode, int thumbPosition)
{
    switch (scrollCode) {
    case SB_LINEUP: SetPosition(value() - singleStep()); break;
    case SB_LINEDOWN: SetPosition(value() + singleStep()); break;
    case SB_PAGEUP: SetPosition(value() - pageStep()); break;
    case SB_PAGEDOWN: SetPosition(value() + pageStep()); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetPosition(thumbPosition); break;
    case SB_TOP: SetPosition(minimum()); break;
    case SB_BOTTOM: SetPosition(maximum()); break;
    default: break;
    }
    Notify(scrollCode);
}

void TSoundBar::OnAction(int action)
{
    int code = -1;
    switch (action) {
    case SliderSingleStepSub: code = SB_LINEUP; break;
    case SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case SliderPageStepSub: code = SB_PAGEUP; break;
    case SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case SliderMove: code = SB_THUMBTRACK; break;
    case SliderToMinimum: code = SB_TOP; break;
    case SliderToMaximum: code = SB_BOTTOM; break;
    default: return;
    }
    if (code != SB_THUMBTRACK)
        stepping_ = true;
    // Qt has moved the slider position but not yet the value the users read.
    SetPosition(sliderPosition());
    Notify(code);
}

void TSoundBar::Notify(int scrollCode)
{
    if (owner_ != nullptr)
        owner_->SliderScrolled(id_, scrollCode);
}

void TSoundBar::wheelEvent(QWheelEvent* event)
{
    constexpr int kStep = 120;
    const QPoint angle = event->angleDelta();
    wheelDelta_ += angle.y() != 0 ? angle.y() : angle.x();
    while (wheelDelta_ >= kStep || wheelDelta_ <= -kStep) {
        const bool up = wheelDelta_ > 0;
        wheelDelta_ -= up ? kStep : -kStep;
        // Up moves towards the end, as the wheel moves any slider here.
        Scroll(up ? SB_LINEDOWN : SB_LINEUP);
        Notify(SB_ENDSCROLL);
    }
    event->accept();
}

void TSoundBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        QScrollBar::mousePressEvent(event);
        ForwardMouseToParent(this, event);
        return;
    }
    QScrollBar::mousePressEvent(event);
}

void TSoundBar::mouseReleaseEvent(QMouseEvent* event)
{
    QScrollBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && stepping_) {
        stepping_ = false;
        Notify(SB_ENDSCROLL);
    }
}

void TSoundBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    // The style draws the arrows; the shaft and the thumb are ours: a raised
    // button face in a sunken, dithered shaft, so the thumb stands out at a glance.
    option.subControls &= ~(QStyle::SC_ScrollBarSlider | QStyle::SC_ScrollBarGroove);
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
    const QPalette& pal = palette();
    const QRect shaft = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, this);
    painter.fillRect(shaft, pal.color(QPalette::Button));
    painter.fillRect(shaft, QBrush(pal.color(QPalette::Light), Qt::Dense4Pattern));
    DrawBevel(painter, shaft, 1, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    if (thumb.isValid())
        DrawButtonFace(painter, thumb, pal, false);
}
