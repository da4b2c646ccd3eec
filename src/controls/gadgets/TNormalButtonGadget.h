#pragma once
// A tool-bar button (20 x 20 glyph) with the standard look.

#include "controls/gadgets/TButtonGadget.h"

class TNormalButtonGadget : public TButtonGadget {
    Q_OBJECT
public:
    TNormalButtonGadget(int glyph, int commandId, Type type = Type::Command, bool repeat = false,
                        bool enabled = true, State state = State::Up, QWidget* parent = nullptr);
    ~TNormalButtonGadget() override;
};
