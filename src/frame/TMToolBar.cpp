#include "frame/TMToolBar.h"

#include "controls/gadgets/TNormalButtonGadget.h"
#include "resources/CommandIds.h"

namespace frame {

using namespace resources;
using Type = TButtonGadget::Type;

TMToolBar::TMToolBar(QWidget* parent) : TMControlBar2(CM_BUTTONS, parent)
{
    AddButton(new TNormalButtonGadget(CM_PLAY, CM_PLAY_BUTTON));
    AddButton(new TNormalButtonGadget(CM_PAUSE, CM_PAUSE, Type::NonExclusive));
    AddButton(new TNormalButtonGadget(CM_STOP, CM_STOP));
    AddSeparator(10);
    AddButton(new TNormalButtonGadget(CM_CIRCULATE, CM_CIRCULATE));
    AddButton(new TNormalButtonGadget(CM_REPEAT, CM_REPEAT, Type::NonExclusive));
    AddSeparator(10);
    AddButton(new TNormalButtonGadget(CM_ADD_SONGS, CM_ADD_SONGS));
    AddButton(new TNormalButtonGadget(CM_REMOVE_SONG, CM_REMOVE_SONG));
    AddButton(new TNormalButtonGadget(CM_DELETE_SONG, CM_DELETE_SONG));
    AddStretch();
}

TMToolBar::~TMToolBar() = default;

}  // namespace frame
