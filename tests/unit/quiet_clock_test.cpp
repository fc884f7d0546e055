// The quiet clock: in play with only the clock moving, the game lets the frame loop rest
// until the next shown second; anything that animates keeps a frame every period. Driven
// time is drawn as the loop paces it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

#include "game/time_lamps.h"
#include "support/frame_fixture.h"

namespace {

constexpr int PeriodMs = 25;

struct Drawn {
    int frames = 0;
    // The longest a change of the clock's shown second waited for its frame.
    int lateMs = 0;
};

class QuietClock : public FrameFixture {
  protected:
    // A frame as the loop draws it: the game measures its rest afresh each time.
    void LoopFrame() {
        game.quietMs = 0;
        Frame();
    }

    // Draws durationMs of driven time in 1 ms steps, the next frame a period after the last,
    // or once the rest the game asked for is over.
    Drawn Drive(int durationMs) {
        Drawn drawn;
        int dueAt = 0;
        int changedAt = -1;
        for (int t = 0; t < durationMs; ++t, clock.Advance(1)) {
            if (changedAt < 0 && game.clock.RemainingSeconds() != game.clock.lastShownSeconds) {
                changedAt = t;
            }
            if (t < dueAt) {
                continue;
            }
            LoopFrame();
            ++drawn.frames;
            if (changedAt >= 0) {
                drawn.lateMs = std::max(drawn.lateMs, t - changedAt);
                changedAt = -1;
            }
            dueAt = t + (game.quietMs > 0 ? game.quietMs : PeriodMs);
        }
        return drawn;
    }
};

TEST_F(QuietClock, RestsExactlyUntilTheNextShownSecond) {
    StartGame();
    for (std::uint32_t into : {0u, 1u, 480u, 999u}) {
        clock.Advance(into);
        LoopFrame();
        const int shown = game.clock.RemainingSeconds();
        ASSERT_GT(game.quietMs, 0) << into << " ms into a second";
        clock.Advance(static_cast<std::uint32_t>(game.quietMs - 1));
        EXPECT_EQ(game.clock.RemainingSeconds(), shown) << "woken late, " << into;
        clock.Advance(1);
        EXPECT_EQ(game.clock.RemainingSeconds(), shown - 1) << "woken early, " << into;
    }
}

TEST_F(QuietClock, AQuietGameDrawsOncePerShownSecondAndNeverLate) {
    StartGame();
    const Drawn drawn = Drive(3000);
    EXPECT_GE(drawn.frames, 3);
    EXPECT_LE(drawn.frames, 4) << "40 a second would be drawing every period";
    EXPECT_LT(drawn.lateMs, PeriodMs);
}

TEST_F(QuietClock, AnythingAnimatedDrawsEveryPeriod) {
    const std::pair<const char*, std::function<void()>> animations[] = {
        {"a right answer fading", [this] { Answer(); }},
        {"a miss fading", [this] { AnswerWrong(); }},
        {"a miss's answer shown",
         [this] {
             game.progress.history.options.showAnswer = true;
             AnswerWrong();
         }},
        {"the lamps blinking",
         [this] {
             while (!LampsBlink(game.clock.RemainingSeconds())) {
                 clock.Advance(1000);
             }
         }},
    };
    for (const auto& [name, start] : animations) {
        StartGame();
        start();
        EXPECT_EQ(Drive(10 * PeriodMs).frames, 10) << name;
        game.ReturnToMenu();
        Frame();
    }
}

} // namespace
