#pragma once

#include "album/SongOrder.h"
#include "album/TSongList.h"

#include <QMenu>
#include <QPointer>

class IBusyIndicator;
class ICommandTarget;
class IQueuePlayer;
class QMenu;

// The queue: the song list with the whole-album reorderings (Sort, Shuffle) and the Move Up /
// Move Down commands, which need the player's current song and the frame's busy state. The
// right button selects the line under the pointer and opens the queue's menu there; its
// commands go to the command target like any menu command.
class TQueueList : public TSongList {
    Q_OBJECT

public:
    static constexpr int kControlId = 7728;
    static constexpr int kSortStatusText = 7791;
    static constexpr int kShuffleStatusText = 7853;

    explicit TQueueList(QWidget* parent = nullptr);

    // Either may be null: without a player there is no current song and a move is the plain
    // MoveSelected; without a busy indicator nothing is shown.
    void SetPlayer(IQueuePlayer* player) { player_ = player; }
    void SetBusy(IBusyIndicator* busy) { busy_ = busy; }
    void SetCommandTarget(ICommandTarget* target) { target_ = target; }

    // The queue's menu while it is open.
    QMenu* ContextMenu() const { return contextMenu_; }

    // Rebuilds the list in the order compare gives, inside BeginBusy(statusTextId) with
    // redrawing off. The current song stays the same song (the first line equal to it) and
    // its new number goes to SONG; TOTAL is written.
    void ReorderAlbum(SongLineComparator compare, int statusTextId);
    void SortAlbum() { ReorderAlbum(CompareSongLines, kSortStatusText); }
    void ShuffleAlbum() { ReorderAlbum(CompareRandomly, kShuffleStatusText); }

    // Moves the selected line one place up or down, or with shiftDown (the Shift key at the
    // time of the command) to the top or bottom, through the player; 0 or -1.
    int MoveSongUp(bool shiftDown);
    int MoveSongDown(bool shiftDown);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int MoveSelectedBy(int offset);
    void ShowContextMenu(const QPoint& globalPos);

    IQueuePlayer* player_ = nullptr;
    IBusyIndicator* busy_ = nullptr;
    ICommandTarget* target_ = nullptr;
    QPointer<QMenu> contextMenu_;
};
