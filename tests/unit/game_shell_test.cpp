// The shell's screen state machine without a window: every row of the key table, the
// button latches read in the frame after a click, pause and resume, the end of a game and
// its dismissal, and the high-score entry the shell makes from the game's answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/sound.h"
#include "base/key_translation.h"
#include "resources/resource_ids.h"
#include "shell/game_shell.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"
#include "support/sound_recorder.h"
#include "ui/shell_open.h"

namespace {

// A shell whose game hooks only count their calls.
class CountingShell : public GameShell {
  public:
    CountingShell() { difficultyNames = {"Easy", "Normal", "Hard"}; }
    void StartNewGame() override { ++newGames; }
    void OnPause() override { ++pauses; }
    void OnResume() override {
        ++resumes;
        pausedAtResume = paused;
    }
    int GetDifficulty() override { return difficulty; }
    void DescribeGameMode(std::string& out) override { out = "mode"; }
    bool OnGameKeyDown(int key, KeyBindings*) override {
        lastGameKey = key;
        return true;
    }

    int newGames = 0;
    int pauses = 0;
    int resumes = 0;
    bool pausedAtResume = false;
    int difficulty = 1;
    int lastGameKey = 0;
};

bool Key(CountingShell& shell, int key) {
    return shell.OnKeyDown(key, &shell.keys);
}

std::string OpenedAddress;
void RecordOpen(const char* address) {
    OpenedAddress = address;
}

// The real game's game-over screen, with the texts of the last frame.
class GameOverResult : public FrameFixture {
  protected:
    // From the main menu or the setup screen: a game of `problems` answered problems, those
    // at the indexes in wrongAt answered wrong first, then the clock runs out.
    void PlayUntilTheClockEnds(int problems, const std::vector<int>& wrongAt) {
        if (game.screen != ScreenState::Game) {
            Key('1');
            Frame();
        }
        Key('1');
        Frame();
        for (int i = 0; i < problems; ++i) {
            if (std::find(wrongAt.begin(), wrongAt.end(), i) != wrongAt.end()) {
                AnswerWrong();
            }
            Answer();
        }
        clock.Advance(61000);
        Frame();
        ASSERT_TRUE(game.gameOver);
        DrawAgain();
    }
    void DrawAgain() {
        recorder.Clear();
        Frame();
    }
    // The text as the last frame drew it; an empty area when it was not drawn.
    Rect Drawn(const std::string& text) const {
        for (const DrawnText& drawn : recorder.Texts()) {
            if (drawn.text == text) {
                return drawn.area;
            }
        }
        return Rect{};
    }
    bool WasDrawn(const std::string& text) const {
        const Rect area = Drawn(text);
        return area.right > area.left;
    }

    FrameLayoutRecorder recorder;
};

} // namespace

TEST(ShellKeys, MainMenuRows) {
    CountingShell shell;
    EXPECT_TRUE(Key(shell, '2'));
    EXPECT_EQ(shell.screen, ScreenState::Options);
    shell.screen = ScreenState::MainMenu;
    EXPECT_TRUE(Key(shell, '3'));
    EXPECT_EQ(shell.screen, ScreenState::HighScores);
    shell.screen = ScreenState::MainMenu;
    EXPECT_TRUE(Key(shell, '1'));
    EXPECT_EQ(shell.screen, ScreenState::Game);
    EXPECT_EQ(shell.newGames, 1);
    for (int quitKey : {int{'0'}, KeyCode::Escape}) {
        shell.screen = ScreenState::MainMenu;
        EXPECT_TRUE(Key(shell, quitKey));
        EXPECT_EQ(shell.screen, ScreenState::Quit);
    }
}

TEST(ShellKeys, UnknownMainMenuKeyIsNotPassedToTheGame) {
    CountingShell shell;
    EXPECT_FALSE(Key(shell, 'A'));
    EXPECT_FALSE(Key(shell, '5'));
    EXPECT_EQ(shell.lastGameKey, 0);
    EXPECT_EQ(shell.screen, ScreenState::MainMenu);
}

