// ValuePool: filling, dealing in the shared random order, the empty-pool rules and the
// capacity limit.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "base/random.h"
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

TEST(ValuePool, FillRangeAndPushStopAtTheCapacity) {
    ValuePool pool;
    pool.FillRange(3, 7);
    EXPECT_EQ(Contents(pool), (std::vector<int>{3, 4, 5, 6, 7}));
    pool.FillRange(8, 7);
    EXPECT_EQ(pool.Count(), 0);
    pool.FillRange(INT_MAX - 1, INT_MAX);
    EXPECT_EQ(Contents(pool), (std::vector<int>{INT_MAX - 1, INT_MAX}));

    pool.FillRange(1, 1000);
    EXPECT_EQ(pool.Count(), ValuePoolCapacity);
    pool.Push(-1);
    EXPECT_EQ(pool.Count(), ValuePoolCapacity);
    EXPECT_EQ(pool.At(0), 1);
    EXPECT_EQ(pool.At(ValuePoolCapacity - 1), ValuePoolCapacity);
    EXPECT_EQ(pool.At(ValuePoolCapacity), 0);
}

TEST(ValuePool, TakeAndPickUseOneDrawOnlyTakeRemovesAndEmptyGivesZero) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        const int index = RandomInRange(0, 5);
        std::vector<int> rest{10, 11, 12, 13, 14, 15};
        const int chosen = rest[static_cast<std::size_t>(index)];
        rest.erase(rest.begin() + index);

        ValuePool pool;
        pool.FillRange(10, 15);
        SeedRandom(seed);
        EXPECT_EQ(pool.PickRandom(), chosen) << "seed " << seed;
        EXPECT_EQ(pool.Count(), 6);
        SeedRandom(seed);
        EXPECT_EQ(pool.TakeRandom(), chosen) << "seed " << seed;
        EXPECT_EQ(Contents(pool), rest) << "the rest keep their order";
    }
    ValuePool empty;
    const std::uint32_t state = RandomState();
    EXPECT_EQ(empty.TakeRandom(), 0);
    EXPECT_EQ(empty.PickRandom(), 0);
    EXPECT_EQ(RandomState(), state) << "an empty pool draws nothing";
}
