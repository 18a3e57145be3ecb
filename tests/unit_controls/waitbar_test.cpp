#include "core/pwait2f.h"
#include "core/style.h"

#include <QImage>
#include <gtest/gtest.h>

using core::WaitBarPanel;

namespace {

struct State { int phase, left, right; };

State after(WaitBarPanel& p, int frames)
{
    p.start();
    for (int i = 0; i < frames; ++i) p.advance();
    State s{p.phase(), p.leftEdge(), p.rightEdge()};
    p.stop();
    return s;
}

}  // namespace

TEST(WaitBar, PhasesStepAWiftiethOfTheWidth)
{
    struct Case { int width, frames; State want; };
    const Case cases[] = {
        // W 100, step 2: the right edge reaches W after 50 frames, passes it at 51
        {100, 50, {0, 0, 100}},
        {100, 51, {1, 0, 100}},
        // the left edge follows until it reaches the right one
        {100, 51 + 49, {1, 98, 100}},
        {100, 51 + 50, {2, 100, 100}},
        // back to 0, then the right edge returns
        {100, 101 + 49, {2, 2, 100}},
        {100, 101 + 50, {3, 0, 100}},
        {100, 151 + 50, {0, 0, 0}},
        {100, 201 + 1, {0, 0, 2}},
        // W 130: step 2 (rounded down), the right edge is held at W
        {130, 66, {1, 0, 130}},
        {130, 66 + 64, {1, 128, 130}},
        // narrower than 50 pixels: step 0, the bar never moves
        {49, 500, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        WaitBarPanel panel;
        panel.resize(c.width + 2 * panel.frameWidth(), 22);
        ASSERT_EQ(panel.contentsRect().width(), c.width);
        const State s = after(panel, c.frames);
        SCOPED_TRACE(testing::Message() << "W=" << c.width << " frames=" << c.frames);
        EXPECT_EQ(s.phase, c.want.phase);
        EXPECT_EQ(s.left, c.want.left);
        EXPECT_EQ(s.right, c.want.right);
    }
}

TEST(WaitBar, FrameFillsTheBarInItsColourOverThePanelColour)
{
    WaitBarPanel panel;
    panel.resize(104, 22);
    panel.start();
    for (int i = 0; i < 60; ++i) panel.advance();  // phase 1: left 18, right 100
    ASSERT_EQ(panel.leftEdge(), 18);
    const QImage img = panel.grab().toImage();
    const int fw = panel.frameWidth(), y = 11;
    EXPECT_EQ(QColor(img.pixel(fw + 10, y)), panel.palette().color(QPalette::Window));
    EXPECT_EQ(QColor(img.pixel(fw + 18, y)), style::waitBar);
    EXPECT_EQ(QColor(img.pixel(fw + 99, y)), style::waitBar);
    EXPECT_EQ(QColor(img.pixel(fw + 17, fw)), panel.palette().color(QPalette::Window));
    EXPECT_EQ(QColor(img.pixel(fw + 50, fw)), style::waitBar);  // over the full height
    EXPECT_EQ(style::waitBar, QColor(253, 187, 121));
    panel.stop();
    EXPECT_FALSE(panel.running());
}
