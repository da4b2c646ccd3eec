#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "controls/dialog/T3DFrame.h"

namespace {

struct ShrinkCase {
    bool sunken;
    int thickness;
    QRect after;
};

TEST(Make3DFrame, OnlyASunkenFrameShrinksTheRectangleByOnePixel)
{
    const QRect start(10, 20, 100, 60);
    const ShrinkCase cases[] = {
        {false, 2, start},
        {false, 5, start},
        {true, 2, start.adjusted(1, 1, -1, -1)},
        {true, 7, start.adjusted(1, 1, -1, -1)},
    };
    for (const ShrinkCase& c : cases) {
        QWidget parent;
        QRect r = start;
        T3DFrame* frame = Make3DFrame(&parent, r, c.sunken, c.thickness);
        EXPECT_EQ(r, c.after) << c.sunken << " " << c.thickness;
        EXPECT_EQ(frame->geometry(), start);
        EXPECT_EQ(frame->parentWidget(), &parent);
    }
}

TEST(Make3DFrame, DialogBordersOfAHundredBySixtyClient)
{
    QWidget dialog;
    dialog.resize(100, 60);
    QRect r = dialog.rect().adjusted(4, 4, -4, -4);
    T3DFrame* sunken = Make3DFrame(&dialog, r, true, 2);
    r.adjust(2, 2, -2, -2);
    T3DFrame* raised = Make3DFrame(&dialog, r, false, 2);
    EXPECT_EQ(sunken->geometry(), QRect(QPoint(4, 4), QPoint(95, 55)));   // 4,4 to 96,56
    EXPECT_EQ(raised->geometry(), QRect(QPoint(7, 7), QPoint(92, 52)));   // 7,7 to 93,53
}

QImage Render(bool sunken, QColor light, QColor dark)
{
    T3DFrame frame(nullptr, sunken, 2);
    QPalette pal = frame.palette();
    pal.setColor(QPalette::Light, light);
    pal.setColor(QPalette::Dark, dark);
    frame.setPalette(pal);
    frame.resize(12, 8);
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    frame.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

TEST(T3DFrame, PaintsTheEdgesInTheirOrderAndLeavesTheInside)
{
    const QColor light(250, 250, 250), dark(90, 90, 90), inside(Qt::blue);
    for (bool sunken : {true, false}) {
        const QImage img = Render(sunken, light, dark);
        const QColor a = sunken ? dark : light;   // top and left
        const QColor b = sunken ? light : dark;   // bottom and right, one pixel in
        SCOPED_TRACE(sunken ? "sunken" : "raised");
        EXPECT_EQ(img.pixelColor(5, 0), a);
        EXPECT_EQ(img.pixelColor(0, 4), a);
        EXPECT_EQ(img.pixelColor(0, 7), a);    // outermost column keeps the first colour
        EXPECT_EQ(img.pixelColor(11, 0), a);   // outermost row too
        EXPECT_EQ(img.pixelColor(1, 7), b);
        EXPECT_EQ(img.pixelColor(5, 6), b);
        EXPECT_EQ(img.pixelColor(11, 1), b);
        EXPECT_EQ(img.pixelColor(10, 4), b);
        EXPECT_EQ(img.pixelColor(5, 3), inside);
        EXPECT_EQ(img.pixelColor(2, 2), inside);
    }
}

class MouseRecorder : public QWidget {
public:
    struct Seen {
        QEvent::Type type;
        Qt::MouseButton button;
        QPoint pos;
    };
    std::vector<Seen> seen;

protected:
    void mousePressEvent(QMouseEvent* e) override { Record(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Record(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Record(e); }

private:
    void Record(QMouseEvent* e) { seen.push_back({e->type(), e->button(), e->position().toPoint()}); }
};

TEST(T3DFrame, ClicksOnTheEdgeReachTheParentAndTheInsideIsNotTheFrames)
{
    MouseRecorder parent;
    parent.resize(100, 60);
    QRect r(10, 10, 80, 40);
    T3DFrame* frame = Make3DFrame(&parent, r, true, 2);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

    QTest::mouseClick(frame, Qt::RightButton, Qt::NoModifier, QPoint(1, 20));
    ASSERT_EQ(parent.seen.size(), 2u);
    EXPECT_EQ(parent.seen[0].type, QEvent::MouseButtonPress);
    EXPECT_EQ(parent.seen[0].button, Qt::RightButton);
    EXPECT_EQ(parent.seen[1].type, QEvent::MouseButtonRelease);

    // The inside is not part of the frame: the parent is the widget found there.
    EXPECT_EQ(parent.childAt(50, 30), nullptr);
    EXPECT_EQ(parent.childAt(11, 30), frame);
}

}  // namespace
