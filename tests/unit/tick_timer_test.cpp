// TickTimer with a driven clock: pause, resume, restart, advance, and the 2^32 wrap.
#include <gtest/gtest.h>

#include "base/tick_timer.h"
#include "support/fake_clock.h"

TEST(TickTimer, MeasuresElapsedMillisecondsAndWholeSeconds) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(1500);
    EXPECT_EQ(timer.Elapsed(), 1500u);
    EXPECT_EQ(timer.ElapsedSeconds(), 1u);
}

TEST(TickTimer, PauseFreezesAndResumeContinuesFromThePausedValue) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(700);
    EXPECT_EQ(timer.Pause(), 700u);
    clock.Advance(5000);
    EXPECT_EQ(timer.Elapsed(), 700u);
    EXPECT_EQ(timer.Pause(), 700u) << "pausing twice keeps the first value";
    timer.Resume();
    clock.Advance(300);
    EXPECT_EQ(timer.Elapsed(), 1000u);
}

TEST(TickTimer, ResumeWithoutPauseChangesNothing) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(250);
    timer.Resume();
    EXPECT_EQ(timer.Elapsed(), 250u);
}

TEST(TickTimer, RestartWhilePausedReportsZeroUntilResumed) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(400);
    timer.Pause();
    timer.Restart();
    EXPECT_TRUE(timer.paused);
    clock.Advance(900);
    EXPECT_EQ(timer.Elapsed(), 0u);
    timer.Resume();
    clock.Advance(120);
    EXPECT_EQ(timer.Elapsed(), 120u);
}

TEST(TickTimer, AdvanceStartShiftsElapsedBothWays) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(5000);
    timer.AdvanceStart(2000);
    EXPECT_EQ(timer.Elapsed(), 3000u);
    timer.AdvanceStart(-1000);
    EXPECT_EQ(timer.Elapsed(), 4000u);
}

TEST(TickTimer, AdvanceWhilePausedIsLostAtResume) {
    FakeClock clock;
    TickTimer timer;
    clock.Advance(1000);
    timer.Pause();
    timer.AdvanceStart(500);
    EXPECT_EQ(timer.Elapsed(), 1000u);
    timer.Resume();
    EXPECT_EQ(timer.Elapsed(), 1000u);
}

TEST(TickTimer, KeepsCountingAcrossTheTickCounterWrap) {
    FakeClock clock(0xFFFFFF00u);
    TickTimer timer;
    clock.Advance(0x100 + 744); // the counter wraps to 744
    EXPECT_EQ(timer.Elapsed(), 1000u);
    timer.Pause();
    clock.Advance(10000);
    timer.Resume();
    clock.Advance(500);
    EXPECT_EQ(timer.Elapsed(), 1500u);
}
