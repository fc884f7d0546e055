// Where the window opens at start: the saved placement when its title bar is whole on one
// monitor's work area now, otherwise the default place with the maximised and full-screen
// choices kept.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/window_placement.h"

namespace {

constexpr int TitleBar = 30;
const Rect Left{0, 0, 1920, 1040};
const Rect Right{1920, 0, 3200, 1024};

struct PlacementCase {
    std::string name;
    Rect saved;
    std::vector<Rect> monitors;
    bool restored;
};

const PlacementCase PlacementCases[] = {
    {"inside the one monitor", {100, 100, 740, 580}, {Left}, true},
    {"on the second monitor", {2000, 50, 2640, 530}, {Left, Right}, true},
    {"title bar touching the work area's edges", {0, 0, 1920, 480}, {Left}, true},
    {"second monitor gone", {2000, 50, 2640, 530}, {Left}, false},
    {"no monitor at all", {100, 100, 740, 580}, {}, false},
    {"title bar above the work area", {100, -5, 740, 475}, {Left}, false},
    {"title bar partly past the right edge", {1500, 100, 2140, 580}, {Left}, false},
    {"title bar under the work area's bottom", {100, 1020, 740, 1500}, {Left}, false},
    {"title bar across two monitors", {1600, 100, 2240, 580}, {Left, Right}, false},
    {"a rectangle with no area", {100, 100, 100, 580}, {Left}, false},
};

class ChoosePlacementTable : public testing::TestWithParam<PlacementCase> {};

TEST_P(ChoosePlacementTable, RestoresOnlyWhereTheTitleBarIsWholeOnAMonitor) {
    const PlacementCase& c = GetParam();
    for (const bool maximised : {false, true}) {
        for (const bool fullScreen : {false, true}) {
            const WindowPlacement saved{true, c.saved, maximised, fullScreen};
            const WindowPlacement chosen = ChoosePlacement(saved, TitleBar, c.monitors);
            EXPECT_EQ(chosen.known, c.restored);
            EXPECT_EQ(chosen.maximised, maximised);
            EXPECT_EQ(chosen.fullScreen, fullScreen);
            const Rect expected = c.restored ? c.saved : Rect();
            EXPECT_EQ(chosen.normal.left, expected.left);
            EXPECT_EQ(chosen.normal.top, expected.top);
            EXPECT_EQ(chosen.normal.right, expected.right);
            EXPECT_EQ(chosen.normal.bottom, expected.bottom);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ChoosePlacementTable, testing::ValuesIn(PlacementCases),
                         [](const testing::TestParamInfo<PlacementCase>& param) {
                             std::string name;
                             for (const char c : param.param.name) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(ChoosePlacement, NothingSavedOpensInTheDefaultPlace) {
    EXPECT_FALSE(ChoosePlacement(WindowPlacement(), TitleBar, {Left}).known);
}

} // namespace
