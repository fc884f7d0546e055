// The started game driven frame by frame without a window: keys reach the game's setup
// and answers only while its own screen is up, leaving for the menu ends a pause, and the
// races around the challenge, the pause, the level step and the clock's end, with clicks
// offered to the controls the last frame drew and time from the driven tick source.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "base/random.h"
#include "shell/data_files.h"
#include "support/frame_fixture.h"

namespace {

// The setup screen's keys: start, difficulties, operation switches, back to the menu.
const std::vector<int> SetupKeys = {'1', '2', '3', '4', '5', '6', '7', '8', '0', KeyCode::Escape};

} // namespace

TEST_F(FrameFixture, SetupKeysActOnlyOnTheSetupScreen) {
    const SetupState before = Choices();
    Keys({'5', '6', '7', '8'}); // the main menu does not pass them on
    Key('3');
    Frame();
    Keys({'6', '7', '8', KeyCode::Escape}); // the high-score screen passes these on
    EXPECT_EQ(game.screen, ScreenState::HighScores);
    Key('0');
    Key('2');
    Frame();
    Keys({'2', '3', '4', '5', '6', '7', '8', KeyCode::Escape}); // and the options screen these
    EXPECT_EQ(game.screen, ScreenState::Options);
    EXPECT_TRUE(Choices() == before) << "a menu screen changed the game's setup";
    Key('0');
    StartGame();
    Keys(SetupKeys); // answers, in play
    game.EndGame();
    Frame();
    Keys(SetupKeys);
    EXPECT_TRUE(Choices() == before) << "play or the game-over screen changed the setup";
    EXPECT_FALSE(game.setupMode);
    EXPECT_EQ(game.screen, ScreenState::Game);
    Key(KeyCode::Space);
    Frame();
    Key('6');
    EXPECT_FALSE(game.operations.subtractEnabled) << "on the setup screen the keys work";
}

TEST_F(FrameFixture, KeysOnAPausedSetupScreenChangeNothingAndTheMenuNeverKeepsAPause) {
    Key('1');
    Frame();
    Pause();
    Frame();
    ASSERT_TRUE(game.paused);
    const SetupState before = Choices();
    Keys(SetupKeys);
    EXPECT_TRUE(Choices() == before);
    EXPECT_TRUE(game.setupMode) << "no game started behind the pause screen";
    EXPECT_FALSE(Heard(StartSoundId));
    EXPECT_TRUE(game.paused) << "Escape and 0 must not leave for the menu behind the pause";
    EXPECT_EQ(game.screen, ScreenState::Game);

    game.ReturnToMenu();
    EXPECT_FALSE(game.paused) << "leaving for the menu ends the pause";
    EXPECT_FALSE(game.clock.timer.paused) << "through the game's resume";
    StartGame();
    clock.Advance(1000);
    EXPECT_EQ(game.clock.RemainingSeconds(), 29) << "the new game's clock runs";
}

TEST_F(FrameFixture, AnAnsweredChallengeOpensTheNextLevelAtOnce) {
    StartGame();
    ReachChallenge();
    Answer();
    // No frame yet: a digit typed now must meet the next level's first problem.
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.dealer.problemNumber, 1);
    EXPECT_GE(game.dealer.currentProblem.operandA, 1) << "not a problem dealt from empty pools";
    EXPECT_EQ(Played().back(), StartSoundId);
    Frame();
    EXPECT_FALSE(game.challengeActive);
    EXPECT_EQ(game.level, 2) << "the level step runs once";
}

TEST_F(FrameFixture, APauseRightAfterTheChallengeHoldsTheClock) {
    StartGame();
    ReachChallenge();
    Answer();
    Pause();
    Frame();
    ASSERT_TRUE(game.paused);
    const int shown = game.clock.RemainingSeconds();
    clock.Advance(10000);
    Frame();
    Frame();
    EXPECT_EQ(game.clock.RemainingSeconds(), shown);
}

TEST_F(FrameFixture, ALevelStepWhilePausedLeavesTheClockStopped) {
    StartGame();
    game.Pause();
    game.LevelUp();
    clock.Advance(5000);
    EXPECT_EQ(game.clock.RemainingSeconds(), 30);
}

TEST_F(FrameFixture, SkipInTheFrameTheClockRunsOutDoesNothing) {
    StartGame();
    ReachChallenge();
    Click(game.skipButton);
    clock.Advance(61000);
    const std::size_t before = sounds.Requests().size();
    Frame();
    EXPECT_TRUE(game.gameOver);
    EXPECT_EQ(game.level, 1) << "the table must record the level reached";
    EXPECT_TRUE(Heard(GameOverSoundId, before));
    EXPECT_FALSE(Heard(StartSoundId, before)) << "a start sound over the game-over sound";
}

namespace {

// Where a skipped challenge leaves the game.
struct AfterSkip {
    std::uint32_t score;
    int level, problemNumber, remaining;
    Problem current;
    bool operator==(const AfterSkip& o) const {
        return score == o.score && level == o.level && problemNumber == o.problemNumber &&
               remaining == o.remaining && current.operation == o.current.operation &&
               current.operandA == o.current.operandA && current.operandB == o.current.operandB;
    }
};

} // namespace

