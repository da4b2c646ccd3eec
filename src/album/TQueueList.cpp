#include "album/TQueueList.h"

#include "album/IBusyIndicator.h"
#include "album/IQueuePlayer.h"

#include "controls/gadgets/ICommandTarget.h"
#include "controls/menu/MenuBuilder.h"
#include "resources/CommandIds.h"

#include <QByteArray>
#include <QMenu>
#include <QMouseEvent>

#include <optional>
#include <vector>

TQueueList::TQueueList(QWidget* parent) : TSongList(parent) {}

void TQueueList::ReorderAlbum(SongLineComparator compare, int statusTextId)
{
    if (busy_)
        busy_->BeginBusy(statusTextId);
    SetRedraw(false);

    const int n = GetCount();
    std::vector<QByteArray> texts(static_cast<size_t>(n));
    std::vector<const char*> lines(static_cast<size_t>(n), nullptr);
    for (int i = 0; i < n; ++i) {
        texts[i] = GetStringBytes(i);
        if (!texts[i].isEmpty())
            lines[i] = texts[i].constData();
    }
    std::optional<QByteArray> current;
    if (player_) {
        const int song = player_->CurrentSong();
        if (song >= 0 && song < n)
            current = texts[static_cast<size_t>(song)];
    }

    SortSongLines(lines, compare);

    ClearList();
    AddStrings(lines);

    if (current) {
        const int song = FindExactString(current->constData());
        player_->SetCurrentSong(song);
        if (song >= 0) {
            SetSelIndex(song);
            WriteConsole(kSongControlId, song + 1);
        }
    }
    WriteTotal();
    SetRedraw(true);
    if (busy_)
        busy_->EndBusy(true);
}

void TQueueList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const QModelIndex top = indexAt(QPoint(0, 0));
        const int line = event->position().toPoint().y() / ItemHeight() + (top.isValid() ? top.row() : 0);
        // Below the last line the selection stays as it is; the menu opens all the same.
        if (line < GetCount())
            SetSelIndex(line);
        ShowContextMenu(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    TSongList::mousePressEvent(event);
}

void TQueueList::ShowContextMenu(const QPoint& globalPos)
{
    QMenu* menu = LoadPopupMenu(resources::IDM_QUEUE_POPUP, window());
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::triggered, this, [this](QAction* action) {
        if (const int id = MenuCommandId(action); id && target_)
            target_->PostCommand(id);
    });
    contextMenu_ = menu;
    menu->popup(globalPos);
}

int TQueueList::MoveSongUp(bool shiftDown)
{
    const int sel = GetSelIndex();
    return MoveSelectedBy(shiftDown ? -sel : -1);
}

int TQueueList::MoveSongDown(bool shiftDown)
{
    const int sel = GetSelIndex();
    return MoveSelectedBy(shiftDown ? GetCount() - sel - 1 : 1);
}

int TQueueList::MoveSelectedBy(int offset)
{
    return player_ ? player_->MoveSelectedSong(offset) : MoveSelected(offset);
}
