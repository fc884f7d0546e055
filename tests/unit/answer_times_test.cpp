// What a played game leaves in the progress history: each problem's time from the moment
// it was shown to its first judged answer on the driven tick source, with paused time left
// out; one verdict per problem on the fact as it was shown, the challenge included; and a
// game record only for a game the clock finished.
#include <gtest/gtest.h>

#include <string>

#include "game/answer_check.h"
#include "support/frame_fixture.h"
#include "support/printers.h"

namespace {

class AnswerTimes : public FrameFixture {
  protected:
    // The fact's record as it stands; all counts zero before it was first asked.
    FactRecord FactOf(const Problem& p) const {
        const FactRecord* fact =
            game.progress.history.FindFact(p.operation, p.operandA, p.operandB);
        return fact != nullptr ? *fact : FactRecord{};
    }
    // Lets the clock run out and draws the frame that ends the game.
    void RunOut() {
        clock.Advance(61000);
        Frame();
        ASSERT_TRUE(game.gameOver);
    }
};

} // namespace

TEST_F(AnswerTimes, TimeRunsFromTheProblemShownToItsAnswerWithoutThePause) {
    StartGame();
    const Problem first = game.dealer.currentProblem;
    clock.Advance(1500);
    Pause();
    Frame();
    ASSERT_TRUE(game.paused);
    clock.Advance(20000);
    game.OnMouseDown(0, 0); // a press anywhere ends the pause
    Frame();
    ASSERT_FALSE(game.paused);
    clock.Advance(700);
    Answer();
    const FactRecord fact = FactOf(first);
    EXPECT_EQ(fact.totalMs, 2200);
    EXPECT_EQ(fact.bestMs, 2200);

    // The next problem's time starts when it is shown, not when the game began.
    const Problem second = game.dealer.currentProblem;
    clock.Advance(900);
    Answer();
    if (second.operation == first.operation && second.operandA == first.operandA &&
        second.operandB == first.operandB) {
        EXPECT_EQ(FactOf(second).bestMs, 900);
    } else {
        EXPECT_EQ(FactOf(second).totalMs, 900);
    }
}

TEST_F(AnswerTimes, AProblemCountsOnceOnItsFirstVerdictAndIsTimedToItsRightAnswer) {
    StartGame();
    const Problem missed = game.dealer.currentProblem;
    clock.Advance(3000);
    AnswerWrong();
    clock.Advance(4000);
    AnswerWrong(); // a second wrong answer to the same problem counts no more
    clock.Advance(500);
    Answer();
    const FactRecord fact = FactOf(missed);
    EXPECT_EQ(fact.asked, 1);
    EXPECT_EQ(fact.wrong, 1);
    EXPECT_EQ(fact.right, 0);
    EXPECT_EQ(fact.totalMs, 7500) << "timed to the right answer, not to the first wrong key";
    EXPECT_EQ(fact.timed, 1);
    EXPECT_EQ(fact.bestMs, 7500);
    ASSERT_EQ(fact.recent.size(), 1u);
    EXPECT_FALSE(fact.recent[0].right) << "wrong at the first try, whatever came after";
    ASSERT_EQ(game.progress.answers.misses.size(), 1u);
    EXPECT_EQ(game.progress.answers.misses[0], missed);
    ASSERT_EQ(game.progress.answers.timed.size(), 1u);
    EXPECT_EQ(game.progress.answers.timed[0].ms, 7500);
}

TEST_F(AnswerTimes, TheChallengeIsRecordedAsShownAnsweredOrSkipped) {
    StartGame();
    ReachChallenge();
    const Problem answered = game.dealer.currentProblem;
    const int askedBefore = FactOf(answered).asked;
    clock.Advance(1200);
    Answer();
    ASSERT_EQ(game.level, 2);
    EXPECT_EQ(FactOf(answered).asked, askedBefore + 1);

    ReachChallenge();
    const Problem skipped = game.dealer.currentProblem;
    const FactRecord before = FactOf(skipped);
    Click(game.skipButton);
    Frame();
    ASSERT_EQ(game.level, 3);
    const FactRecord after = FactOf(skipped);
    EXPECT_EQ(after.asked, before.asked + 1);
    EXPECT_EQ(after.skipped, before.skipped + 1);
    EXPECT_EQ(after.totalMs, before.totalMs) << "a skip is no answer time";
    EXPECT_EQ(game.progress.answers.misses.size(), 1u);
}

TEST_F(AnswerTimes, OnlyAGameTheClockFinishesIsRecorded) {
    StartGame();
    Answer();
    Exit();
    Frame();
    EXPECT_TRUE(game.progress.history.games.empty()) << "a game left for the menu is not a result";

    StartGame();
    clock.Advance(2000);
    Answer();
    clock.Advance(4000);
    AnswerWrong();
    Answer();
    clock.Advance(1000);
    Answer();
    RunOut();
    ASSERT_EQ(game.progress.history.games.size(), 1u);
    const GameRecord& record = game.progress.history.games.back();
    EXPECT_EQ(record.right, 2);
    EXPECT_EQ(record.wrong, 1);
    EXPECT_EQ(record.medianMs, 2000) << "the middle of 2000, 4000 and 1000";
    EXPECT_EQ(record.score, game.score);
    EXPECT_EQ(record.level, game.level);
    EXPECT_EQ(record.difficulty, game.GetDifficulty());
    EXPECT_EQ(game.progress.history.gamesPlayed, 2) << "both games were played";
}
