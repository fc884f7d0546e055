// The game object without a window: scoring and clock changes of right and wrong answers
// by difficulty, typing and clearing, the setup keys, keys ignored while paused or over,
// the mode text, the settings section, and the fading right answer.
#include <gtest/gtest.h>

#include <string>

#include "base/key_translation.h"
#include "game/arithmetic_game.h"
#include "resources/resource_ids.h"
#include "shell/data_archive.h"
#include "support/fake_clock.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "text/text.h"

namespace {

// A game with its resources loaded, on the game screen, ready to start.
class GameFixture : public testing::Test {
  protected:
    GameFixture() {
        game.LoadGameResources();
        game.screen = ScreenState::Game;
    }
    ~GameFixture() override { game.FreeGameResources(); }

    void Start(int difficulty) {
        game.difficultyChoice.Select(difficulty);
        Key('1');
        ASSERT_FALSE(game.setupMode);
    }
    void Key(int key) { game.OnGameKeyDown(key, &game.keys); }
    void Type(const std::string& digits) {
        for (char digit : digits) {
            Key(digit);
        }
    }
    void SetProblem(int a, std::uint8_t operation, int b) {
        game.dealer.currentProblem = Problem{a, operation, b};
    }
    int Count(int resourceId) const {
        int count = 0;
        for (const SoundRequest& request : sounds.Requests()) {
            count += request.resourceId == resourceId ? 1 : 0;
        }
        return count;
    }

    FakeClock clock;
    SoundRecorder sounds;
    ArithmeticGame game;
};

} // namespace

TEST_F(GameFixture, FastRightAnswerOnEasyScoresTenAndGivesFourSeconds) {
    Start(DifficultyEasy);
    EXPECT_EQ(game.clock.RemainingSeconds(), 30);
    SetProblem(3, OpAdd, 4);
    clock.Advance(900);
    Key('7');
    EXPECT_EQ(game.score, 10u);
    EXPECT_EQ(game.clock.RemainingSeconds(), 34);
    EXPECT_EQ(game.dealer.problemNumber, 2);
    EXPECT_EQ(Count(QF_SOUND_CORRECT), 1) << "the right-answer sound";
    EXPECT_EQ(game.fadeLevel, 255);
    EXPECT_EQ(game.fadingAnswer, "7");
}

TEST_F(GameFixture, PointsFallWithTheSecondsTaken) {
    Start(DifficultyNormal);
    SetProblem(2, OpAdd, 2);
    clock.Advance(5000);
    Key('4');
    EXPECT_EQ(game.score, 6u) << "five whole seconds";
    SetProblem(2, OpAdd, 3);
    clock.Advance(12000);
    Key('5');
    EXPECT_EQ(game.score, 7u) << "ten or more seconds still score 1";
}

TEST_F(GameFixture, WrongAnswersCostSecondsByDifficulty) {
    const int penalties[3] = {2, 3, 4};
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        Start(difficulty);
        SetProblem(5, OpAdd, 1);
        Key('9');
        EXPECT_EQ(game.clock.RemainingSeconds(), 30 - penalties[difficulty]) << difficulty;
        EXPECT_EQ(game.score, 0u);
        EXPECT_EQ(game.dealer.problemNumber, 1) << "the same problem stays";
        game.StartNewGame();
    }
    EXPECT_EQ(Count(QF_SOUND_WRONG), 3) << "the wrong-answer sound";
}

TEST_F(GameFixture, APenaltyLargerThanTheTimeLeftIsDropped) {
    Start(DifficultyHard);
    clock.Advance(28500); // 1.5 s left, shown as 2 (whole seconds elapsed)
    SetProblem(5, OpAdd, 1);
    Key('9');
    EXPECT_EQ(game.clock.RemainingSeconds(), 2);
    EXPECT_EQ(Count(QF_SOUND_WRONG), 1);
}

TEST_F(GameFixture, ChallengeScoresSixtyAndOpensTheNextLevel) {
    Start(DifficultyEasy);
    game.dealer.problemNumber = game.dealer.problemsPerLevel;
    SetProblem(12, OpMultiply, 3);
    clock.Advance(20000);
    Type("36");
    EXPECT_EQ(game.score, 60u) << "whatever the time taken";
    // 10 s left plus 4.002 s: 45.998 s elapsed shows as 45, so 15 remain.
    EXPECT_EQ(game.clock.RemainingSeconds(), 15);
    EXPECT_EQ(Count(QF_SOUND_CORRECT), 0) << "no right-answer sound for the challenge";
    EXPECT_EQ(game.level, 2) << "the next level opens with the answer";
    EXPECT_EQ(game.dealer.problemNumber, 1);
    EXPECT_EQ(Count(QF_SOUND_START), 2) << "the start sound of the game and of the level";
}

TEST_F(GameFixture, PartialInputWaitsAndTooManyDigitsIsImpossibleToType) {
    Start(DifficultyNormal);
    SetProblem(50, OpAdd, 6);
    Type("5");
    EXPECT_EQ(game.typedAnswer, "5");
    Key(KeyCode::Backspace);
    EXPECT_EQ(game.typedAnswer, "");
    Type("56");
    EXPECT_EQ(game.score, 10u) << "5, Backspace, 5, 6 is judged right";
    SetProblem(6, OpAdd, 6);
    Type("0");
    EXPECT_EQ(game.typedAnswer, "0") << "a leading zero waits for the second digit";
    Key(KeyCode::Delete);
    EXPECT_EQ(game.typedAnswer, "");
    Type("09");
    EXPECT_EQ(game.clock.RemainingSeconds(), 32 - 3) << "09 is judged wrong for 12";
}

