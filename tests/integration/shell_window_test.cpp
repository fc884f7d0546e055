// The shell in the real window: a menu click takes effect in the frame after it, Back
// returns to the menu, "Quit" ends the program with both files written exactly once, and
// a game whose game-over screen is still up when the program ends keeps its score.
#include <gtest/gtest.h>

#include <functional>

#include "app/win32.h"
#include "game/arithmetic_game.h"
#include "shell/data_archive.h"
#include "support/data_folder.h"
#include "support/sound_recorder.h"

namespace {

// The real game with a script after every frame, counting its settings transfers.
class ShellProbe : public ArithmeticGame {
  public:
    void DrawFrame() override {
        ArithmeticGame::DrawFrame();
        ++frames;
        if (script) {
            script();
        }
        if (frames > 400) {
            RequestQuit();
        }
    }
    bool SerializeSettings(DataArchive& archive) override {
        ++(archive.IsWriting() ? saves : loads);
        return ArithmeticGame::SerializeSettings(archive);
    }

    std::function<void()> script;
    int frames = 0;
    int saves = 0;
    int loads = 0;
};

void Click(const Application& app, const Widget& widget) {
    const LPARAM at = MAKELPARAM(widget.x + widget.width / 2, widget.y + widget.height / 2);
    PostMessageA(static_cast<HWND>(app.window), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(static_cast<HWND>(app.window), WM_LBUTTONUP, 0, at);
}

} // namespace

TEST(WindowShell, MenuClicksAndBackTakeEffectInTheNextFrame) {
    TemporaryDataFolder folder("shell-clicks");
    SoundRecorder silence;
    ShellProbe game;
    int clickedAt = 0;
    int optionsAt = 0;
    int backClickedAt = 0;
    int menuAgainAt = 0;
    game.script = [&] {
        if (game.frames == 3) {
            Click(game, game.mainMenu.items[1]); // "Options"
            clickedAt = game.frames;
        } else if (optionsAt == 0 && game.screen == ScreenState::Options) {
            optionsAt = game.frames; // chosen at the end of this frame, drawn from the next
        } else if (backClickedAt == 0 && optionsAt != 0) {
            backClickedAt = game.frames;
            Click(game, game.backButton);
        } else if (backClickedAt != 0 && menuAgainAt == 0 && game.screen == ScreenState::MainMenu) {
            menuAgainAt = game.frames;
            Click(game, game.mainMenu.items[3]); // "Quit"
        }
    };
    game.Run();
    EXPECT_EQ(optionsAt, clickedAt + 1);
    EXPECT_EQ(menuAgainAt, backClickedAt + 1);
    EXPECT_EQ(game.screen, ScreenState::Quit);
    EXPECT_LT(game.frames, 400) << "Quit ended the program";
    EXPECT_EQ(game.loads, 1);
    EXPECT_EQ(game.saves, 1) << "both files are saved exactly once";
    EXPECT_TRUE(std::filesystem::exists(folder.File("settings.dat")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("highscores.dat")));
}

TEST(WindowShell, ClosingOnTheGameOverScreenKeepsTheScore) {
    TemporaryDataFolder folder("shell-close-over");
    SoundRecorder silence;
    {
        ShellProbe game;
        game.script = [&] {
            if (game.frames == 2) {
                game.OnKeyDown('1', &game.keys); // Play: the setup screen
                game.OnKeyDown('1', &game.keys); // start
            } else if (game.frames == 4) {
                game.score = 77; // as if earned
                game.EndGame();
            } else if (game.frames == 6) {
                PostMessageA(static_cast<HWND>(game.window), WM_CLOSE, 0, 0);
            }
        };
        game.Run();
        EXPECT_FALSE(game.gameOver);
        EXPECT_EQ(game.highScores[0].score, 77u);
    }
    HighScoreEntry table[HighScoreCount];
    bool sound = true;
    DataFileSet files;
    files.header = "Quickfigure";
    files.version = 101;
    files.highScores = table;
    files.soundEnabled = &sound;
    files.serializeSettings = [](DataArchive& archive) {
        bool operation = true;
        int difficulty = 0;
        for (int i = 0; i < 4; ++i) {
            archive.TransferBool(operation);
        }
        archive.TransferInt(difficulty);
    };
    LoadDataFiles(files);
    EXPECT_EQ(table[0].score, 77u) << "the score reached the file";
    EXPECT_EQ(table[0].difficultyText, "Normal");
}
