// Where the window opens at start: the saved placement when its title bar is whole on one
// monitor's work area now, otherwise the default place with the maximised and full-screen
// choices kept; and which monitor's dots per inch it opens with.
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

std::string TestName(const std::string& text) {
    std::string name;
    for (const char c : text) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

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
                             return TestName(param.param.name);
                         });

TEST(ChoosePlacement, NothingSavedOpensInTheDefaultPlace) {
    EXPECT_FALSE(ChoosePlacement(WindowPlacement(), TitleBar, {Left}).known);
}

// A monitor under the restored rectangle at 144 DPI, a primary one at 120 and a system
// at 96; a reading of 0 is a monitor that gives none. The readings record what they saw.
struct DotsPerInchCase {
    std::string name;
    bool restored;
    int underReading;
    int primaryReading;
    int expected;
};

const DotsPerInchCase DotsPerInchCases[] = {
    {"restored: the monitor under it", true, 144, 120, 144},
    {"restored, no reading: the system", true, 0, 120, 96},
    {"default place: the primary monitor", false, 144, 120, 120},
    {"default place, no reading: the system", false, 144, 0, 96},
};

class OpeningDotsPerInchTable : public testing::TestWithParam<DotsPerInchCase> {};

TEST_P(OpeningDotsPerInchTable, ReadsTheMonitorTheWindowOpensOn) {
    const DotsPerInchCase& c = GetParam();
    const WindowPlacement chosen{c.restored, c.restored ? Right : Rect(), false, false};
    std::vector<Rect> asked;
    const DotsPerInchReadings readings{[&](const Rect& r) {
                                           asked.push_back(r);
                                           return c.underReading;
                                       },
                                       [&]() { return c.primaryReading; }, []() { return 96; }};
    EXPECT_EQ(OpeningDotsPerInch(chosen, readings), c.expected);
    ASSERT_EQ(asked.size(), c.restored ? 1U : 0U);
    if (c.restored) {
        EXPECT_EQ(asked[0].left, Right.left);
        EXPECT_EQ(asked[0].top, Right.top);
        EXPECT_EQ(asked[0].right, Right.right);
        EXPECT_EQ(asked[0].bottom, Right.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, OpeningDotsPerInchTable, testing::ValuesIn(DotsPerInchCases),
                         [](const testing::TestParamInfo<DotsPerInchCase>& param) {
                             return TestName(param.param.name);
                         });

} // namespace
