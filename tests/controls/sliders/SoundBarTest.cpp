#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

#include <vector>

#include "controls/sliders/ISliderOwner.h"
#include "controls/sliders/ScrollCodes.h"
#include "controls/sliders/TSoundBar.h"

namespace {

// Records each code with the position the slider showed when it arrived.
class RecordingOwner : public ISliderOwner {
public:
    explicit RecordingOwner(const TSoundBar* bar) : bar_(bar) {}
    void SliderScrolled(int sliderId, int scrollCode) override
    {
        ids.push_back(sliderId);
        codes.push_back(scrollCode);
        positions.push_back(bar_->GetPosition());
    }
    std::vector<int> ids, codes, positions;

private:
    const TSoundBar* bar_;
};

// The bar the slider sits in: keeps the mouse presses that reach it.
class BarWidget : public QWidget {
public:
    std::vector<std::pair<Qt::MouseButton, Qt::KeyboardModifiers>> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override { presses.emplace_back(event->button(), event->modifiers()); }
};

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, modifiers);
    QApplication::sendEvent(w, &event);
}

QRect SubControl(const TSoundBar* bar, QStyle::SubControl control)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
}

class SoundBar : public ::testing::Test {
protected:
    SoundBar() : slider(new TSoundBar(&bar, 7889, 0, 0, 200, 16)), owner(slider) { slider->SetOwner(&owner); }

    BarWidget bar;
    TSoundBar* slider;
    RecordingOwner owner;
};

}  // namespace

TEST_F(SoundBar, RangeStepsAndPlace)
{
    int lo = -1, hi = -1;
    slider->GetRange(lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 10000);
    EXPECT_EQ(slider->GetLineMagnitude(), 100);
    EXPECT_EQ(slider->GetPageMagnitude(), 1000);
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->geometry(), QRect(0, 0, 200, 16));
    EXPECT_EQ(slider->Id(), 7889);
    EXPECT_EQ(slider->GetPosition(), 0);
}

TEST_F(SoundBar, TheThumbIsARaisedButtonFaceInASunkenShaft)
{
    slider->SetPosition(5000);
    const QImage image = slider->grab().toImage();
    const QRect thumb = SubControl(slider, QStyle::SC_ScrollBarSlider);
    const QRect shaft = SubControl(slider, QStyle::SC_ScrollBarGroove);
    const QPalette& pal = slider->palette();
    EXPECT_EQ(image.pixel(thumb.topLeft()), pal.color(QPalette::Shadow).rgb());
    EXPECT_EQ(image.pixel(thumb.topLeft() + QPoint(1, 1)), pal.color(QPalette::Light).rgb());
    EXPECT_EQ(image.pixel(thumb.bottomRight() - QPoint(1, 1)), pal.color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(thumb.center()), pal.color(QPalette::Button).rgb());
    EXPECT_EQ(image.pixel(shaft.topLeft()), pal.color(QPalette::Dark).rgb());
}

TEST_F(SoundBar, SetPositionClampsAndIsSilent)
{
    QSignalSpy moved(slider, &QAbstractSlider::valueChanged);
    struct Case {
        int set, result;
        int changes;
    };
    const Case cases[] = {{20000, 10000, 1}, {10000, 10000, 0}, {5000, 5000, 1}, {5000, 5000, 0}, {-7, 0, 1},
                          {0, 0, 0}};
    int total = 0;
    for (const Case& c : cases) {
        slider->SetPosition(c.set);
        total += c.changes;
        EXPECT_EQ(slider->GetPosition(), c.result) << c.set;
        EXPECT_EQ(moved.count(), total) << c.set;
    }
    EXPECT_TRUE(owner.codes.empty());
}

TEST_F(SoundBar, ScrollCodesMoveThenNotify)
{
    struct Case {
        int start, code, thumb, result;
    };
    const Case cases[] = {
        {50, SB_LINEUP, 0, 0},          {5000, SB_LINEUP, 0, 4900},       {9950, SB_LINEDOWN, 0, 10000},
        {5000, SB_LINEDOWN, 0, 5100},   {500, SB_PAGEUP, 0, 0},           {5000, SB_PAGEUP, 0, 4000},
        {9500, SB_PAGEDOWN, 0, 10000},  {5000, SB_PAGEDOWN, 0, 6000},     {5000, SB_THUMBTRACK, 1234, 1234},
        {5000, SB_THUMBPOSITION, 777, 777}, {5000, SB_THUMBTRACK, 12000, 10000}, {5000, SB_TOP, 0, 0},
        {5000, SB_BOTTOM, 0, 10000},    {4321, SB_ENDSCROLL, 0, 4321},
    };
    for (const Case& c : cases) {
        slider->SetPosition(c.start);
        owner.codes.clear();
        owner.positions.clear();
        slider->Scroll(c.code, c.thumb);
        EXPECT_EQ(slider->GetPosition(), c.result) << c.start << " code " << c.code;
        ASSERT_EQ(owner.codes.size(), 1u);
        EXPECT_EQ(owner.codes[0], c.code);
        EXPECT_EQ(owner.positions[0], c.result) << "owner saw the old position for code " << c.code;
        EXPECT_EQ(owner.ids[0], 7889);
    }
}

