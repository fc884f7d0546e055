// A calm round in the real game on the driven tick source: K on the setup screen sets the
// pace; no clock counts, is shown or ends the round, nothing is scored; after the round's
// problems its summary shows the figures of the answers as timed, the round is in the
// history as calm and never in the high-score table; OK leaves for the setup screen and P
// asks the misses again.
#include <gtest/gtest.h>

#include <string>

#include "progress/progress_summary.h"
#include "support/frame_fixture.h"
#include "support/layout_checks.h"

namespace {

constexpr int RoundLength = 10;

class CalmRound : public FrameFixture {
  protected:
    // The setup screen with the pace switched by its key and a round of RoundLength.
    void StartCalmRound() {
        Key('1');
        Frame();
        Key('K');
        ASSERT_TRUE(game.progress.history.options.facts.Calm());
        game.progress.history.options.facts.calmRound = RoundLength;
        Key('1');
        ASSERT_FALSE(game.setupMode);
        Frame();
    }
    // Answers the problem after ms of thinking, wrong at first when asked; returns it.
    Problem AnswerAfter(std::uint32_t ms, bool wrongFirst) {
        const Problem shown = game.dealer.currentProblem;
        clock.Advance(ms);
        if (wrongFirst) {
            AnswerWrong();
        }
        Answer();
        DrawAgain();
        return shown;
    }
    void DrawAgain() {
        recorder.Clear();
        Frame();
    }
    bool WasDrawn(const std::string& text) const {
        for (const DrawnText& drawn : recorder.Texts()) {
            if (drawn.text == text) {
                return true;
            }
        }
        return false;
    }

    FrameLayoutRecorder recorder;
};

} // namespace

TEST_F(CalmRound, NoClockCountsNothingIsScoredAndTheRoundEndsOnItsSummary) {
    StartCalmRound();
    DrawAgain();
    EXPECT_TRUE(WasDrawn("1 of 10"));
    EXPECT_FALSE(WasDrawn("0:30")) << "a calm round shows no clock";
    // Ninety seconds on the first problem: far past any clock, and still the round goes on.
    const std::uint32_t thinking[RoundLength] = {90000, 1000, 2000, 3000, 1500,
                                                 2500,  1200, 1800, 2200, 1600};
    const Problem first = AnswerAfter(thinking[0], false);
    ASSERT_FALSE(game.gameOver);
    EXPECT_TRUE(WasDrawn("2 of 10"));
    Problem missed;
    for (int i = 1; i < RoundLength; ++i) {
        ASSERT_EQ(game.shownScreen, GameScreen::SetupOrPlay) << "ended early, at " << i;
        const Problem shown = AnswerAfter(thinking[i], i == 3);
        missed = i == 3 ? shown : missed;
    }
    ASSERT_EQ(game.shownScreen, GameScreen::RoundSummary);
    EXPECT_FALSE(game.gameOver);
    EXPECT_EQ(game.score, 0u);
    EXPECT_TRUE(WasDrawn("9 of 10 right at the first try"));
    // The first answers' times in order: 1.0 1.2 1.5 1.6 1.8 2.0 2.2 2.5 3.0 90.0.
    EXPECT_TRUE(WasDrawn("Median time 1.8 s"));
    EXPECT_EQ(game.roundSummary.summary.slowest.at(0), ProblemText(first) + "  90.0 s");
    EXPECT_TRUE(WasDrawn("Missed: " + ProblemText(missed)));
    EXPECT_TRUE(WasDrawn("Calm rounds stay out of the high scores."));
    ASSERT_FALSE(game.progress.history.games.empty());
    const GameRecord& record = game.progress.history.games.back();
    EXPECT_TRUE(record.calm);
    EXPECT_EQ(record.right + record.wrong, RoundLength);

    Key(KeyCode::Return);
    Frame();
    EXPECT_TRUE(game.setupMode);
    EXPECT_EQ(game.highScores[0].score, 0u) << "a calm round entered the table";
}

TEST_F(CalmRound, PractisesTheRoundsMissesFromItsSummary) {
    StartCalmRound();
    AnswerWrong();
    const Problem missed = game.dealer.currentProblem;
    for (int i = 0; i < RoundLength; ++i) {
        Answer();
        Frame();
    }
    ASSERT_EQ(game.shownScreen, GameScreen::RoundSummary);
    Key('5'); // a digit answers nothing here
    EXPECT_EQ(game.shownScreen, GameScreen::RoundSummary);
    Key('P');
    Frame();
    ASSERT_EQ(game.shownScreen, GameScreen::Review);
    EXPECT_EQ(game.practice.review.round.Current(), missed);
}