TEST_F(GameFixture, KeysAreIgnoredWhilePausedOrOver) {
    Start(DifficultyNormal);
    SetProblem(3, OpAdd, 4);
    game.Pause();
    Key('7');
    EXPECT_EQ(game.score, 0u);
    EXPECT_EQ(game.typedAnswer, "");
    game.OnMouseDown(0, 0);
    game.EndGame();
    Key('7');
    EXPECT_EQ(game.score, 0u);
    EXPECT_EQ(game.clock.RemainingSeconds(), 30);
    game.gameOver = false;
    Key('7');
    EXPECT_EQ(game.score, 10u);
}

TEST_F(GameFixture, PauseStopsTheClock) {
    Start(DifficultyNormal);
    clock.Advance(4000);
    game.Pause();
    clock.Advance(60000);
    EXPECT_EQ(game.clock.RemainingSeconds(), 26);
    game.OnMouseDown(5, 5);
    clock.Advance(1000);
    EXPECT_EQ(game.clock.RemainingSeconds(), 25);
}

TEST_F(GameFixture, TheHighScoreTableNamesTheChosenDifficulty) {
    const struct {
        int difficulty;
        const char* name;
    } cases[] = {{DifficultyEasy, "Easy"}, {DifficultyNormal, "Normal"}, {DifficultyHard, "Hard"}};
    for (const auto& c : cases) {
        game.difficultyChoice.Select(c.difficulty);
        game.score = 100 + static_cast<std::uint32_t>(c.difficulty); // each takes first place
        game.RecordHighScore();
        EXPECT_EQ(game.highScores[0].difficultyText, c.name);
    }
}

TEST_F(GameFixture, SetupKeysChooseDifficultyAndOperations) {
    EXPECT_TRUE(game.setupMode);
    EXPECT_EQ(game.GetDifficulty(), DifficultyNormal);
    Key('2');
    EXPECT_EQ(game.GetDifficulty(), DifficultyEasy);
    Key('4');
    EXPECT_EQ(game.GetDifficulty(), DifficultyHard);
    for (int key : {'5', '6', '7', '8'}) {
        Key(key);
    }
    EXPECT_FALSE(game.operations.Any());
    Key('1');
    EXPECT_TRUE(game.setupMode) << "no game without an operation";
    EXPECT_EQ(Count(QF_SOUND_START), 0);
    Key('7');
    Key('1');
    EXPECT_FALSE(game.setupMode);
    EXPECT_EQ(Count(QF_SOUND_START), 1) << "the start sound";
    EXPECT_EQ(game.dealer.currentProblem.operation, OpMultiply);
}

TEST_F(GameFixture, EscapeOnTheSetupScreenReturnsToTheMenu) {
    Key(KeyCode::Escape);
    EXPECT_EQ(game.screen, ScreenState::MainMenu);
}

TEST(GameModeText, NamesOneOperationOrListsTheSigns) {
    OperationChoice only;
    only.subtractEnabled = only.multiplyEnabled = only.divideEnabled = false;
    EXPECT_EQ(DescribeOperations(only), "Add");
    OperationChoice two;
    two.subtractEnabled = two.divideEnabled = false;
    EXPECT_EQ(DescribeOperations(two), " +  x ");
    EXPECT_EQ(DescribeOperations(OperationChoice{}), " +  -  x  \x89 ");
    OperationChoice none;
    none.addEnabled = none.subtractEnabled = none.multiplyEnabled = none.divideEnabled = false;
    EXPECT_EQ(DescribeOperations(none), "");
}

TEST_F(GameFixture, SettingsSectionRoundTripsAndRejectsAStrangeDifficulty) {
    game.operations.subtractEnabled = false;
    game.difficultyChoice.Select(DifficultyHard);
    std::string header = "Quickfigure";
    int version = 101;
    DataArchive writer;
    writer.OpenArchive("", header, version, ArchiveWrite);
    const std::size_t headerLength = writer.CloseArchive().size();
    writer.OpenArchive("", header, version, ArchiveWrite);
    game.SerializeSettings(writer);
    const std::string written = writer.CloseArchive();
    EXPECT_EQ(written.substr(headerLength), "1\n0\n1\n1\n2\n");

    ArithmeticGame other;
    other.LoadGameResources();
    DataArchive reader;
    reader.OpenArchive(written, header, version, ArchiveRead);
    other.SerializeSettings(reader);
    EXPECT_FALSE(other.operations.subtractEnabled);
    EXPECT_TRUE(other.operations.divideEnabled);
    EXPECT_EQ(other.GetDifficulty(), DifficultyHard);

    DataArchive damaged;
    damaged.OpenArchive(written.substr(0, headerLength) + "1\n1\n1\n1\n7\n", header, version,
                        ArchiveRead);
    other.SerializeSettings(damaged);
    EXPECT_EQ(other.GetDifficulty(), DifficultyHard) << "an index outside 0..2 is ignored";
    other.FreeGameResources();
}

TEST_F(GameFixture, RightAnswerFadesOutOverTwentySixFrames) {
    TestSurface surface(640, 480);
    Start(DifficultyNormal);
    SetProblem(1, OpAdd, 1);
    Key('2');
    ASSERT_EQ(game.fadeLevel, 255);
    SetCurrentFont(game.problemFont);
    const Box box{0, 100, 385, 300};
    int frames = 0;
    while (game.fadeLevel > 0 && frames < 100) {
        game.DrawProblem(box, game.dealer.currentProblem, &game.typedAnswer, 0, nullptr, false);
        ++frames;
    }
    EXPECT_EQ(frames, 26);
}
