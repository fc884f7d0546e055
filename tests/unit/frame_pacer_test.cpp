// FramePacer, the frame loop's timing decisions, driven by a simulated loop on a driven
// microsecond clock: frames at once after prompt inputs, one a period otherwise, mouse
// motion never raising the rate, the waits between frames, and a still screen resting.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/frame_pacer.h"

namespace {

constexpr std::int64_t PeriodUs = 25000;

// Replays the frame loop's decisions: messages arrive at given times (prompt or motion),
// the loop waits as the pacer says (woken early by a message) and records the start time
// of every frame it draws. Each frame takes frameUs.
class SimulatedLoop {
  public:
    struct Message {
        std::int64_t atUs;
        bool prompt;
    };

    std::vector<std::int64_t> Run(std::vector<Message> messages, std::int64_t untilUs) {
        std::vector<std::int64_t> frames;
        std::size_t next = 0;
        std::int64_t now = startUs;
        while (now < untilUs) {
            for (; next < messages.size() && messages[next].atUs <= now; ++next) {
                pacer.OnMessage();
                inputSinceFrame = true;
                if (messages[next].prompt) {
                    pacer.RequestPromptFrame();
                }
            }
            if (pacer.FrameDue(now)) {
                frames.push_back(now);
                pacer.OnFrame(now, PeriodUs);
                // On a still screen a frame changes something only after input (the first
                // frame is always new).
                const bool changed = frames.size() == 1 || inputSinceFrame;
                if (still && !changed) {
                    pacer.Rest();
                }
                inputSinceFrame = false;
                now += frameUs;
                continue;
            }
            std::int64_t wake = now + std::int64_t{pacer.WaitMs(now)} * 1000;
            if (next < messages.size() && messages[next].atUs < wake) {
                wake = messages[next].atUs;
            }
            now = wake;
        }
        return frames;
    }

    FramePacer pacer;
    std::int64_t startUs = 1000000;
    std::int64_t frameUs = 500;
    // The screen changes only with input (a menu), so an unchanged frame lets the loop rest.
    bool still = false;

  private:
    bool inputSinceFrame = false;
};

// Waits are whole milliseconds rounded up, so a frame may come up to 1 ms after it is due,
// never before.
::testing::AssertionResult OnTime(std::int64_t frameUs, std::int64_t dueUs) {
    if (frameUs >= dueUs && frameUs < dueUs + 1000) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "frame at " << frameUs << " us, due at " << dueUs << " us";
}

int FramesBetween(const std::vector<std::int64_t>& frames, std::int64_t fromUs, std::int64_t toUs) {
    int count = 0;
    for (std::int64_t t : frames) {
        count += t >= fromUs && t < toUs;
    }
    return count;
}

} // namespace

TEST(FramePacer, AnAnimatingScreenGetsAFrameEveryPeriod) {
    SimulatedLoop loop;
    const std::vector<std::int64_t> frames = loop.Run({}, loop.startUs + 1000000);
    ASSERT_EQ(frames.size(), 40u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_TRUE(OnTime(frames[i], loop.startUs + static_cast<std::int64_t>(i) * PeriodUs));
    }
}

TEST(FramePacer, APromptInputIsDrawnAtOnceAndThePeriodRunsFromIt) {
    SimulatedLoop loop;
    const std::int64_t keyAt = loop.startUs + 3000;
    const std::vector<std::int64_t> frames = loop.Run({{keyAt, true}}, loop.startUs + 2 * PeriodUs);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames[0], loop.startUs);
    EXPECT_EQ(frames[1], keyAt) << "the key's frame is not held back to the period";
    EXPECT_TRUE(OnTime(frames[2], keyAt + PeriodUs));
}

TEST(FramePacer, MouseMotionNeverRaisesTheRate) {
    SimulatedLoop loop;
    std::vector<SimulatedLoop::Message> motion;
    for (std::int64_t t = loop.startUs; t < loop.startUs + 1000000; t += 700) {
        motion.push_back({t, false});
    }
    const std::vector<std::int64_t> frames = loop.Run(motion, loop.startUs + 1000000);
    ASSERT_EQ(frames.size(), 40u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_TRUE(OnTime(frames[i], loop.startUs + static_cast<std::int64_t>(i) * PeriodUs));
    }
}

