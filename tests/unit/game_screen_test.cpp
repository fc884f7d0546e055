// What the game screens compute as they draw: the column sum aligned on its right edge,
// the time panel's lamps in tall and short panels, and the version text of the options
// screen.
#include <gtest/gtest.h>

#include <utility>

#include "game/arithmetic_game.h"
#include "shell/version_text.h"
#include "support/hook_guards.h"
#include "support/layout_checks.h"
#include "support/metric_font.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "text/text.h"

namespace {

// The columns the bar covers on row y, as [first, last].
std::pair<int, int> BarColumns(const TestSurface& surface, int y) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < surface.Width(); ++x) {
        if (surface.At(x, y) == 0) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

} // namespace

TEST(GameScreen, ColumnSumIsRightAlignedAndCentred) {
    SoundRecorder silence;
    TestSurface surface(400, 300);
    ArithmeticGame game; // constructing the application resets the current font
    CurrentMetricFont current(20, 20, 40, 4);
    Font& font = current.font;
    font.SetFixedAdvance(20);
    const LayoutViewportGuard viewport(400, 300); // no window: lines wrap at this width
    const Box box{0, 0, 400, 300};
    game.DrawProblem(box, Problem{12, OpMultiply, 7}, nullptr, 0, nullptr, false);

    // "x 7" is two cells and a half-cell space: 50 pixels, centred in 400.
    const int left = CenterOffset(400, 50);
    const int rowStep = 40 + 40 / 8;
    const int top = CenterOffset(300, 40 / 4 + 40 / 8 + 2 * rowStep);
    const auto bar = BarColumns(surface, top + 2 * rowStep);
    EXPECT_EQ(bar.first, left);
    EXPECT_EQ(bar.second, left + 50 - 1);
    // The last styled draw laid out "12": its 2 ends where the 7 and the bar end.
    ASSERT_EQ(font.layoutCount, 2);
    const LayoutRecord& two = font.layoutBuffer[1];
    EXPECT_EQ(two.code, '2');
    EXPECT_EQ(two.x + 20, left + 50);
    EXPECT_EQ(two.y, top);
}

TEST(GameScreen, LampsAreAQuarterOfThePanelUnlessItIsTooShortThenSmallerAndCentred) {
    SoundRecorder silence;
    TestSurface surface(400, 300);
    ArithmeticGame game;
    const CurrentMetricFont font(10, 10, 20, 2);
    const LayoutViewportGuard viewport(400, 300);
    FrameLayoutRecorder recorder;
    // 100 high: lamps of 120/4 = 30 with gaps of 7, from the left edge, 7 above the bottom.
    game.DrawTimePanel(Box{0, 0, 120, 100}, nullptr, true);
    ASSERT_EQ(recorder.Boxes().size(), 4u);
    for (int i = 0; i < 3; ++i) {
        const Rect& lamp = recorder.Boxes()[1 + i];
        EXPECT_EQ(lamp.left, 7 + i * 37);
        EXPECT_EQ(lamp.top, 63);
        EXPECT_EQ(lamp.right - lamp.left, 31) << "30 and the outline";
    }
    // 48 high: the clock's 20 and the gaps leave lamps of 4 * (48 - 20) / 7 = 16, gaps of 4;
    // the row of 3 * 16 + 4 * 4 = 64 is centred in 120.
    recorder.Clear();
    game.DrawTimePanel(Box{0, 0, 120, 48}, nullptr, true);
    ASSERT_EQ(recorder.Boxes().size(), 4u);
    for (int i = 0; i < 3; ++i) {
        const Rect& lamp = recorder.Boxes()[1 + i];
        EXPECT_EQ(lamp.left, 28 + 4 + i * 20);
        EXPECT_EQ(lamp.top, 28);
        EXPECT_EQ(lamp.right - lamp.left, 17);
    }
}

TEST(GameScreen, VersionShowsTheMinorPartWithTwoDigits) {
    EXPECT_EQ(VersionText(1, 1), "v1.01");
    EXPECT_EQ(VersionText(1, 5), "v1.05");
    EXPECT_EQ(VersionText(1, 12), "v1.12");
    EXPECT_EQ(VersionText(2, 0), "v2.00");
}
