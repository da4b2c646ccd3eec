#include "controls/gadgets/TButtonGadget.h"

#include <QBitmap>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "controls/gadgets/ICommandTarget.h"
#include "controls/paint/ButtonFace.h"
#include "resources/bitmaps/Bitmaps.h"

namespace {

// The grey of a glyph is the button face, whatever the face colour is now.
QPixmap MaskedGlyph(int glyph)
{
    QPixmap pixmap = resources::LoadBitmap(glyph);
    if (!pixmap.isNull())
        pixmap.setMask(pixmap.createMaskFromColor(resources::kGlyphFaceColor));
    return pixmap;
}

constexpr int kBorder = 3;   // bevel plus the gap around the glyph

}  // namespace

TButtonGadget::TButtonGadget(int glyph, int commandId, Type type, bool enabled, State state, bool repeat,
                             QWidget* parent)
    : QWidget(parent),
      glyph_(glyph),
      commandId_(commandId),
      type_(type),
      state_(state),
      repeat_(repeat),
      glyphPixmap_(MaskedGlyph(glyph))
{
    setEnabled(enabled);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

TButtonGadget::~TButtonGadget() = default;

void TButtonGadget::SetButtonState(State state)
{
    if (state_ == state)
        return;
    state_ = state;
    update();
}

void TButtonGadget::SetNotchCorners(bool notch)
{
    notchCorners_ = notch;
    update();
}

QSize TButtonGadget::sizeHint() const
{
    const QSize glyph = glyphPixmap_.isNull() ? QSize(16, 16) : glyphPixmap_.size();
    return glyph + QSize(2 * kBorder + 1, 2 * kBorder);
}

void TButtonGadget::StartPress()
{
    pressed_ = true;
    update();
}

void TButtonGadget::CancelPress()
{
    pressed_ = false;
    update();
}

void TButtonGadget::CaptureLost()
{
    captured_ = false;
    pressed_ = false;
    update();
}

void TButtonGadget::Fire()
{
    if (type_ == Type::Exclusive) {
        if (state_ != State::Down) {
            ReleaseExclusiveNeighbours();
            SetButtonState(State::Down);
        }
    } else if (type_ == Type::NonExclusive) {
        SetButtonState(state_ == State::Down ? State::Up : State::Down);
    }
    CancelPress();
    if (isEnabled() && (type_ != Type::Exclusive || state_ == State::Down))
        PostCommand(commandId_);
}

void TButtonGadget::ReleaseButton()
{
    captured_ = false;
    if (pressed_)
        Fire();
}

void TButtonGadget::PostCommand(int commandId) const
{
    if (target_ != nullptr)
        target_->PostCommand(commandId);
}

void TButtonGadget::ReleaseExclusiveNeighbours()
{
    if (parentWidget() == nullptr)
        return;
    const auto siblings = parentWidget()->findChildren<TButtonGadget*>(Qt::FindDirectChildrenOnly);
    for (TButtonGadget* other : siblings) {
        if (other != this && other->type_ == Type::Exclusive)
            other->SetButtonState(State::Up);
    }
}

void TButtonGadget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        // Other buttons belong to the bar (the right button reaches the frame).
        event->ignore();
        return;
    }
    captured_ = true;
    StartPress();
}

void TButtonGadget::mouseMoveEvent(QMouseEvent* event)
{
    if (!captured_)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && !inside)
        CancelPress();
    else if (!pressed_ && inside)
        StartPress();
}

void TButtonGadget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !captured_) {
        event->ignore();
        return;
    }
    ReleaseButton();
}

void TButtonGadget::enterEvent(QEnterEvent*)
{
    emit hintEntered(commandId_);
}

void TButtonGadget::leaveEvent(QEvent*)
{
    emit hintLeft();
}

void TButtonGadget::changeEvent(QEvent* event)
{
    // A disabled button gets no release: it loses a press in progress.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && captured_)
        CaptureLost();
    QWidget::changeEvent(event);
}

void TButtonGadget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Button));

    const bool sunken = pressed_ || state_ == State::Down;
    const QRect outer = rect().adjusted(0, 0, -1, 0);
    const QRect inner = DrawButtonFace(painter, outer, pal, sunken);
    if (notchCorners_) {
        painter.setPen(pal.color(QPalette::Button));
        painter.drawPoint(outer.topLeft());
        painter.drawPoint(outer.topRight());
        painter.drawPoint(outer.bottomLeft());
        painter.drawPoint(outer.bottomRight());
    }
    if (state_ == State::Down && !pressed_) {
        // A latched toggle shows a lighter, dithered face.
        QBrush dither(pal.color(QPalette::Light), Qt::Dense4Pattern);
        painter.fillRect(inner.adjusted(1, 1, 0, 0), dither);
    }

    if (glyphPixmap_.isNull())
        return;
    QPixmap glyph = glyphPixmap_;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        glyph = style()->generatedIconPixmap(QIcon::Disabled, glyphPixmap_, &option);
    }
    QPoint at((width() - 1 - glyph.width()) / 2, (height() - glyph.height()) / 2);
    if (sunken)
        at += QPoint(1, 1);
    if (state_ == State::Indeterminate)
        painter.setOpacity(0.5);
    painter.drawPixmap(at, glyph);
}
