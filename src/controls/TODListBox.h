#pragma once

#include "controls/TListBox.h"

#include <QRect>

class QPainter;

// A list box whose lines the program draws itself, all of one fixed height. The height is
// 30 pixels until a font is set on the list; from then on it is the font's height plus
// external leading, or the minimum line height when that is larger. Only the visible lines
// are drawn, each through DrawEntireItem.
class TODListBox : public TListBox {
    Q_OBJECT

public:
    explicit TODListBox(QWidget* parent = nullptr);

    static constexpr int kInitialItemHeight = 30;

    // One line's drawing request.
    struct DrawItem {
        QPainter* dc;
        int index;          // -1 for no line
        QRect rect;         // the line's rectangle in the viewport
        bool selected;
        bool entire;        // the whole line is being drawn anyway
    };

    int ItemHeight() const { return itemHeight_; }
    int MinItemHeight() const { return minItemHeight_; }

    // Lower bound for the line height when a font is set; 0 unless set.
    virtual void SetMinItemHeight(int pixels) { minItemHeight_ = pixels; }

    // Background and text colours of the line's state, then its content.
    virtual void DrawEntireItem(DrawItem& item);
    // The focus rectangle around the line.
    virtual void DrawItemFocus(DrawItem& item);
    // A change of selection: the whole line again, unless that is already under way.
    virtual void DrawItemSelection(DrawItem& item);
    // The line's text on one line, vertically centred, inside a 1-pixel margin.
    virtual void DrawItemContent(DrawItem& item);

protected:
    void changeEvent(QEvent* event) override;

    // Measures the list's current font and sets the line height from it; setting the same
    // font again still measures, as a set-font request always does.
    void UpdateItemHeight();

private:
    int itemHeight_ = kInitialItemHeight;
    int minItemHeight_ = 0;
};
