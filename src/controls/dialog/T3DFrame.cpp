#include "controls/dialog/T3DFrame.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "controls/dialog/MouseForward.h"

T3DFrame::T3DFrame(QWidget* parent, bool sunken, int thickness)
    : QWidget(parent), thickness_(thickness), sunken_(sunken)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setCursor(Qt::ArrowCursor);
}

void T3DFrame::paintEvent(QPaintEvent*)
{
    const QPalette& pal = palette();
    const QColor highlight = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const int w = width();
    const int h = height();
    const int t = thickness_;
    QPainter p(this);
    const QColor a = sunken_ ? shadow : highlight;
    p.fillRect(QRect(0, 0, w, t), a);
    p.fillRect(QRect(0, t, t, h - t), a);
    const QColor b = sunken_ ? highlight : shadow;
    // The lower and right edges start one pixel in and overlap the ends of the
    // first two, except the outermost row and column. The right edge is two
    // pixels wide whatever the thickness.
    p.fillRect(QRect(1, h - t, w - 1, t), b);
    p.fillRect(QRect(w - t, 1, 2, h - t - 1), b);
}

void T3DFrame::resizeEvent(QResizeEvent*)
{
    // Only the edges belong to the frame: its inside is neither painted nor hit.
    const QRect outer = rect();
    const QRect inner = outer.adjusted(thickness_, thickness_, -thickness_, -thickness_);
    QRegion edges(outer);
    if (inner.isValid())
        edges -= QRegion(inner);
    setMask(edges);
}

void T3DFrame::mousePressEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mousePressEvent(event);
}

void T3DFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mouseReleaseEvent(event);
}

void T3DFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!ForwardMouseToParent(this, event))
        QWidget::mouseDoubleClickEvent(event);
}

T3DFrame* Make3DFrame(QWidget* parent, QRect& rect, bool sunken, int thickness)
{
    auto* frame = new T3DFrame(parent, sunken, thickness);
    frame->setGeometry(rect);
    frame->show();
    frame->raise();
    frame->update();
    const int shrink = sunken ? 1 : 0;
    rect.adjust(shrink, shrink, -shrink, -shrink);
    return frame;
}
