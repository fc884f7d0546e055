// ValuePool: filling, dealing without repeats, the empty-pool rules and the capacity limit.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app/random.h"
#include "game/value_pool.h"

namespace {
std::vector<int> Contents(const ValuePool& pool) {
    std::vector<int> values;
    for (int i = 0; i < pool.Count(); ++i) {
        values.push_back(pool.At(i));
    }
    return values;
}
} // namespace

TEST(ValuePool, FillRangeHoldsBothEndsInOrderAndNothingWhenReversed) {
    ValuePool pool;
    pool.FillRange(3, 7);
    EXPECT_EQ(Contents(pool), (std::vector<int>{3, 4, 5, 6, 7}));
    pool.FillRange(8, 7);
    EXPECT_EQ(pool.Count(), 0);
    pool.FillRange(INT_MAX - 1, INT_MAX);
    EXPECT_EQ(Contents(pool), (std::vector<int>{INT_MAX - 1, INT_MAX}));
}

TEST(ValuePool, TakeRandomRemovesTheDrawnIndexAndKeepsTheRestInOrder) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        const int index = RandomInRange(0, 5);
        std::vector<int> expected{10, 11, 12, 13, 14, 15};
        const int chosen = expected[static_cast<std::size_t>(index)];
        expected.erase(expected.begin() + index);

        ValuePool pool;
        pool.FillRange(10, 15);
        SeedRandom(seed);
        EXPECT_EQ(pool.TakeRandom(), chosen) << "seed " << seed;
        EXPECT_EQ(Contents(pool), expected) << "seed " << seed;
    }
}

TEST(ValuePool, TakingEverythingDealsEachValueOnceThenZeroWithoutADraw) {
    SeedRandom(42);
    ValuePool pool;
    pool.FillRange(1, 10);
    std::vector<int> seen(11, 0);
    for (int i = 0; i < 10; ++i) {
        const int v = pool.TakeRandom();
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 10);
        ++seen[static_cast<std::size_t>(v)];
    }
    for (int v = 1; v <= 10; ++v) {
        EXPECT_EQ(seen[static_cast<std::size_t>(v)], 1) << "value " << v;
    }
    const std::uint32_t state = RandomState();
    EXPECT_EQ(pool.TakeRandom(), 0);
    EXPECT_EQ(pool.Count(), 0);
    EXPECT_EQ(pool.PickRandom(), 0);
    EXPECT_EQ(RandomState(), state);
}

TEST(ValuePool, PickRandomReturnsTheDrawnEntryAndLeavesThePool) {
    ValuePool pool;
    pool.FillRange(20, 29);
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        const int index = RandomInRange(0, 9);
        SeedRandom(seed);
        EXPECT_EQ(pool.PickRandom(), 20 + index);
        EXPECT_EQ(pool.Count(), 10);
    }
}

TEST(ValuePool, PushBeyondCapacityIsDroppedAndEarlierValuesSurvive) {
    ValuePool pool;
    for (int v = 0; v < ValuePoolCapacity + 50; ++v) {
        pool.Push(1000 + v);
    }
    EXPECT_EQ(pool.Count(), ValuePoolCapacity);
    EXPECT_EQ(pool.At(0), 1000);
    EXPECT_EQ(pool.At(ValuePoolCapacity - 1), 1000 + ValuePoolCapacity - 1);
    EXPECT_EQ(pool.At(ValuePoolCapacity), 0);

    pool.FillRange(1, 1000);
    EXPECT_EQ(pool.Count(), ValuePoolCapacity);
    EXPECT_EQ(pool.At(ValuePoolCapacity - 1), ValuePoolCapacity);
}
