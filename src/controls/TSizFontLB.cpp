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
    referenceRect_ = viewport()->rect();
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
    resize(width(), height() - viewport()->height() + clientHeight);
    viewport()->update();
}