TEST_F(FrameFixture, SOnTheChallengeSkipsItAsAClickOnSkipDoes) {
    const std::function<void()> ways[] = {[&] { Click(game.skipButton); }, [&] { Key('S'); }};
    std::vector<AfterSkip> outcomes;
    for (const auto& skip : ways) {
        SeedRandom(20261209);
        StartGame();
        ReachChallenge();
        const std::uint32_t score = game.score;
        skip();
        Frame();
        outcomes.push_back({game.score, game.level, game.dealer.problemNumber,
                            game.clock.RemainingSeconds(), game.dealer.currentProblem});
        EXPECT_EQ(game.score, score) << "a skip scores nothing";
        EXPECT_EQ(game.level, 2);
        Exit();
        Frame();
    }
    EXPECT_TRUE(outcomes[0] == outcomes[1]) << "S and a click on Skip differ";

    // In the frame the clock runs out, S skips nothing either.
    StartGame();
    ReachChallenge();
    Key('S');
    clock.Advance(61000);
    Frame();
    EXPECT_TRUE(game.gameOver);
    EXPECT_EQ(game.level, 1) << "the table must record the level reached";
}

TEST_F(FrameFixture, SDoesNothingWhereNoSkipIsShown) {
    StartGame();
    const int problem = game.dealer.problemNumber;
    Key('S');
    Frame();
    EXPECT_EQ(game.dealer.problemNumber, problem) << "a regular problem has no Skip";
    ReachChallenge();
    game.dealer.currentProblem = Problem{12, OpMultiply, 5};
    Key('6'); // a digit typed takes "Skip" away
    Frame();
    Key('S');
    Frame();
    EXPECT_TRUE(game.challengeActive);
    EXPECT_EQ(game.level, 1);
    EXPECT_EQ(game.typedAnswer, "6");
}

TEST_F(FrameFixture, ExitInTheFrameTheClockRunsOutLeavesNoGameOverBehind) {
    StartGame();
    Exit();
    clock.Advance(61000);
    Frame();
    EXPECT_EQ(game.screen, ScreenState::MainMenu);
    EXPECT_FALSE(game.gameOver);
}

TEST_F(FrameFixture, TheFrameAfterSkipShowsTheNextLevelAndNoStaleClickSkipsAChallenge) {
    StartGame();
    ReachChallenge();
    Click(game.skipButton);
    Frame();
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.dealer.problemNumber, 1);
    EXPECT_FALSE(game.challengeActive) << "the challenge caption over the new problem";
    Click(game.skipButton);
    EXPECT_FALSE(game.skipButton.clickLatch) << "\"Skip\" was live in the frame after it";

    // A click on "Skip" in the gap in which the challenge is answered skips nothing later.
    ReachChallenge();
    Click(game.skipButton);
    Answer();
    Frame();
    EXPECT_EQ(game.level, 3);
    ReachChallenge();
    EXPECT_EQ(game.level, 3) << "the third level's challenge was skipped";
}

TEST_F(FrameFixture, ANonDigitAnswerIsWrongEvenWhenItReadsAsTheResult) {
    StartGame();
    game.dealer.currentProblem = Problem{3, OpSubtract, 3};
    game.typedAnswer = "+";
    EXPECT_FALSE(game.CheckAnswer());
    EXPECT_EQ(game.score, 0u);
    EXPECT_EQ(Played().back(), WrongSoundId);
    EXPECT_EQ(game.typedAnswer, "");
}

TEST_F(FrameFixture, GoingAwayPausesAGameUnderWayAndNothingElse) {
    Key('1');
    Frame();
    game.OnDeactivate(); // on the setup screen: no pause
    EXPECT_FALSE(game.paused);
    Key('1');
    Frame();
    const int before = game.clock.RemainingSeconds();
    game.OnDeactivate();
    EXPECT_TRUE(game.paused) << "the player is away: the game pauses as Pause would";
    clock.Advance(20000);
    Frame();
    game.OnDeactivate(); // a second notice (minimise after deactivation) changes nothing
    EXPECT_EQ(game.clock.RemainingSeconds(), before);
    game.OnMouseDown(10, 10); // a click resumes, as on the pause screen
    Frame();
    EXPECT_FALSE(game.paused);
    EXPECT_EQ(game.clock.RemainingSeconds(), before) << "the clock goes on from where it was";
    clock.Advance(40000);
    Frame();
    ASSERT_TRUE(game.gameOver);
    game.OnDeactivate();
    EXPECT_FALSE(game.paused) << "a finished game is not paused";
}

namespace {

bool FileExists(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the two files in the folder hold, read back as the game would read them.
struct SavedFiles {
    HighScoreEntry table[HighScoreCount];
    bool ops[4] = {};
    int difficulty = -1;
};

SavedFiles ReadSavedFiles(const TemporaryDataFolder& folder) {
    SavedFiles saved;
    bool sound = true;
    DataFileSet files{"Quickfigure", 101, saved.table, &sound, nullptr};
    files.serializeSettings = [&saved](DataArchive& archive) {
        for (bool& op : saved.ops) {
            archive.TransferBool(op);
        }
        archive.TransferInt(saved.difficulty);
    };
    LoadDataBytes(FileBytes(folder.File("settings.dat")), FileBytes(folder.File("highscores.dat")),
                  files);
    return saved;
}

} // namespace

TEST_F(FrameFixture, SettingsAndRecordedScoresReachTheDiskAtOnce) {
    Frame();
    EXPECT_FALSE(FileExists(folder.File("settings.dat"))) << "nothing changed, nothing written";
    Key('1');
    Frame();
    Key('4'); // Hard
    Frame();
    SavedFiles saved = ReadSavedFiles(folder);
    EXPECT_EQ(saved.difficulty, 2) << "the changed difficulty is on disk at once";
    Key('1');
    Frame();
    Answer();
    clock.Advance(70000);
    Frame();
    ASSERT_TRUE(game.gameOver);
    Key(KeyCode::Space);
    saved = ReadSavedFiles(folder);
    EXPECT_GT(saved.table[0].score, 0u);
    EXPECT_EQ(saved.table[0].score, game.highScores[0].score) << "the recorded game is on disk";
}
