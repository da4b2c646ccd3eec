#pragma once

#include "controls/TODListBox.h"

#include <QByteArray>

// Line operations on top of the list box.
//
// GetItemText (and the song path of derived classes) returns text in one buffer shared by
// all list boxes of this class: it stays valid only until the next such call; callers that
// keep the text copy it.
class TEasyLB : public TODListBox {
    Q_OBJECT

public:
    explicit TEasyLB(QWidget* parent = nullptr);

    // A copy of the whole of line index in the shared buffer, or null when index names no line.
    const char* GetItemText(int index) const;

    // Moves the selected line by offset positions and selects it at its new place: 0, or -1
    // without a selection or when the new place lies beyond either end (nothing changes).
    int MoveSelected(int offset);

protected:
    static QByteArray sharedText_;
};
