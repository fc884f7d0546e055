// The lamps under the clock at every threshold, and the blink below five seconds.
#include <gtest/gtest.h>

#include "game/time_lamps.h"

namespace {

struct LampCase {
    int seconds;
    ColorRef first;
    ColorRef second;
    ColorRef third;
};

} // namespace

TEST(TimeLamps, EachLampChangesAtItsThresholds) {
    const ColorRef O = LampOff, R = LampRed, Y = LampYellow, G = LampGreen;
    const LampCase cases[] = {
        {5, R, O, O},  {9, R, O, O},  {10, Y, O, O}, {14, Y, O, O}, {15, G, O, O}, {19, G, O, O},
        {20, G, R, O}, {24, G, R, O}, {25, G, Y, O}, {34, G, Y, O}, {35, G, G, O}, {44, G, G, O},
        {45, G, G, R}, {49, G, G, R}, {50, G, G, Y}, {59, G, G, Y}, {60, G, G, G},
    };
    for (const LampCase& c : cases) {
        ColorRef lamps[3] = {};
        LampColours(c.seconds, false, lamps);
        EXPECT_EQ(lamps[0], c.first) << c.seconds << " s";
        EXPECT_EQ(lamps[1], c.second) << c.seconds << " s";
        EXPECT_EQ(lamps[2], c.third) << c.seconds << " s";
    }
}

TEST(TimeLamps, BelowFiveSecondsAllBlinkRedAndWhite) {
    for (int seconds = 0; seconds < 5; ++seconds) {
        ColorRef on[3] = {};
        ColorRef off[3] = {};
        LampColours(seconds, true, on);
        LampColours(seconds, false, off);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(on[i], LampRed) << seconds;
            EXPECT_EQ(off[i], LampOff) << seconds;
        }
    }
}
