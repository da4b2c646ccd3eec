// Files dropped on the frame reach the console's queue in the order given.

#include "frame/FrameFixture.h"

#include "platform/paths/PathNamespace.h"
#include "platform/ui/KeyState.h"
#include "resources/CommandIds.h"
#include "support/TempDrive.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace frametest {
namespace {

using FrameDropTest = FrameFixture;

TEST_F(FrameDropTest, DroppedLocalFilesAreAddedInOrder)
{
    TempDrive drive('t');
    // Nothing starts: the songs go into an empty queue without Shift or Auto Play.
    platform::ScopedShiftDown noShift(false);
    Console().SetChecked(resources::CM_AUTO_PLAY, false);
    Console().SetChecked(resources::CM_RANDOM_ORDER, false);
    const QString first = drive.writeFile("First Song.mid", "MThd");
    const QString second = drive.writeFile("b.wav", "RIFF");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl("http://example.com/c.mid")});
    // The drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());

    Deliver();
    TQueueList& queue = *frame->QueueList();
    ASSERT_EQ(queue.GetCount(), 2);
    EXPECT_EQ(queue.GetSongPath(0), platform::FromLinuxPath(first.toStdString()).value());
    EXPECT_EQ(queue.GetSongPath(1), std::string("t:\\b.wav"));
    EXPECT_EQ(queue.GetSelIndex(), 0);
    EXPECT_TRUE(Console().IsStopped());
}

}  // namespace
}  // namespace frametest
