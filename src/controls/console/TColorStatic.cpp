#include "controls/console/TColorStatic.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/dialog/MouseForward.h"

namespace {

int AlignmentFlags(std::uint16_t format)
{
    int flags = 0;
    if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    // Vertical placement applies only to a single line.
    if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        flags |= Qt::AlignBottom;
    else if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        flags |= Qt::AlignVCenter;
    else
        flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace

TColorStatic::TColorStatic(QWidget* parent, int, QColor background, QColor text, std::uint16_t format,
                           std::uint16_t capacity)
    : QWidget(parent), background_(background), foreground_(text), format_(format), capacity_(capacity)
{
    // The control draws every pixel of its surface itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::ArrowCursor);
}

void TColorStatic::SetBackground(QColor color)
{
    if (color == background_)
        return;
    background_ = color;
    Invalidate(true);
}

void TColorStatic::SetForeground(QColor color) { foreground_ = color; }

void TColorStatic::SetFormat(std::uint16_t format) { format_ = format; }

void TColorStatic::SetBuffer(const QString& text)
{
    buffer_ = text.size() > capacity_ ? text.right(capacity_) : text;
}

void TColorStatic::SetText(const QString& text)
{
    if (text == buffer_)
        return;
    if (text.isEmpty()) {
        Clear();
        return;
    }
    SetBuffer(text);
    Invalidate(false);
}

void TColorStatic::Clear()
{
    SetBuffer(QString());
    Invalidate(true);
}

void TColorStatic::SetFont(const QFont& font) { font_ = font; }

void TColorStatic::SetupItem(const QString& templateText) { SetBuffer(templateText); }

void TColorStatic::Invalidate(bool erase)
{
    dirty_ = true;
    eraseNext_ = eraseNext_ || erase;
    update();
}

void TColorStatic::Render()
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (surface_.size() != pixels) {
        surface_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        surface_.setDevicePixelRatio(dpr);
        eraseNext_ = true;
    }
    QPainter p(&surface_);
    if (eraseNext_) {
        p.fillRect(rect(), background_);
        eraseNext_ = false;
        ++eraseCount_;
    }
    p.setFont(font_ ? *font_ : font());
    p.setPen(foreground_);
    // Opaque: every character cell is filled with the background as the text is
    // drawn, so a new text of the same length covers the old one exactly.
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(background_);
    p.setClipRect(rect());
    p.drawText(rect(), AlignmentFlags(format_), buffer_);
    ++drawCount_;
    dirty_ = false;
}

void TColorStatic::paintEvent(QPaintEvent*)
{
    if (dirty_ || surface_.isNull())
        Render();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), surface_);
}

void TColorStatic::resizeEvent(QResizeEvent*) { Invalidate(true); }

void TColorStatic::mousePressEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mousePressEvent(event);
}

void TColorStatic::mouseReleaseEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mouseReleaseEvent(event);
}

void TColorStatic::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mouseDoubleClickEvent(event);
}
