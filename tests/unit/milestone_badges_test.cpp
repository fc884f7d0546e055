// The badges placed in rows through the screen's free areas, newest first, each in its own
// width, and as many as leave room for the note on the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/milestone_badges.h"

namespace {

int MoreWidth(int hidden) {
    return 30 + hidden;
}

bool Inside(const Box& box, const Box& area) {
    return box.x >= area.x && box.y >= area.y && RightOf(box) <= RightOf(area) &&
           BottomOf(box) <= BottomOf(area);
}

// Where each badge and the note went, in the order placed.
std::vector<Box> Placed(const BadgePlacement& placement) {
    std::vector<Box> placed = placement.badges;
    if (placement.hidden > 0) {
        placed.push_back(placement.more);
    }
    return placed;
}

} // namespace

TEST(MilestoneBadges, AsManyAsFitNewestFirstThenTheNoteOnTheRest) {
    const std::vector<int> widths = {40, 40, 40, 40, 40};
    const struct {
        const char* what;
        std::vector<Box> areas;
        std::size_t shown;
        int hidden;
    } cases[] = {
        {"all in one row", {{0, 0, 250, 20}}, 5, 0},
        {"two rows", {{0, 0, 130, 50}}, 5, 0},
        {"three and the note", {{0, 0, 170, 20}}, 3, 2},
        {"the title row, then the column", {{0, 0, 90, 20}, {200, 100, 90, 50}}, 5, 0},
        {"only the note", {{0, 0, 35, 20}}, 0, 5},
        {"no room for the note", {{0, 0, 34, 20}}, 0, 0},
        {"too low", {{0, 0, 500, 19}}, 0, 0},
        {"no areas", {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const BadgePlacement placement = PlaceBadges(widths, 20, 5, c.areas, MoreWidth);
        ASSERT_EQ(placement.badges.size(), c.shown);
        EXPECT_EQ(placement.hidden, c.hidden);
        const std::vector<Box> placed = Placed(placement);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const Box& box = placed[i];
            const int width = i < c.shown ? widths[i] : MoreWidth(c.hidden);
            EXPECT_EQ(box.width, width) << "item " << i;
            EXPECT_TRUE(std::any_of(c.areas.begin(), c.areas.end(),
                                    [&](const Box& area) { return Inside(box, area); }))
                << "item " << i << " inside an area";
            if (i > 0) {
                const Box& before = placed[i - 1];
                EXPECT_TRUE(box.y > before.y || (box.y == before.y && box.x > RightOf(before)))
                    << "item " << i << " after the one before, clear of it";
            }
        }
    }
}