TEST(FramePacer, KeysAddFramesOnlyWhenTheyComeFasterThanThePeriod) {
    SimulatedLoop loop;
    std::vector<SimulatedLoop::Message> keys;
    for (int i = 0; i < 10; ++i) {
        keys.push_back({loop.startUs + 10000 + i * 100000, true});
    }
    const std::vector<std::int64_t> frames = loop.Run(keys, loop.startUs + 1000000);
    // Each key's frame restarts the period: the first key moves the grid by 10 ms and so
    // adds one frame; the others fall on the grid and add none.
    EXPECT_EQ(frames.size(), 41u);
    for (const SimulatedLoop::Message& key : keys) {
        EXPECT_EQ(FramesBetween(frames, key.atUs, key.atUs + 1), 1) << key.atUs;
    }
}

TEST(FramePacer, WaitsTheRestOfThePeriodRoundedUp) {
    FramePacer pacer;
    pacer.OnFrame(0, PeriodUs);
    EXPECT_EQ(pacer.WaitMs(10000), 15) << "a frame that took 10 ms";
    EXPECT_EQ(pacer.WaitMs(10400), 15) << "14.6 ms left: never wakes early";
    EXPECT_EQ(pacer.WaitMs(25000), 0) << "a frame that took the whole period";
    EXPECT_EQ(pacer.WaitMs(30000), 0) << "an overrun is followed at once";
    EXPECT_FALSE(pacer.FrameDue(24999));
    EXPECT_TRUE(pacer.FrameDue(25000));
    pacer.RequestPromptFrame();
    EXPECT_EQ(pacer.WaitMs(1000), 0);
}

TEST(FramePacer, LateFramesKeepTheGridAndAStallStartsANewOne) {
    FramePacer pacer;
    pacer.OnFrame(0, PeriodUs);
    pacer.OnFrame(25900, PeriodUs); // woken 0.9 ms late
    EXPECT_EQ(pacer.WaitMs(26000), 24) << "the next frame is still due at 50 ms";
    pacer.OnFrame(50000, PeriodUs);
    pacer.OnFrame(300000, PeriodUs); // a stall of 10 periods
    EXPECT_FALSE(pacer.FrameDue(300001)) << "no burst of frames to catch up";
    EXPECT_TRUE(pacer.FrameDue(325000));
}

TEST(FramePacer, AZeroPeriodDrawsOnEveryPass) {
    FramePacer pacer;
    pacer.OnFrame(5000, 0);
    EXPECT_TRUE(pacer.FrameDue(5000));
    EXPECT_EQ(pacer.WaitMs(5000), 0);
}

TEST(FramePacer, AStillScreenRestsOnceAFrameChangedNothing) {
    SimulatedLoop loop;
    loop.still = true;
    const std::vector<std::int64_t> frames = loop.Run({}, loop.startUs + 1000000);
    // The first frame, the unchanged second one, then one per rest period: at 0, 25 and
    // 525 ms of the second, against 40 for an animating screen.
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_TRUE(OnTime(frames[1], loop.startUs + PeriodUs));
    EXPECT_TRUE(OnTime(frames[2], frames[1] + FramePacer::RestUs));
}

TEST(FramePacer, InputWakesARestingScreenWithinAPeriodAndNeverFaster) {
    SimulatedLoop loop;
    loop.still = true;
    const std::int64_t keyAt = loop.startUs + 200000;
    std::vector<SimulatedLoop::Message> messages = {{keyAt, true}};
    for (std::int64_t t = loop.startUs + 300000; t < loop.startUs + 400000; t += 700) {
        messages.push_back({t, false}); // the mouse moving for 100 ms
    }
    const std::vector<std::int64_t> frames = loop.Run(messages, loop.startUs + 600000);
    EXPECT_EQ(FramesBetween(frames, keyAt, keyAt + 1), 1) << "a key is drawn at once";
    const int moving = FramesBetween(frames, loop.startUs + 300000, loop.startUs + 400000);
    EXPECT_GE(moving, 3) << "motion wakes the screen";
    EXPECT_LE(moving, 4) << "at most one frame a period while it moves";
    EXPECT_LE(FramesBetween(frames, loop.startUs + 430000, loop.startUs + 600000), 1)
        << "rests again once the motion stops";
}
