#include "controls/gadgets/TNormalButtonGadget.h"

TNormalButtonGadget::TNormalButtonGadget(int glyph, int commandId, Type type, bool repeat, bool enabled, State state,
                                         QWidget* parent)
    : TButtonGadget(glyph, commandId, type, enabled, state, repeat, parent)
{
}

TNormalButtonGadget::~TNormalButtonGadget() = default;
