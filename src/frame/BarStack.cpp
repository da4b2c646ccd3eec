#include "frame/BarStack.h"

#include <QMenuBar>
#include <QWidget>

namespace frame {

bool BarStack::Shown(const QWidget* widget)
{
    return widget && !widget->isHidden();
}

bool BarStack::OtherBottomBarShown() const
{
    for (const QWidget* bar : bottom_) {
        if (!companions_.contains(bar) && Shown(bar))
            return true;
    }
    return false;
}

bool BarStack::Counts(const QWidget* bar) const
{
    if (companions_.contains(bar))
        return OtherBottomBarShown();
    return Shown(bar);
}

int BarStack::MenuBarHeight() const
{
    return Shown(menuBar_) ? menuBar_->sizeHint().height() : 0;
}

int BarStack::ClientWidth() const
{
    return client_ ? client_->width() : 0;
}

int BarStack::ClientHeight() const
{
    return client_ ? client_->height() : 0;
}

int BarStack::BarsHeight() const
{
    int bars = 0;
    for (const QList<QWidget*>* list : {&top_, &bottom_}) {
        for (const QWidget* bar : *list) {
            if (Counts(bar))
                bars += bar->height() - 1;
        }
    }
    return bars;
}

int BarStack::ContentHeight() const
{
    return MenuBarHeight() + ClientHeight() + BarsHeight();
}

void BarStack::Arrange(int width) const
{
    int y = 0;
    if (Shown(menuBar_)) {
        menuBar_->setGeometry(0, 0, width, MenuBarHeight());
        y = MenuBarHeight();
    }
    for (QWidget* bar : top_) {
        if (!Shown(bar))
            continue;
        bar->setGeometry(0, y, width, bar->height());
        y += bar->height() - 1;
    }
    if (client_) {
        // The console keeps its own size at the left edge; the bars' overlap is
        // under it, so it is raised above them.
        client_->move(0, y);
        client_->raise();
        y += client_->height();
    }
    for (QWidget* bar : companions_)
        bar->setVisible(OtherBottomBarShown());
    for (QWidget* bar : bottom_) {
        if (!Shown(bar))
            continue;
        bar->setGeometry(0, y - 1, width, bar->height());
        y += bar->height() - 1;
    }
}

}  // namespace frame