TEST(ShellKeys, FourOpensTheWebAddress) {
    CountingShell shell;
    shell.webLink.label = "www.example.org";
    OpenedAddress.clear();
    SetShellOpenHandler(&RecordOpen);
    EXPECT_TRUE(Key(shell, '4'));
    SetShellOpenHandler(nullptr);
    EXPECT_EQ(OpenedAddress, "www.example.org");
    EXPECT_EQ(shell.screen, ScreenState::MainMenu);
}

TEST(ShellKeys, OptionsRows) {
    CountingShell shell;
    shell.screen = ScreenState::Options;
    const bool before = SoundEnabled;
    EXPECT_TRUE(Key(shell, '1'));
    EXPECT_EQ(SoundEnabled, !before);
    EXPECT_TRUE(Key(shell, '1'));
    EXPECT_EQ(SoundEnabled, before);
    EXPECT_TRUE(Key(shell, KeyCode::Escape)) << "Escape goes to the game here";
    EXPECT_EQ(shell.lastGameKey, KeyCode::Escape);
    EXPECT_EQ(shell.screen, ScreenState::Options);
    EXPECT_TRUE(Key(shell, '0'));
    EXPECT_EQ(shell.screen, ScreenState::MainMenu);
}

TEST(ShellKeys, HighScoreRowsSelectTheEntryShown) {
    CountingShell shell;
    for (const char* label : {"1", "2", "3", "4", "5"}) {
        shell.highScoreSelector.AddChoice(label);
    }
    shell.screen = ScreenState::HighScores;
    for (int key = '1'; key <= '5'; ++key) {
        EXPECT_TRUE(Key(shell, key));
        EXPECT_EQ(shell.highScoreSelector.Selected(), key - '1');
    }
    EXPECT_TRUE(Key(shell, '6'));
    EXPECT_EQ(shell.lastGameKey, '6');
    EXPECT_TRUE(Key(shell, '0'));
    EXPECT_EQ(shell.screen, ScreenState::MainMenu);
}

TEST(ShellKeys, SpaceAndEnterDismissOnlyAFinishedGameAndRecordItOnce) {
    for (int key : {KeyCode::Space, KeyCode::Return}) {
        SCOPED_TRACE(key);
        CountingShell shell;
        shell.screen = ScreenState::Game;
        EXPECT_TRUE(Key(shell, key));
        EXPECT_EQ(shell.lastGameKey, key) << "no game over: the game gets the key";
        EXPECT_EQ(shell.newGames, 0);

        shell.score = 42;
        shell.level = 3;
        shell.gameOver = true;
        shell.lastGameKey = 0;
        EXPECT_TRUE(Key(shell, key));
        EXPECT_FALSE(shell.gameOver);
        EXPECT_EQ(shell.newGames, 1);
        EXPECT_EQ(shell.lastGameKey, 0);
        EXPECT_EQ(shell.highScores[0].score, 42u);
        EXPECT_EQ(shell.highScores[0].level, 3);
        EXPECT_EQ(shell.highScores[0].difficultyText, "Normal");
        EXPECT_EQ(shell.highScores[0].modeText, "mode");

        EXPECT_TRUE(Key(shell, key)); // the next game is under way: the game's key again
        EXPECT_EQ(shell.lastGameKey, key);
        EXPECT_EQ(shell.newGames, 1);
        EXPECT_EQ(shell.highScores[1].score, 0u) << "the score was entered twice";
    }
}

