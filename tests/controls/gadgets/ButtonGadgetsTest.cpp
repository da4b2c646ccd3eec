#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <memory>

#include "controls/gadgets/TDblRepButtonGadget.h"
#include "controls/gadgets/TNormalButtonGadget.h"
#include "controls/gadgets/TSmallButtonGadget.h"
#include "controls/gadgets/QtGadgetTimer.h"
#include "controls/gadgets/RecordingCommandTarget.h"
#include "controls/gadgets/VirtualGadgetTimer.h"

using Type = TButtonGadget::Type;
using State = TButtonGadget::State;
using Commands = std::vector<int>;

namespace {

// Mouse input straight to a gadget, as the window system delivers it while
// the gadget holds the capture (moves and the release also reach it outside).
void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Press(QWidget* w, QPoint at = {5, 5}) { Send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
void Move(QWidget* w, QPoint at) { Send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
void Release(QWidget* w, QPoint at = {5, 5})
{
    Send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
const QPoint kAway{300, 300};

class FastWind : public ::testing::Test {
protected:
    void SetUp() override
    {
        rewind = new TDblRepButtonGadget(17933, 17933, 17938, Type::Command, true, State::Up, &bar);
        forward = new TDblRepButtonGadget(17934, 17934, 17939, Type::Command, true, State::Up, &bar);
        for (TDblRepButtonGadget* b : {rewind, forward}) {
            b->SetTimer(&timer);
            b->SetCommandTarget(&frame);
            b->resize(b->sizeHint());
        }
    }
    void TearDown() override { CurrentRepeatCommand = 0; }

    QWidget bar;
    VirtualGadgetTimer timer;
    RecordingCommandTarget frame;
    TDblRepButtonGadget* rewind = nullptr;
    TDblRepButtonGadget* forward = nullptr;
};

}  // namespace

TEST_F(FastWind, ClickShorterThanThePeriodPostsOnlyTheRelease)
{
    Press(rewind);
    timer.Advance(99);
    Release(rewind);
    timer.Advance(1000);
    EXPECT_EQ(frame.posted, Commands{17938});
    EXPECT_FALSE(timer.IsTimerRunning(kRepeatTimerId));
}

TEST_F(FastWind, HoldingRepeatsEveryPeriodThenReleasesOnce)
{
    Press(forward);
    timer.Advance(1000);
    Release(forward);
    timer.Advance(500);
    Commands expected(10, 17934);
    expected.push_back(17939);
    EXPECT_EQ(frame.posted, expected);
    EXPECT_EQ(CurrentRepeatCommand, 17934);
}

TEST_F(FastWind, LeavingStopsRepeatsAndReleaseAwayStillPostsTheCommand)
{
    Press(rewind);
    timer.Advance(250);        // repeats at 100 and 200
    Move(rewind, kAway);
    EXPECT_FALSE(rewind->IsPressed());
    timer.Advance(700);
    Release(rewind, kAway);
    EXPECT_EQ(frame.posted, (Commands{17933, 17933, 17938}));
}

TEST_F(FastWind, ABarDisabledWhileHeldStopsTheRepeatsWithOneRelease)
{
    Press(rewind);
    timer.Advance(250);
    // A song ends and the next one loads: the frame is busy, its bars disabled.
    bar.setEnabled(false);
    timer.Advance(1000);
    bar.setEnabled(true);
    Release(rewind);
    timer.Advance(500);
    EXPECT_EQ(frame.posted, (Commands{17933, 17933, 17938}));
    EXPECT_FALSE(timer.IsTimerRunning(kRepeatTimerId));
}

TEST_F(FastWind, ComingBackResumesOnePeriodAfterReentering)
{
    Press(forward);
    timer.Advance(150);        // one repeat
    Move(forward, kAway);
    timer.Advance(130);
    Move(forward, {4, 4});
    EXPECT_TRUE(forward->IsPressed());
    timer.Advance(99);
    EXPECT_EQ(frame.posted, Commands{17934});
    timer.Advance(1);
    EXPECT_EQ(frame.posted, (Commands{17934, 17934}));
    timer.Advance(100);
    Release(forward);
    EXPECT_EQ(frame.posted, (Commands{17934, 17934, 17934, 17939}));
}

TEST_F(FastWind, MovesInsideOrOutsideDoNotRestartThePeriod)
{
    Press(rewind);
    timer.Advance(60);
    Move(rewind, {6, 6});
    timer.Advance(40);
    EXPECT_EQ(frame.posted, Commands{17933});
    Move(rewind, kAway);
    Move(rewind, kAway + QPoint(5, 0));
    timer.Advance(300);
    Release(rewind, kAway);
    EXPECT_EQ(frame.posted, (Commands{17933, 17938}));
}

TEST_F(FastWind, EachButtonRepeatsItsOwnCommand)
{
    Press(rewind);
    timer.Advance(200);
    Release(rewind);
    Press(forward);
    timer.Advance(100);
    Release(forward);
    EXPECT_EQ(frame.posted, (Commands{17933, 17933, 17938, 17934, 17939}));
}

TEST_F(FastWind, MovesWithoutAPressDoNothing)
{
    Move(forward, {4, 4});
    timer.Advance(500);
    Release(forward);
    EXPECT_TRUE(frame.posted.empty());
    EXPECT_FALSE(forward->IsPressed());
}

TEST_F(FastWind, ARightPressIsNotAPress)
{
    Send(rewind, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    timer.Advance(300);
    Send(rewind, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    EXPECT_TRUE(frame.posted.empty());
}

TEST(RepGadgetButtonTimerProc, PostsTheRepeatCommandOfTheLastPressedButton)
{
    RecordingCommandTarget frame;
    CurrentRepeatCommand = 17934;
    RepGadgetButtonTimerProc(&frame, 0x0113, kRepeatTimerId, 12345);
    CurrentRepeatCommand = 17933;
    RepGadgetButtonTimerProc(&frame, 0x0113, kRepeatTimerId, 12445);
    RepGadgetButtonTimerProc(nullptr, 0x0113, kRepeatTimerId, 12545);
    EXPECT_EQ(frame.posted, (Commands{17934, 17933}));
    CurrentRepeatCommand = 0;
}

TEST(FastWindRealTimer, RepeatsOnTheQtTimer)
{
    QWidget bar;
    RecordingCommandTarget frame;
    auto* button = new TDblRepButtonGadget(17934, 17934, 17939, Type::Command, true, State::Up, &bar);
    button->SetCommandTarget(&frame);
    button->resize(button->sizeHint());
    Press(button);
    QTest::qWait(250);
    Release(button);
    QTest::qWait(120);
    // Two repeats on time; a loaded machine may deliver one late or early.
    ASSERT_GE(frame.posted.size(), 2u);
    EXPECT_LE(frame.posted.size(), 4u);
    EXPECT_EQ(frame.posted.back(), 17939);
    for (size_t i = 0; i + 1 < frame.posted.size(); ++i) {
        EXPECT_EQ(frame.posted[i], 17934);
    }
    CurrentRepeatCommand = 0;
}

namespace {

struct ClickCase {
    const char* name;
    bool small;
    int glyph, command;
    Type type;
    bool repeat;
    bool enabled;
    QPoint releaseAt;
    Commands posted;
    State after;
};

}  // namespace

TEST(ButtonGadgets, ClickRules)
{
    const ClickCase cases[] = {
        {"play button sends 7873", false, 7722, 7873, Type::Command, false, true, {5, 5}, {7873}, State::Up},
        {"released away posts nothing", false, 7723, 7723, Type::Command, false, true, kAway, {}, State::Up},
        {"small released away posts nothing", true, 7788, 7788, Type::Command, false, true, kAway, {}, State::Up},
        {"toggle goes down and posts", false, 7724, 7724, Type::NonExclusive, false, true, {5, 5}, {7724},
         State::Down},
        {"toggle released away stays up", false, 7709, 7709, Type::NonExclusive, false, true, kAway, {}, State::Up},
        {"move up with the repeat flag fires once", true, 7743, 7743, Type::Command, true, true, {5, 5}, {7743},
         State::Up},
        {"disabled posts nothing", false, 7711, 7711, Type::Command, false, false, {5, 5}, {}, State::Up},
    };
    for (const ClickCase& c : cases) {
        QWidget bar;
        VirtualGadgetTimer unused;
        RecordingCommandTarget frame;
        TButtonGadget* button = c.small
            ? static_cast<TButtonGadget*>(new TSmallButtonGadget(c.glyph, c.command, c.type, c.repeat, c.enabled,
                                                                 State::Up, &bar))
            : new TNormalButtonGadget(c.glyph, c.command, c.type, c.repeat, c.enabled, State::Up, &bar);
        button->SetCommandTarget(&frame);
        button->resize(button->sizeHint());
        Press(button);
        unused.Advance(1000);
        if (c.releaseAt != QPoint(5, 5))
            Move(button, c.releaseAt);
        Release(button, c.releaseAt);
        EXPECT_EQ(frame.posted, c.posted) << c.name;
        EXPECT_EQ(button->GetButtonState(), c.after) << c.name;
        EXPECT_FALSE(button->IsPressed()) << c.name;
        EXPECT_EQ(button->NotchCorners(), !c.small) << c.name;
        EXPECT_EQ(button->IsRepeat(), c.repeat) << c.name;
    }
}

TEST(ButtonGadgets, MuteFlipsOnEveryClick)
{
    QWidget bar;
    RecordingCommandTarget frame;
    auto* mute = new TSmallButtonGadget(7888, 7888, Type::NonExclusive, false, true, State::Up, &bar);
    mute->SetCommandTarget(&frame);
    mute->resize(mute->sizeHint());
    const State expected[] = {State::Down, State::Up, State::Down};
    for (State s : expected) {
        Press(mute);
        Release(mute);
        EXPECT_EQ(mute->GetButtonState(), s);
    }
    EXPECT_EQ(frame.posted, (Commands{7888, 7888, 7888}));
}

TEST(ButtonGadgets, LeavingAndComingBackBeforeReleaseStillFires)
{
    QWidget bar;
    RecordingCommandTarget frame;
    auto* stop = new TNormalButtonGadget(7723, 7723, Type::Command, false, true, State::Up, &bar);
    stop->SetCommandTarget(&frame);
    stop->resize(stop->sizeHint());
    Press(stop);
    Move(stop, kAway);
    EXPECT_FALSE(stop->IsPressed());
    Move(stop, {3, 3});
    EXPECT_TRUE(stop->IsPressed());
    Release(stop, {3, 3});
    EXPECT_EQ(frame.posted, Commands{7723});
}

TEST(ButtonGadgets, ExclusiveButtonsOfOneBarReleaseEachOther)
{
    QWidget bar;
    RecordingCommandTarget frame;
    auto* a = new TNormalButtonGadget(7722, 1, Type::Exclusive, false, true, State::Down, &bar);
    auto* b = new TNormalButtonGadget(7723, 2, Type::Exclusive, false, true, State::Up, &bar);
    auto* other = new TNormalButtonGadget(7724, 3, Type::NonExclusive, false, true, State::Down, &bar);
    for (TButtonGadget* g : {static_cast<TButtonGadget*>(a), static_cast<TButtonGadget*>(b),
                             static_cast<TButtonGadget*>(other)}) {
        g->SetCommandTarget(&frame);
        g->resize(g->sizeHint());
    }
    Press(b);
    Release(b);
    EXPECT_EQ(b->GetButtonState(), State::Down);
    EXPECT_EQ(a->GetButtonState(), State::Up);
    EXPECT_EQ(other->GetButtonState(), State::Down);
    // Clicking the button that is already down posts again and changes nothing.
    Press(b);
    Release(b);
    EXPECT_EQ(b->GetButtonState(), State::Down);
    EXPECT_EQ(frame.posted, (Commands{2, 2}));
}

TEST(ButtonGadgets, DisablingDuringAPressDropsIt)
{
    QWidget bar;
    RecordingCommandTarget frame;
    auto* play = new TNormalButtonGadget(7722, 7873, Type::Command, false, true, State::Up, &bar);
    play->SetCommandTarget(&frame);
    play->resize(play->sizeHint());
    Press(play);
    play->setEnabled(false);
    play->setEnabled(true);
    Release(play);
    EXPECT_TRUE(frame.posted.empty());
}

TEST(ButtonGadgets, HintsFollowThePointer)
{
    QWidget bar;
    auto* rewind = new TDblRepButtonGadget(17933, 17933, 17938, Type::Command, true, State::Up, &bar);
    std::vector<int> hints;
    QObject::connect(rewind, &TButtonGadget::hintEntered, [&hints](int id) { hints.push_back(id); });
    QObject::connect(rewind, &TButtonGadget::hintLeft, [&hints] { hints.push_back(0); });
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(rewind, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(rewind, &leave);
    EXPECT_EQ(hints, (std::vector<int>{17938, 0}));
}

TEST(ButtonGadgets, GlyphsSizeTheButtonsAndPaint)
{
    QWidget bar;
    auto* normal = new TNormalButtonGadget(7722, 7873, Type::Command, false, true, State::Up, &bar);
    auto* small = new TSmallButtonGadget(7888, 7888, Type::NonExclusive, false, true, State::Down, &bar);
    auto* disabled = new TSmallButtonGadget(7743, 7743, Type::Command, true, false, State::Up, &bar);
    EXPECT_GT(normal->sizeHint().width(), small->sizeHint().width());
    EXPECT_EQ(normal->sizeHint() - QSize(20, 20), small->sizeHint() - QSize(16, 16));
    for (TButtonGadget* g : {static_cast<TButtonGadget*>(normal), static_cast<TButtonGadget*>(small),
                             static_cast<TButtonGadget*>(disabled)}) {
        g->resize(g->sizeHint());
        const QImage image = g->grab().toImage();
        ASSERT_FALSE(image.isNull());
        // The glyph's black outline shows somewhere inside the bevel.
        bool dark = false;
        for (int y = 3; y < image.height() - 3 && !dark; ++y) {
            for (int x = 3; x < image.width() - 4 && !dark; ++x)
                dark = qGray(image.pixel(x, y)) < 40;
        }
        EXPECT_EQ(dark, g->isEnabled()) << g->CommandId();
    }
}
