#include "frame/TVolBar.h"

#include "controls/gadgets/TDblRepButtonGadget.h"
#include "controls/gadgets/TSmallButtonGadget.h"
#include "controls/sliders/TSoundBar.h"
#include "frame/TPosBar.h"
#include "resources/CommandIds.h"

namespace frame {

namespace {
constexpr int kSliderWidth = 200;
constexpr int kTextCharacters = 5;
}  // namespace

using namespace resources;
using Type = TButtonGadget::Type;
using State = TButtonGadget::State;

TVolBar::TVolBar(ISliderOwner* owner, QWidget* parent) : TMControlBar2(CM_VOLUME_BAR, parent)
{
    AddButton(new TSmallButtonGadget(CM_MUTE, CM_MUTE, Type::NonExclusive));
    AddSeparator(4);
    AddText(QStringLiteral("Volume"), kTextCharacters);
    slider_ = new TSoundBar(this, kSliderId, 0, 0, kSliderWidth, ScrollBarHeight(this));
    slider_->setFixedHeight(ScrollBarHeight(this));
    slider_->SetOwner(owner);
    AddControl(slider_, true);
    AddSeparator(8);
    AddButton(new TDblRepButtonGadget(CM_REWIND_REPEAT, CM_REWIND_REPEAT, CM_REWIND_RELEASE));
    AddButton(new TDblRepButtonGadget(CM_FORWARD_REPEAT, CM_FORWARD_REPEAT, CM_FORWARD_RELEASE));
    AddSeparator(8);
    // The repeat flag of the Move buttons changes nothing; it is set as the bar always had it.
    AddButton(new TSmallButtonGadget(CM_MOVE_UP, CM_MOVE_UP, Type::Command, true));
    AddButton(new TSmallButtonGadget(CM_MOVE_DOWN, CM_MOVE_DOWN, Type::Command, true));
    AddButton(new TSmallButtonGadget(CM_HIGHLIGHT_CURRENT, CM_HIGHLIGHT_CURRENT));
}

TVolBar::~TVolBar() = default;

}  // namespace frame
