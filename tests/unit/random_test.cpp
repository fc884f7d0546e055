// The shared random sequence and RandomInRange's corner cases.
#include <gtest/gtest.h>

#include "app/random.h"

TEST(Random, SeedZeroGivesTheKnownFirstDraw) {
    SeedRandom(0);
    EXPECT_EQ(Random15(), 38);
    EXPECT_EQ(RandomState(), 2531011u);
}

TEST(Random, SequenceFollowsTheLinearCongruentialRule) {
    SeedRandom(12345);
    std::uint32_t state = 12345;
    for (int i = 0; i < 1000; ++i) {
        state = state * 214013u + 2531011u;
        ASSERT_EQ(Random15(), static_cast<int>((state >> 16) & 0x7FFF)) << "draw " << i;
    }
}

TEST(Random, SingleValueRangeReturnsItAndConsumesADraw) {
    SeedRandom(7);
    for (int i = 0; i < 20; ++i) {
        const std::uint32_t before = RandomState();
        EXPECT_EQ(RandomInRange(5, 5), 5);
        EXPECT_NE(RandomState(), before);
    }
}

TEST(Random, EmptyRangeReturnsZeroWithoutDrawing) {
    SeedRandom(99);
    EXPECT_EQ(RandomInRange(0, -1), 0);
    EXPECT_EQ(RandomState(), 99u);
}

TEST(Random, RangeStaysInsideBothEnds) {
    SeedRandom(1);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 5000; ++i) {
        const int v = RandomInRange(-3, 4);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 4);
        sawLow |= v == -3;
        sawHigh |= v == 4;
    }
    EXPECT_TRUE(sawLow);
    EXPECT_TRUE(sawHigh);
}

TEST(Random, WideRangeNeverExceedsFifteenBitsAboveLow) {
    SeedRandom(3);
    for (int i = 0; i < 5000; ++i) {
        const int v = RandomInRange(1000, 10000000);
        ASSERT_GE(v, 1000);
        ASSERT_LE(v, 1000 + 32767);
    }
}
