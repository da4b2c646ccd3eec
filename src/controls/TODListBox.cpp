#include "controls/TODListBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>

namespace {

// Every line's measure request gets the list's one line height; every paint request goes
// to the list's own drawing.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(TODListBox* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {option.rect.width(), list_->ItemHeight()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TODListBox::DrawItem item{painter, index.isValid() ? index.row() : -1, option.rect,
                                  option.state.testFlag(QStyle::State_Selected), true};
        list_->DrawEntireItem(item);
        if (option.state.testFlag(QStyle::State_HasFocus))
            list_->DrawItemFocus(item);
    }

private:
    TODListBox* list_;
};

} // namespace

TODListBox::TODListBox(QWidget* parent) : TListBox(parent)
{
    setItemDelegate(new OwnerDrawDelegate(this));
    // One height for every line lets the view find the visible lines without asking each.
    setUniformItemSizes(true);
}

void TODListBox::DrawEntireItem(DrawItem& item)
{
    QPainter& dc = *item.dc;
    dc.save();
    const QPalette& colours = palette();
    const QColor back = colours.color(QPalette::Active, item.selected ? QPalette::Highlight : QPalette::Base);
    const QColor text = colours.color(QPalette::Active, item.selected ? QPalette::HighlightedText : QPalette::Text);
    dc.fillRect(item.rect, back);
    dc.setPen(text);
    dc.setBackground(back);
    if (item.index >= 0)
        DrawItemContent(item);
    dc.restore();
}

void TODListBox::DrawItemFocus(DrawItem& item)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = item.rect;
    focus.backgroundColor = palette().color(item.selected ? QPalette::Highlight : QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, item.dc, this);
}

void TODListBox::DrawItemSelection(DrawItem& item)
{
    if (!item.entire)
        DrawEntireItem(item);
}

void TODListBox::DrawItemContent(DrawItem& item)
{
    const QByteArray text = GetStringBytes(item.index);
    item.dc->drawText(item.rect.adjusted(1, 1, -1, -1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QString::fromUtf8(text));
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