TEST(ShellKeys, SpaceAndEnterEndAPauseAsAPressDoes) {
    const struct {
        int key;
        bool resumes;
    } cases[] = {
        {KeyCode::Space, true}, {KeyCode::Return, true},    {KeyCode::Escape, false}, {'1', false},
        {'A', false},           {KeyCode::Backspace, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        CountingShell shell;
        shell.screen = ScreenState::Game;
        shell.Pause();
        EXPECT_TRUE(Key(shell, c.key));
        EXPECT_EQ(shell.paused, !c.resumes);
        EXPECT_EQ(shell.resumes, c.resumes ? 1 : 0);
        EXPECT_EQ(shell.lastGameKey, c.resumes ? 0 : c.key) << "a key that resumes is the shell's";
        if (c.resumes) {
            EXPECT_TRUE(shell.pausedAtResume) << "the game hears of it before the flag clears";
        }
    }
}

TEST(ShellKeys, EscapeOnTheGameOverScreenGoesToTheGame) {
    CountingShell shell;
    shell.screen = ScreenState::Game;
    shell.gameOver = true;
    EXPECT_TRUE(Key(shell, KeyCode::Escape));
    EXPECT_EQ(shell.lastGameKey, KeyCode::Escape);
    EXPECT_TRUE(shell.gameOver);
}

TEST(ShellPause, PauseCallsTheGameAndAnyPressResumes) {
    CountingShell shell;
    shell.screen = ScreenState::Game;
    shell.OnMouseDown(10, 10);
    EXPECT_EQ(shell.resumes, 0) << "a press while running does nothing in the shell";
    shell.Pause();
    EXPECT_TRUE(shell.paused);
    EXPECT_EQ(shell.pauses, 1);
    shell.OnMouseDown(600, 470);
    EXPECT_EQ(shell.resumes, 1);
    EXPECT_TRUE(shell.pausedAtResume) << "the game hears of the resume before the flag clears";
    EXPECT_FALSE(shell.paused);
}

TEST(ShellGameOver, EndGamePlaysTheGameOverSound) {
    SoundRecorder recorder;
    CountingShell shell;
    shell.LoadShellSounds(QF_SOUND_CLICK, QF_SOUND_GAME_OVER);
    shell.EndGame();
    EXPECT_TRUE(shell.gameOver);
    ASSERT_EQ(recorder.Requests().size(), 1u);
    EXPECT_EQ(recorder.Requests()[0].resourceId, QF_SOUND_GAME_OVER);
}

TEST(ShellFrame, BackClickReturnsToTheMenuInTheNextFrame) {
    for (ScreenState screen : {ScreenState::Options, ScreenState::HighScores}) {
        CountingShell shell;
        shell.screen = screen;
        shell.backButton.OnPress(Point{});
        shell.backButton.OnRelease(Point{});
        shell.DrawFrame();
        EXPECT_EQ(shell.screen, ScreenState::MainMenu);
        EXPECT_TRUE(shell.animating);
    }
}

TEST(ShellFrame, OkClickDismissesTheGameOverScreen) {
    CountingShell shell;
    shell.screen = ScreenState::Game;
    shell.gameOver = true;
    shell.score = 7;
    shell.okButton.OnPress(Point{});
    shell.okButton.OnRelease(Point{});
    shell.DrawFrame();
    EXPECT_FALSE(shell.gameOver);
    EXPECT_EQ(shell.newGames, 1);
    EXPECT_EQ(shell.highScores[0].score, 7u);
}

TEST(ShellFrame, OkLatchIsNotReadWhileNoGameIsOver) {
    CountingShell shell;
    shell.screen = ScreenState::Game;
    shell.okButton.OnPress(Point{});
    shell.okButton.OnRelease(Point{});
    shell.DrawFrame();
    EXPECT_EQ(shell.newGames, 0);
    EXPECT_TRUE(shell.okButton.WasClicked()) << "the latch waits for its screen";
}

TEST(ShellFrame, QuitScreenRequestsTheEnd) {
    CountingShell shell;
    shell.screen = ScreenState::Quit;
    shell.DrawFrame();
    EXPECT_TRUE(shell.quitRequested);
}

TEST(ShellFrame, BackgroundIsWhiteInTheGameAndLightBlueElsewhere) {
    CountingShell shell;
    EXPECT_EQ(shell.GetBackgroundColor(), 0xFFE7DBu);
    shell.screen = ScreenState::Game;
    EXPECT_EQ(shell.GetBackgroundColor(), 0xFFFFFFu);
}

TEST(ShellHighScores, TheDifficultyIsRecordedUnderItsNameAndOneWithoutANameKeepsTheSlotsText) {
    const struct {
        int difficulty;
        const char* text;
    } cases[] = {{0, "Easy"}, {2, "Hard"}, {-1, "before"}, {3, "before"}};
    for (const auto& c : cases) {
        CountingShell shell;
        shell.difficulty = c.difficulty;
        shell.highScores[0].difficultyText = "before";
        shell.score = 5;
        shell.RecordHighScore();
        EXPECT_EQ(shell.highScores[0].difficultyText, c.text) << c.difficulty;
    }
}

TEST(ShellHighScores, DefaultDifficultyKeepsTheSlotsText) {
    CountingShell shell;
    shell.difficulty = -1;
    shell.highScores[0].difficultyText = "Hard";
    shell.highScores[0].score = 0;
    shell.score = 5;
    shell.RecordHighScore();
    EXPECT_EQ(shell.highScores[0].difficultyText, "Hard");
    EXPECT_EQ(shell.highScores[0].score, 5u);
}

TEST_F(GameOverResult, SaysHowManyProblemsWereRightAndWrongAboveGameOver) {
    const struct {
        int problems;
        std::vector<int> wrongAt;
    } games[] = {{0, {}}, {4, {}}, {5, {0, 3}}, {3, {0, 1, 2}}};
    for (const auto& played : games) {
        PlayUntilTheClockEnds(played.problems, played.wrongAt);
        const int wrong = static_cast<int>(played.wrongAt.size());
        const std::string line =
            std::to_string(played.problems - wrong) + " right, " + std::to_string(wrong) + " wrong";
        SCOPED_TRACE(line);
        ASSERT_TRUE(WasDrawn(line));
        EXPECT_LE(Drawn(line).bottom, Drawn("Game Over").top) << "in the free room above";
        Key(KeyCode::Space); // on to the setup screen for the next game
        Frame();
    }
}

TEST_F(GameOverResult, NewBestOnlyForAScoreThatTakesFirstPlace) {
    const struct {
        std::uint32_t best;
        std::uint32_t score;
        bool newBest;
    } cases[] = {{0, 25, true},
                 {20, 25, true},
                 {25, 25, true}, // a tie goes above
                 {26, 25, false},
                 {0, 0, false}}; // 0 would rank, but is no best
    PlayUntilTheClockEnds(0, {});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.best) + " then " + std::to_string(c.score));
        game.highScores[0].score = c.best;
        game.score = c.score;
        DrawAgain();
        EXPECT_EQ(WasDrawn("New best!"), c.newBest);
        if (c.newBest) {
            EXPECT_LE(Drawn("New best!").bottom, Drawn("0 right, 0 wrong").top);
        }
    }
}

TEST_F(GameOverResult, AGameOfChosenFactsSaysItStaysOutOfTheTableAndEntersNothing) {
    const char keptOut[] = "Games with chosen facts stay out of the high scores.";
    game.progress.history.options.facts.SetTable(7, true);
    PlayUntilTheClockEnds(3, {});
    ASSERT_GT(game.score, 0u);
    EXPECT_TRUE(WasDrawn(keptOut));
    EXPECT_FALSE(WasDrawn("New best!"));
    Key(KeyCode::Space);
    Frame();
    EXPECT_EQ(game.highScores[0].score, 0u) << "a game of chosen facts entered the table";
    EXPECT_EQ(game.progress.history.games.back().facts, "7");

    // Back at the levels, the next game is one the table takes.
    game.progress.history.options.facts = FactChoice();
    PlayUntilTheClockEnds(3, {});
    EXPECT_TRUE(WasDrawn("New best!"));
    EXPECT_FALSE(WasDrawn(keptOut));
    Key(KeyCode::Space);
    Frame();
    EXPECT_GT(game.highScores[0].score, 0u);
}
