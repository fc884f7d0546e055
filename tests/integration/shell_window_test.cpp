// The shell in the real window: a menu click takes effect in the frame after it, Back
// returns to the menu, "Quit" ends the program with both files written, and only then, and
// a game whose game-over screen is still up when the program ends keeps its score.
#include <gtest/gtest.h>

#include "shell/data_archive.h"
#include "support/data_folder.h"
#include "support/scripted_game.h"
#include "support/sound_recorder.h"

namespace {

// Counts the game's settings reads: one at start.
class ShellProbe : public ScriptedGame {
  public:
    ShellProbe() { frameLimit = 400; }
    bool SerializeSettings(DataArchive& archive) override {
        loads += archive.IsWriting() ? 0 : 1;
        return ArithmeticGame::SerializeSettings(archive);
    }

    int loads = 0;
};

} // namespace

TEST(WindowShell, MenuClicksAndBackTakeEffectInTheNextFrame) {
    TemporaryDataFolder folder("shell-clicks");
    SoundRecorder silence;
    ShellProbe game;
    int clickedAt = 0;
    int optionsAt = 0;
    int backClickedAt = 0;
    int menuAgainAt = 0;
    bool savedBeforeQuit = false;
    game.script = [&] {
        // Nothing changed, so nothing is written before the program ends.
        savedBeforeQuit = savedBeforeQuit || std::filesystem::exists(folder.File("settings.dat"));
        if (game.frames == 3) {
            PostClick(game, game.mainMenu.items[1]); // "Options"
            clickedAt = game.frames;
        } else if (optionsAt == 0 && game.screen == ScreenState::Options) {
            optionsAt = game.frames; // chosen at the end of this frame, drawn from the next
        } else if (backClickedAt == 0 && optionsAt != 0) {
            backClickedAt = game.frames;
            PostClick(game, game.backButton);
        } else if (backClickedAt != 0 && menuAgainAt == 0 && game.screen == ScreenState::MainMenu) {
            menuAgainAt = game.frames;
            PostClick(game, game.mainMenu.items[3]); // "Quit"
        }
    };
    game.Run();
    EXPECT_EQ(optionsAt, clickedAt + 1);
    EXPECT_EQ(menuAgainAt, backClickedAt + 1);
    EXPECT_EQ(game.screen, ScreenState::Quit);
    EXPECT_LT(game.frames, 400) << "Quit ended the program";
    EXPECT_EQ(game.loads, 1);
    EXPECT_FALSE(savedBeforeQuit) << "a menu visit changed no setting, so wrote nothing";
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
                PressKeys(game, {'1', '1'}); // Play: the setup screen, then start
            } else if (game.frames == 4) {
                game.score = 77; // as if earned
                game.EndGame();
            } else if (game.frames == 6) {
                PostMessageA(WindowOf(game), WM_CLOSE, 0, 0);
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
    DataFileState disk;
    LoadDataFiles(files, disk);
    EXPECT_EQ(table[0].score, 77u) << "the score reached the file";
    EXPECT_EQ(table[0].difficultyText, "Normal");
}
