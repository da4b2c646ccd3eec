#include "frame/TMControlBar2.h"

#include "controls/dialog/DialogUnits.h"

namespace frame {

namespace {
constexpr int kSideMargin = 6 + 3;
constexpr int kEndMargin = 2 + 2;
}  // namespace

TMControlBar2::TMControlBar2(int id, QWidget* parent, int extraTopMargin) : TMControlBar(id, parent)
{
    setFont(BarFont());
    SetMargins(kSideMargin, kEndMargin + extraTopMargin, kSideMargin, kEndMargin);
}

TMControlBar2::~TMControlBar2() = default;

QFont TMControlBar2::BarFont()
{
    return MapDialogFont("MS Sans Serif", 8);
}

}  // namespace frame
