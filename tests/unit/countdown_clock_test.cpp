// CountdownClock with a driven clock: the whole-second countdown and its one tick per shown
// second, gifts and penalties within the limit, pausing, blinking and the clock text.
#include <gtest/gtest.h>

#include "app/sound.h"
#include "game/countdown_clock.h"
#include "game/scoring.h"
#include "resources/resource_ids.h"
#include "support/fake_clock.h"
#include "support/sound_recorder.h"
#include "text/text.h"

namespace {

constexpr int TickSoundId = QF_SOUND_TICK;
constexpr std::uint32_t NoStop = 0x10;

// A clock with a tick sound, sound switched on and no font (drawing only ticks).
class CountdownClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSoundEnabled = SoundEnabled;
        SoundEnabled = true;
        ResetCurrentFont();
        clock.SetTickSound(&tick);
        clock.SetTickSound(nullptr);
    }
    void TearDown() override { SoundEnabled = savedSoundEnabled; }

    int Ticks() const { return static_cast<int>(sounds.Requests().size()); }

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
    EXPECT_EQ(ClockText(5), "0:05");
}

TEST_F(CountdownClockTest, CountsDownWholeSecondsAndTicksOncePerShownSecond) {
    clock.Start(30, 60);
    clock.Draw();
    time.Advance(999);
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 30);
    EXPECT_EQ(Ticks(), 0);

    time.Advance(1);
    clock.Draw();
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 29);
    ASSERT_EQ(Ticks(), 1) << "null did not replace the tick sound";
    EXPECT_EQ(sounds.Requests()[0].resourceId, TickSoundId);
    EXPECT_EQ(sounds.Requests()[0].playFlags & NoStop, NoStop) << "a tick never cuts a sound";

    time.Advance(60000);
    clock.Draw();
    EXPECT_EQ(clock.RemainingSeconds(), 0) << "stays at zero";
    EXPECT_EQ(Ticks(), 2) << "a jump of many seconds between draws ticks once";
}

TEST_F(CountdownClockTest, AdjustmentsStayBetweenZeroAndTheLimitWithoutTicking) {
    clock.Start(30, 60);
    clock.Adjust(BonusMilliseconds(4, false));
    EXPECT_EQ(clock.RemainingSeconds(), 34);
    clock.Start(58, 60);
    clock.Adjust(4000);
    EXPECT_EQ(ClockText(clock.RemainingSeconds()), "1:00");
    // 58.5 s left: a gift of 1.501 s would put the timer's start in the future.
    time.Advance(1500);
    clock.Adjust(1501);
    time.Advance(1000);
    EXPECT_EQ(clock.RemainingSeconds(), 59) << "counting goes on from exactly the limit";

    clock.Start(3, 60);
    time.Advance(500);
    clock.Adjust(-3000);
    time.Advance(2499);
    EXPECT_EQ(clock.RemainingSeconds(), 1) << "a 3 s penalty with 2.5 s left is dropped";
    clock.Start(5, 60);
    clock.Adjust(PenaltyMilliseconds(-4));
    clock.Adjust(-1000);
    EXPECT_EQ(clock.RemainingSeconds(), 0) << "a penalty of exactly the time left applies";
    clock.Draw();
    EXPECT_EQ(Ticks(), 0);
}

TEST_F(CountdownClockTest, PauseFreezesTheClockAndItsTickButKeepsAdjustments) {
    clock.Start(30, 60);
    time.Advance(1500);
    clock.Draw();
    clock.Pause();
    for (int frame = 0; frame < 10; ++frame) {
        time.Advance(1000);
        clock.Draw();
    }
    EXPECT_EQ(clock.RemainingSeconds(), 29);
    EXPECT_EQ(Ticks(), 1);
    clock.Adjust(-3000);
    EXPECT_EQ(clock.RemainingSeconds(), 26) << "a penalty while paused counts";
    clock.Resume();
    time.Advance(500);
    EXPECT_EQ(clock.RemainingSeconds(), 25) << "continues from the paused 26.5 s";

    clock.Pause();
    clock.Start(30, 60);
    time.Advance(5000);
    clock.Resume();
    EXPECT_EQ(clock.RemainingSeconds(), 30) << "a game started while paused";
    clock.Pause();
    clock.Adjust(40000);
    EXPECT_EQ(clock.RemainingSeconds(), 60) << "a paused gift is capped too";
}

TEST_F(CountdownClockTest, BlinkPhaseFlipsEvery250Milliseconds) {
    clock.Start(3, 60); // 57000 ms elapsed: 228 quarter seconds
    EXPECT_TRUE(clock.BlinkPhase());
    time.Advance(249);
    EXPECT_TRUE(clock.BlinkPhase());
    time.Advance(1);
    EXPECT_FALSE(clock.BlinkPhase());
    time.Advance(250);
    EXPECT_TRUE(clock.BlinkPhase());
}
