// The real game's window between runs and in full screen: F11 and Alt+Enter switch a game in
// play to the whole monitor and back without touching its problem, answer, score or clock;
// a placement saved in window.dat is where the next start opens, and the one left at exit
// is saved there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/window_file.h"
#include "support/data_folder.h"
#include "support/printers.h"
#include "support/scripted_game.h"

namespace {

// What a game in play must keep through a change of the window.
struct PlayState {
    Problem problem{};
    std::string answer;
    std::uint32_t score = 0;
    int seconds = -1;
    bool playing = false;
};

PlayState ReadPlay(ArithmeticGame& game) {
    return {game.dealer.currentProblem, game.typedAnswer, game.score, game.clock.RemainingSeconds(),
            game.IsInGame() && !game.setupMode && !game.paused};
}

void PostAltEnter(const Application& app) {
    // Bit 29: Alt is held, as the system sends a key pressed with it.
    PostMessageA(WindowOf(app), WM_SYSKEYDOWN, VK_RETURN, LPARAM{1} << 29);
}

Rect WindowRect(const Application& app) {
    RECT r;
    GetWindowRect(WindowOf(app), &r);
    return {r.left, r.top, r.right, r.bottom};
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void ExpectSameRect(const Rect& a, const Rect& b) {
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.right);
    EXPECT_EQ(a.bottom, b.bottom);
}

} // namespace

TEST(WindowFullScreen, F11AndAltEnterKeepAGameInPlay) {
    TemporaryDataFolder folder("full-screen-play");
    ScriptedGame game;
    PlayState before;
    PlayState after;
    Rect windowBefore;
    Rect windowAfter;
    int fullWidth = 0;
    int fullHeight = 0;
    game.script = [&] {
        if (PostStartWithHalfAnswer(game)) {
            return;
        }
        switch (game.frames) {
        case 7:
            before = ReadPlay(game);
            windowBefore = WindowRect(game);
            PostKey(game, VK_F11);
            break;
        case 9:
            fullWidth = game.width;
            fullHeight = game.height;
            PostAltEnter(game);
            break;
        case 11:
            after = ReadPlay(game);
            windowAfter = WindowRect(game);
            game.RequestQuit();
            break;
        default: break;
        }
    };
    game.Run();
    ASSERT_TRUE(before.playing);
    EXPECT_EQ(fullWidth, GetSystemMetrics(SM_CXSCREEN)) << "drawn at the screen's size";
    EXPECT_EQ(fullHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(game.width, 640) << "back to the window's own size";
    EXPECT_EQ(game.height, 480);
    ExpectSameRect(windowAfter, windowBefore);
    EXPECT_EQ(after.problem, before.problem);
    EXPECT_EQ(after.answer, before.answer);
    EXPECT_EQ(after.score, before.score);
    EXPECT_GE(after.seconds, before.seconds - 1) << "the clock was not reset or stopped";
    EXPECT_LE(after.seconds, before.seconds);
    EXPECT_TRUE(after.playing);
}

TEST(WindowPlacementRestored, TheSavedPlaceIsWhereTheWindowOpensAndTheLastOneIsSaved) {
    TemporaryDataFolder folder("window-placement");
    const WindowPlacement saved{true, {210, 160, 1010, 790}, false, false};
    std::ofstream(folder.File("window.dat"), std::ios::binary) << WindowFileBytes(saved);
    ScriptedGame game;
    Rect opened;
    Rect moved;
    game.script = [&] {
        if (game.frames == 2) {
            opened = WindowRect(game);
            SetWindowPos(WindowOf(game), nullptr, 150, 120, 700, 560,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (game.frames == 4) {
            moved = WindowRect(game);
            game.RequestQuit();
        }
    };
    game.Run();
    ExpectSameRect(opened, saved.normal);
    WindowPlacement next;
    ASSERT_TRUE(ReadWindowBytes(ReadBytes(folder.File("window.dat")), next));
    ExpectSameRect(next.normal, moved);
    EXPECT_FALSE(next.maximised);
    EXPECT_FALSE(next.fullScreen);
}

TEST(WindowPlacementRestored, TheEndOfASessionSavesWhereTheWindowStands) {
    TemporaryDataFolder folder("window-session-end");
    ScriptedGame game;
    Rect moved;
    bool saved = false;
    WindowPlacement atEnd;
    game.script = [&] {
        if (game.frames == 2) {
            SetWindowPos(WindowOf(game), nullptr, 150, 120, 700, 560,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        } else if (game.frames == 3) {
            moved = WindowRect(game);
            SendMessageA(WindowOf(game), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
            SendMessageA(WindowOf(game), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            // Read before the loop ends: the system may end the process at any moment now.
            saved = ReadWindowBytes(ReadBytes(folder.File("window.dat")), atEnd);
        }
    };
    game.Run();
    ASSERT_TRUE(saved) << "no window.dat when the session's end was answered";
    ExpectSameRect(atEnd.normal, moved);
}

TEST(WindowPlacementRestored, FullScreenAtExitOpensFullScreenNextTime) {
    TemporaryDataFolder folder("window-full-screen");
    for (int run = 0; run < 2; ++run) {
        ScriptedGame game;
        int width = 0;
        game.script = [&] {
            if (game.frames == 2 && run == 0) {
                PostKey(game, VK_F11);
            } else if (game.frames == 4) {
                width = game.width;
                game.RequestQuit();
            }
        };
        game.Run();
        EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN)) << "run " << run;
    }
}
