#pragma once
// The bar above the console holding the queue list (window id 7728). Its top
// margin is 10 more than the other bars'. The queue list has its own
// right-button menu: its presses are not the frame's.

#include "frame/TMControlBar2.h"

class IBusyIndicator;
class TQueueList;

namespace player {
class TMainWindow;
}

namespace frame {

class TListBar : public TMControlBar2 {
    Q_OBJECT
public:
    // Hands the new queue list to client (its queue) and wires it to the
    // client's console, options and player and to busy.
    TListBar(player::TMainWindow* client, IBusyIndicator* busy, QWidget* parent);
    ~TListBar() override;

    TQueueList* QueueList() const { return queue_; }

private:
    TQueueList* queue_;
};

}  // namespace frame
