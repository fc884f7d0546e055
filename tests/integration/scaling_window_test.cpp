// The real game resized in its real window: the fonts follow the window's scale (and are
// today's sizes again at 640 x 480, frame for frame the same picture), the keypad is
// relabelled for the new shape, a game in play keeps its problem, answer, score and clock,
// and a move to a monitor of another scale takes the size the system suggests.
#include <gtest/gtest.h>

#include <vector>

#include "render/surface.h"
#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/printers.h"
#include "support/scripted_game.h"
#include "text/font.h"
#include "text/text.h"

namespace {

std::vector<Color565> SurfaceCopy() {
    std::vector<Color565> pixels;
    for (int y = 0; y < SurfaceHeight; ++y) {
        pixels.insert(pixels.end(), SurfacePixels + y * SurfacePitch,
                      SurfacePixels + y * SurfacePitch + SurfaceWidth);
    }
    return pixels;
}

struct FontSizes {
    int shell = 0;
    int problem = 0;
    bool currentIsOne = false;
};

FontSizes ReadFonts(const ArithmeticGame& game) {
    FontSizes sizes;
    sizes.shell = game.shellFont != nullptr ? game.shellFont->pixelSize : 0;
    sizes.problem = game.problemFont != nullptr ? game.problemFont->pixelSize : 0;
    sizes.currentIsOne = CurrentFont() == game.shellFont || CurrentFont() == game.problemFont;
    return sizes;
}

} // namespace

TEST(WindowScaling, FontsFollowTheWindowAndComeBackExactly) {
    TemporaryDataFolder folder("scaling-fonts");
    ScriptedGame game;
    std::vector<Color565> firstMenu;
    std::vector<Color565> menuAgain;
    FontSizes at640;
    FontSizes at1280;
    FontSizes atTall;
    int tallColumns = 0;
    int wideColumnsAgain = 0;
    game.script = [&] {
        switch (game.frames) {
        case 2:
            at640 = ReadFonts(game);
            firstMenu = SurfaceCopy();
            SetClientSize(game, 1280, 960);
            break;
        case 3:
            at1280 = ReadFonts(game);
            SetClientSize(game, 240, 320);
            break;
        case 4:
            atTall = ReadFonts(game);
            tallColumns = game.keypad.columns;
            SetClientSize(game, 640, 480);
            break;
        case 6:
            menuAgain = SurfaceCopy();
            wideColumnsAgain = game.keypad.columns;
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    EXPECT_EQ(at640.shell, 18);
    EXPECT_EQ(at640.problem, 60);
    EXPECT_EQ(at1280.shell, 36);
    EXPECT_EQ(at1280.problem, 120);
    EXPECT_TRUE(at1280.currentIsOne) << "the current font moved to the new one";
    EXPECT_EQ(atTall.shell, 9);
    EXPECT_EQ(atTall.problem, 30);
    EXPECT_EQ(tallColumns, 4);
    EXPECT_EQ(wideColumnsAgain, 3);
    ASSERT_EQ(menuAgain.size(), firstMenu.size());
    EXPECT_TRUE(menuAgain == firstMenu) << "back at 640 x 480 the menu is the same picture";
}

TEST(WindowScaling, AGameInPlayKeepsItsStateThroughResizes) {
    TemporaryDataFolder folder("scaling-play");
    ScriptedGame game;
    Problem before{};
    Problem after{};
    std::string answerBefore;
    std::string answerAfter;
    std::uint32_t scoreBefore = 0;
    std::uint32_t scoreAfter = 0;
    int secondsBefore = -1;
    int secondsAfter = -1;
    bool stillPlaying = false;
    bool started = false;
    game.script = [&] {
        if (PostStartWithHalfAnswer(game)) {
            return;
        }
        switch (game.frames) {
        case 7:
            started = !game.setupMode;
            before = game.dealer.currentProblem;
            answerBefore = game.typedAnswer;
            scoreBefore = game.score;
            secondsBefore = game.clock.RemainingSeconds();
            SetClientSize(game, 1024, 768);
            SetClientSize(game, 480, 640);
            SetClientSize(game, 640, 480);
            break;
        case 9:
            after = game.dealer.currentProblem;
            answerAfter = game.typedAnswer;
            scoreAfter = game.score;
            secondsAfter = game.clock.RemainingSeconds();
            stillPlaying = game.IsInGame() && !game.setupMode && !game.paused;
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    ASSERT_TRUE(started);
    EXPECT_EQ(after, before);
    EXPECT_EQ(answerAfter, answerBefore);
    EXPECT_EQ(scoreAfter, scoreBefore);
    EXPECT_GE(secondsAfter, secondsBefore - 1) << "the clock was not reset or stopped";
    EXPECT_LE(secondsAfter, secondsBefore);
    EXPECT_TRUE(stillPlaying);
}

TEST(WindowScaling, AMonitorOfAnotherScaleGetsTheSuggestedSize) {
    TemporaryDataFolder folder("scaling-dpi");
    ScriptedGame game;
    int widthAfter = 0;
    int heightAfter = 0;
    int shellSizeAfter = 0;
    game.script = [&] {
        if (game.frames == 2) {
            // What the system proposes when the window reaches a 144 DPI monitor.
            RECT suggested = {0, 0, 960, 720};
            const HWND window = WindowOf(game);
            AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                               FALSE, static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
            OffsetRect(&suggested, 50 - suggested.left, 40 - suggested.top);
            SendMessageA(window, 0x02E0, MAKEWPARAM(144, 144),
                         reinterpret_cast<LPARAM>(&suggested));
        } else if (game.frames == 4) {
            widthAfter = game.width;
            heightAfter = game.height;
            shellSizeAfter = game.shellFont != nullptr ? game.shellFont->pixelSize : 0;
            game.RequestQuit();
        }
    };
    game.Run();
    EXPECT_EQ(widthAfter, 960);
    EXPECT_EQ(heightAfter, 720);
    EXPECT_EQ(shellSizeAfter, 27) << "18 at one and a half times the scale";
}
