#pragma once
// A volume-bar button (16 x 16 glyph) drawn with square corners.

#include "controls/gadgets/TButtonGadget.h"

class TSmallButtonGadget : public TButtonGadget {
    Q_OBJECT
public:
    TSmallButtonGadget(int glyph, int commandId, Type type = Type::Command, bool repeat = false,
                       bool enabled = true, State state = State::Up, QWidget* parent = nullptr);
    ~TSmallButtonGadget() override;
};
