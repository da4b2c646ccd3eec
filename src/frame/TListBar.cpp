#include "frame/TListBar.h"

#include "album/TQueueList.h"
#include "controls/dialog/DialogBuilder.h"
#include "player/TMainWindow.h"
#include "resources/CommandIds.h"

namespace frame {

namespace {
constexpr int kExtraTopMargin = 10;
constexpr int kListWidth = 200;
constexpr int kListHeight = 92;
}  // namespace

TListBar::TListBar(player::TMainWindow* client, IBusyIndicator* busy, QWidget* parent)
    : TMControlBar2(resources::CM_QUEUE_BOX, parent, kExtraTopMargin), queue_(new TQueueList(this))
{
    SetDialogItemId(queue_, TQueueList::kControlId);
    queue_->resize(kListWidth, kListHeight);
    // The height at set-up; the font's whole lines may take it down, never up.
    queue_->setFixedHeight(kListHeight);
    queue_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Whole lines may leave the list shorter than the bar has room for: it stays at the top.
    AddControl(queue_, true, Qt::AlignTop);
    queue_->SetBusy(busy);
    if (client) {
        queue_->SetConsole(client);
        queue_->SetOptions(client);
        queue_->SetPlayer(client);
        client->SetQueue(queue_);
    }
}

TListBar::~TListBar() = default;

}  // namespace frame
