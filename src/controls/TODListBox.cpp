#include "controls/TODListBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace {

// Answers every line's measure request with the list's one line height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    explicit FixedHeightDelegate(TODListBox* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), list_->ItemHeight()};
    }

private:
    const TODListBox* list_;
};

} // namespace

TODListBox::TODListBox(QWidget* parent) : TListBox(parent)
{
    setItemDelegate(new FixedHeightDelegate(this));
}

void TODListBox::changeEvent(QEvent* event)
{
    TListBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateItemHeight();
}

void TODListBox::UpdateItemHeight()
{
    const QFontMetrics metrics(font());
    const int pixels = qMax(metrics.height() + metrics.leading(), minItemHeight_);
    if (pixels == itemHeight_)
        return;
    itemHeight_ = pixels;
    // Uniform line sizes are cached by the view: a new height needs a new layout.
    doItemsLayout();
}
