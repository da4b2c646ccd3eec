#pragma once

#include "controls/TListBox.h"

// A list box whose lines all have one fixed height. The height is 30 pixels until a font is
// set on the list; from then on it is the font's height plus external leading, or the
// minimum line height when that is larger.
class TODListBox : public TListBox {
    Q_OBJECT

public:
    explicit TODListBox(QWidget* parent = nullptr);

    static constexpr int kInitialItemHeight = 30;

    int ItemHeight() const { return itemHeight_; }
    int MinItemHeight() const { return minItemHeight_; }

    // Lower bound for the line height when a font is set; 0 unless set.
    void SetMinItemHeight(int pixels) { minItemHeight_ = pixels; }

protected:
    void changeEvent(QEvent* event) override;

    // Measures the list's current font and sets the line height from it; setting the same
    // font again still measures, as a set-font request always does.
    void UpdateItemHeight();

private:

    int itemHeight_ = kInitialItemHeight;
    int minItemHeight_ = 0;
};
