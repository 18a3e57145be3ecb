// The wait indicators around real statements: the bar keeps moving while the
// server works, a second start leaves nothing running, and the simple wait
// window stays up until the work that showed it has ended.

#include "core/datam.h"
#include "core/pwait2f.h"
#include "core/pwait_procf.h"
#include "core/pwaitform.h"
#include "support/testdb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace core;

namespace {

void runEventsFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

class WaitIndicators : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(tdm.conn().connect(testing_support::superuserSettings()).toStdString(), "Ok");
    }
    Tdm tdm;
};

}  // namespace

TEST_F(WaitIndicators, BarMovesAboutEvery25MsWhileAStatementRuns)
{
    WaitBarPanel* panel = pwait2()->panel();
    pwaitProc()->indit();
    ASSERT_TRUE(pwaitProc()->running());
    const long long before = panel->framesDrawn();
    const int rightBefore = panel->rightEdge();
    QElapsedTimer clock;
    clock.start();
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.5)"));
    const double expected = clock.elapsed() / 25.0;
    const long long frames = panel->framesDrawn() - before;
    const int rightAfter = panel->rightEdge();
    pwaitProc()->leallit();

    EXPECT_GE(frames, expected * 0.6) << frames << " frames in " << clock.elapsed() << " ms";
    EXPECT_LE(frames, expected + 3) << frames << " frames in " << clock.elapsed() << " ms";
    EXPECT_NE(rightAfter, rightBefore);
}

TEST_F(WaitIndicators, WindowEndsTenPixelsBelowThePanelAndGoesAwayOnStop)
{
    Tpwait2* w = pwait2();
    pwaitProc()->indit();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->height(), w->panel()->geometry().bottom() + 1 + 10);
    pwaitProc()->leallit();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WaitIndicators, SecondStartLeavesNoAnimationThatNothingStops)
{
    WaitBarPanel* panel = pwait2()->panel();
    pwaitProc()->indit();
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.05)"));
    pwaitProc()->indit();
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.05)"));
    pwaitProc()->leallit();
    EXPECT_FALSE(pwaitProc()->running());

    // nothing draws frames any more
    const long long stopped = panel->framesDrawn();
    runEventsFor(150);
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.1)"));
    EXPECT_EQ(panel->framesDrawn(), stopped);
}

TEST_F(WaitIndicators, SimpleWaitWindowClosesAtTheFirstTickAfterTheWork)
{
    Tpwait* w = pwait();
    // first use: the timer is off until the work ends
    w->showNow();
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.1)"));
    EXPECT_TRUE(w->isVisible());
    w->enableTimer();
    runEventsFor(40);
    EXPECT_FALSE(w->isVisible());

    // the timer stays on: a later showing is not closed by ticks during its
    // statements, but at the first tick after them, enabled again or not
    EXPECT_TRUE(w->timerEnabled());
    w->showNow();
    tdm.conn().exec(QStringLiteral("select pg_sleep(0.1)"));
    EXPECT_TRUE(w->isVisible());
    runEventsFor(40);
    EXPECT_FALSE(w->isVisible());
}