TEST_F(SoundBar, ThumbDragTracksThenPositionsThenEnds)
{
    bar.resize(220, 30);
    bar.show();
    slider->SetPosition(2000);
    const QRect thumb = SubControl(slider, QStyle::SC_ScrollBarSlider);
    ASSERT_TRUE(thumb.isValid());
    const QPoint grab = thumb.center();
    Send(slider, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    Send(slider, QEvent::MouseMove, grab + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    Send(slider, QEvent::MouseMove, grab + QPoint(45, 0), Qt::NoButton, Qt::LeftButton);
    Send(slider, QEvent::MouseButtonRelease, grab + QPoint(45, 0), Qt::LeftButton, Qt::NoButton);

    ASSERT_GE(owner.codes.size(), 4u);
    const size_t n = owner.codes.size();
    for (size_t i = 0; i + 2 < n; ++i)
        EXPECT_EQ(owner.codes[i], SB_THUMBTRACK) << i;
    EXPECT_EQ(owner.codes[n - 2], SB_THUMBPOSITION);
    EXPECT_EQ(owner.codes[n - 1], SB_ENDSCROLL);
    EXPECT_GT(owner.positions[0], 2000);
    EXPECT_GT(owner.positions[n - 3], owner.positions[0]);
    EXPECT_EQ(owner.positions[n - 2], slider->GetPosition());
    EXPECT_EQ(owner.positions[n - 1], slider->GetPosition());
}

TEST_F(SoundBar, ArrowAndShaftClicksStepAndEnd)
{
    bar.resize(220, 30);
    bar.show();
    slider->SetPosition(5000);
    struct Case {
        QStyle::SubControl where;
        int code;
        int result;
    };
    const Case cases[] = {
        {QStyle::SC_ScrollBarAddLine, SB_LINEDOWN, 5100},
        {QStyle::SC_ScrollBarSubLine, SB_LINEUP, 5000},
        {QStyle::SC_ScrollBarAddPage, SB_PAGEDOWN, 6000},
        {QStyle::SC_ScrollBarSubPage, SB_PAGEUP, 5000},
    };
    for (const Case& c : cases) {
        const QRect area = SubControl(slider, c.where);
        if (!area.isValid() || area.isEmpty())
            continue;   // a style without arrows
        owner.codes.clear();
        owner.positions.clear();
        Send(slider, QEvent::MouseButtonPress, area.center(), Qt::LeftButton, Qt::LeftButton);
        Send(slider, QEvent::MouseButtonRelease, area.center(), Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(owner.codes, (std::vector<int>{c.code, SB_ENDSCROLL})) << c.code;
        EXPECT_EQ(owner.positions, (std::vector<int>{c.result, c.result})) << c.code;
    }
}

TEST_F(SoundBar, EachWheelStepIsALineStepAndTheEndOfTheScroll)
{
    slider->SetPosition(5000);
    auto wheel = [this](int delta) {
        QWheelEvent event(QPointF(5, 5), slider->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &event);
    };
    wheel(120);
    wheel(-240);
    // Half steps add up to a whole one.
    wheel(60);
    wheel(60);
    EXPECT_EQ(owner.codes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL, SB_LINEUP,
                                             SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(slider->GetPosition(), 5000);
}

TEST_F(SoundBar, RightButtonGoesToTheBarWithItsModifiers)
{
    bar.resize(220, 30);
    bar.show();
    slider->SetPosition(3000);
    const QRect thumb = SubControl(slider, QStyle::SC_ScrollBarSlider);
    Send(slider, QEvent::MouseButtonPress, thumb.center(), Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    Send(slider, QEvent::MouseButtonRelease, thumb.center(), Qt::RightButton, Qt::NoButton, Qt::ShiftModifier);
    Send(slider, QEvent::MouseButtonPress, {100, 8}, Qt::RightButton, Qt::RightButton,
         Qt::ControlModifier | Qt::AltModifier);
    ASSERT_EQ(bar.presses.size(), 2u);
    EXPECT_EQ(bar.presses[0].first, Qt::RightButton);
    EXPECT_EQ(bar.presses[0].second, Qt::ShiftModifier);
    EXPECT_EQ(bar.presses[1].second, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(slider->GetPosition(), 3000);
    EXPECT_TRUE(owner.codes.empty());
    EXPECT_EQ(slider->contextMenuPolicy(), Qt::PreventContextMenu);
}
