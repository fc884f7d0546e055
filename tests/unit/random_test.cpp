// The shared random sequence and RandomInRange's corner cases.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "base/random.h"

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

// Ranges at the ends of int, wrapped or not: the result is lo plus the signed remainder,
// wrapped to 32 bits, and computing it must not overflow.
TEST(Random, ExtremeRangesWrapLikeThirtyTwoBitArithmetic) {
    constexpr int Min = INT_MIN;
    constexpr int Max = INT_MAX;
    const struct {
        int lo;
        int hi;
    } ranges[] = {{Max, Max - 100}, {Max - 5, Max}, {Min, -1}, {-10, Max}, {Max, Min + 3}};
    for (const auto& range : ranges) {
        for (std::uint32_t seed = 1; seed < 200; seed += 7) {
            SeedRandom(seed);
            const std::int64_t draw = Random15();
            SeedRandom(seed);
            const int got = RandomInRange(range.lo, range.hi);
            std::int64_t size = static_cast<std::int64_t>(range.hi) - range.lo + 1;
            size = static_cast<std::int32_t>(static_cast<std::uint32_t>(size));
            const std::int64_t wide = range.lo + draw % size;
            const auto expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
            ASSERT_EQ(got, expected) << range.lo << ".." << range.hi << " seed " << seed;
        }
    }
    SeedRandom(5);
    EXPECT_EQ(RandomInRange(Min, Max), 0) << "the whole int range has size 0 in 32 bits";
    EXPECT_EQ(RandomState(), 5u);
}
