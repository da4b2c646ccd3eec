#include "controls/menu/DeferredStyleIcon.h"

const QIcon& DeferredStyleIcon::Icon()
{
    if (!resolved_) {
        resolved_ = true;
        if (QStyle* style = style_.data(); style != nullptr)
            icon_ = style->standardIcon(which_);
    }
    return icon_;
}

void DeferredStyleIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredStyleIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, mode, state);
}

QSize DeferredStyleIcon::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().actualSize(size, mode, state);
}

QList<QSize> DeferredStyleIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

QIconEngine* DeferredStyleIcon::clone() const
{
    return new DeferredStyleIcon(*this);
}
