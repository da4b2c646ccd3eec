#include "controls/TSizFontLB.h"

#include <QApplication>

TSizFontLB::TSizFontLB(QWidget* parent) : TEasyLB(parent), logFont_(font()) {}

void TSizFontLB::showEvent(QShowEvent* event)
{
    TEasyLB::showEvent(event);
    TakeReferenceRect();
}

void TSizFontLB::TakeReferenceRect()
{
    if (referenceTaken_)
        return;
    // The frame's inside, not the viewport: a list not yet shown has not laid out its
    // viewport, but its own size and frame are already right.
    referenceRect_ = QRect(QPoint(0, 0), contentsRect().size());
    referenceTaken_ = true;
}

void TSizFontLB::FontChanged()
{
    TakeReferenceRect();
    setFont(logFont_);
    UpdateItemHeight();
    const int lineHeight = ItemHeight();
    if (lineHeight <= 0) {
        QApplication::beep();
        return;
    }
    const int clientHeight = lineHeight * (referenceRect_.height() / lineHeight);
    // Fixed, so that a layout around the list keeps the height too.
    setFixedHeight(height() - contentsRect().height() + clientHeight);
    viewport()->update();
}
