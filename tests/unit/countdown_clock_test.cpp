// CountdownClock with a driven clock: the whole-second countdown and its one tick per shown
// second, gifts and penalties within the limit, pausing, blinking and the clock text.
#include <gtest/gtest.h>

#include "app/sound.h"
#include "game/countdown_clock.h"
#include "game/scoring.h"
#include "support/fake_clock.h"
#include "support/sound_recorder.h"
#include "text/text.h"

namespace {

constexpr int TickSoundId = 114;
constexpr std::uint32_t NoStop = 0x10;

// A clock with a tick sound, sound switched on and no font (drawing only ticks).
class CountdownClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSoundEnabled = SoundEnabled;
        SoundEnabled = true;
        ResetCurrentFont();
        clock.SetTickSound(&tick);
    }
    void TearDown() override { SoundEnabled = savedSoundEnabled; }

    int Ticks() const {
        int count = 0;
        for (const SoundRequest& request : sounds.Requests()) {
            count += request.resourceId == TickSoundId ? 1 : 0;
        }
        return count;
    }

    FakeClock time;
    SoundRecorder sounds;
    Sound tick{nullptr, TickSoundId};
    CountdownClock clock;
    bool savedSoundEnabled = true;
};

} // namespace

TEST(CountdownClockText, ShowsOneMinuteOrZeroAndTwoDigits) {
    EXPECT_EQ(ClockText(60), "1:00");
    EXPECT_EQ(ClockText(30), "0:30");
    EXPECT_EQ(ClockText(10), "0:10");
    EXPECT_EQ(ClockText(9), "0:09");
    EXPECT_EQ(ClockText(0), "0:00");
}

TEST_F(CountdownClockTest, CountsDownWholeSecondsAndTicksOncePerShownSecond) {
    clock.Start(30, 60);
    EXPECT_EQ(clock.RemainingSeconds(), 30);
    clock.Draw();
    time.Advance(999);
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 30);
    EXPECT_EQ(Ticks(), 0);

    time.Advance(1);
    clock.Draw();
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 29);
    ASSERT_EQ(Ticks(), 1);
    EXPECT_EQ(sounds.Requests()[0].playFlags & NoStop, NoStop) << "a tick never cuts off a sound";

    time.Advance(60000);
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 0) << "stays at zero";
    EXPECT_EQ(Ticks(), 2) << "a jump of many seconds between draws ticks once";
}

TEST_F(CountdownClockTest, GiftsNeverLiftTheClockAboveItsLimit) {
    clock.Start(30, 60);
    clock.Adjust(BonusMilliseconds(4, false));
    EXPECT_EQ(clock.RemainingSeconds(), 34);

    clock.Start(58, 60);
    clock.Adjust(4000);
    EXPECT_EQ(clock.RemainingSeconds(), 60);
    EXPECT_EQ(ClockText(clock.RemainingSeconds()), "1:00");

    // 58.5 s left: a gift of 1.501 s would put the timer's start in the future.
    time.Advance(1500);
    clock.Adjust(1501);
    EXPECT_EQ(clock.RemainingSeconds(), 60);
    time.Advance(1000);
    EXPECT_EQ(clock.RemainingSeconds(), 59) << "counting goes on from exactly the limit";
}

TEST_F(CountdownClockTest, PenaltiesLargerThanTheTimeLeftAreDropped) {
    // 2.5 s left, shown as 3 since the clock drops the elapsed part-second.
    clock.Start(30, 60);
    time.Advance(27500);
    clock.Adjust(-3000);
    EXPECT_EQ(clock.RemainingSeconds(), 3);
    time.Advance(2499);
    EXPECT_EQ(clock.RemainingSeconds(), 1) << "all 2.5 s were kept";
    time.Advance(1);
    EXPECT_EQ(clock.RemainingSeconds(), 0);

    clock.Start(30, 60);
    time.Advance(25000);
    clock.Adjust(PenaltyMilliseconds(-4));
    EXPECT_EQ(clock.RemainingSeconds(), 1);
    clock.Adjust(-1000);
    EXPECT_EQ(clock.RemainingSeconds(), 0) << "a penalty of exactly the time left applies";
}

TEST_F(CountdownClockTest, StartAndAdjustDoNotTick) {
    clock.Start(30, 60);
    clock.Draw();
    clock.Adjust(-3000);
    clock.Draw();
    clock.Adjust(5000);
    clock.Draw();
    clock.Start(45, 60);
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 45);
    EXPECT_EQ(Ticks(), 0);
}

TEST_F(CountdownClockTest, PauseFreezesTheClockAndItsTickUntilResumed) {
    clock.Start(30, 60);
    time.Advance(1500);
    clock.Draw();
    ASSERT_EQ(Ticks(), 1);
    clock.Pause();
    for (int frame = 0; frame < 10; ++frame) {
        time.Advance(1000);
        clock.Draw();
    }
    EXPECT_EQ(clock.RemainingSeconds(), 29);
    EXPECT_EQ(Ticks(), 1);

    clock.Resume();
    time.Advance(499);
    EXPECT_EQ(clock.RemainingSeconds(), 29);
    time.Advance(1);
    EXPECT_EQ(clock.RemainingSeconds(), 28) << "continues from the paused 28.5 s";
}

TEST_F(CountdownClockTest, StartAndAdjustWhilePausedAreKeptAtResume) {
    clock.Start(30, 60);
    time.Advance(20000);
    clock.Pause();
    clock.Start(30, 60);
    EXPECT_EQ(clock.RemainingSeconds(), 30);
    clock.Adjust(-3000);
    EXPECT_EQ(clock.RemainingSeconds(), 27);
    time.Advance(5000);
    clock.Resume();
    EXPECT_EQ(clock.RemainingSeconds(), 27);
    time.Advance(1000);
    EXPECT_EQ(clock.RemainingSeconds(), 26);

    clock.Pause();
    clock.Adjust(40000);
    clock.Resume();
    EXPECT_EQ(clock.RemainingSeconds(), 60) << "a paused gift is capped too";
}

TEST_F(CountdownClockTest, BlinkPhaseFlipsEvery250Milliseconds) {
    clock.Start(30, 60);
    time.Advance(27000); // 3 s left: 57000 ms elapsed, 228 quarter seconds
    EXPECT_TRUE(clock.BlinkPhase());
    time.Advance(249);
    EXPECT_TRUE(clock.BlinkPhase());
    time.Advance(1);
    EXPECT_FALSE(clock.BlinkPhase());
    time.Advance(250);
    EXPECT_TRUE(clock.BlinkPhase());
    clock.Pause();
    time.Advance(250);
    EXPECT_TRUE(clock.BlinkPhase()) << "a paused clock does not blink on";
}

TEST_F(CountdownClockTest, TickSoundIsBorrowedWithNoStopAndNullIsIgnored) {
    EXPECT_EQ(tick.flags, NoStop);
    clock.SetTickSound(nullptr);
    EXPECT_EQ(clock.tickSound, &tick);

    CountdownClock silent;
    silent.Start(30, 60);
    time.Advance(1000);
    silent.Draw();
    EXPECT_EQ(silent.lastShownSeconds, 29);
    EXPECT_EQ(Ticks(), 0);
}
