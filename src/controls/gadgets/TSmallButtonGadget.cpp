#include "controls/gadgets/TSmallButtonGadget.h"

TSmallButtonGadget::TSmallButtonGadget(int glyph, int commandId, Type type, bool repeat, bool enabled, State state,
                                       QWidget* parent)
    : TButtonGadget(glyph, commandId, type, enabled, state, repeat, parent)
{
    SetNotchCorners(false);
}

TSmallButtonGadget::~TSmallButtonGadget() = default;
