#pragma once

#include "controls/TEasyLB.h"

#include <QFont>
#include <QRect>

// A list box showing the user's font that sizes itself to a whole number of lines, never
// taller than it was when its window was set up (first shown, or the first font change
// before that).
class TSizFontLB : public TEasyLB {
    Q_OBJECT

public:
    explicit TSizFontLB(QWidget* parent = nullptr);

    // The font description, read and edited by the settings and the font dialog; it takes
    // effect with FontChanged.
    QFont& GetLogFont() { return logFont_; }
    const QFont& GetLogFont() const { return logFont_; }

    // Applies the font description, then resizes the list (top-left corner kept) so that its
    // client height is the line height times the number of whole lines that fit into the
    // reference client height. A line height of 0 beeps and changes no size.
    virtual void FontChanged();

    QRect ReferenceClientRect() const { return referenceRect_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void TakeReferenceRect();

    QFont logFont_;
    QRect referenceRect_;
    bool referenceTaken_ = false;
};
