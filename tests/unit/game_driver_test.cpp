// The test driver itself: a seeded game deals the same problems every run and a zero
// period keeps its loop from sleeping, so tours and the gallery repeat exactly; answering
// up to the challenge stops when answers are not taken instead of looping for ever.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/frame_fixture.h"
#include "support/screen_tour.h"

namespace {

using Dealt = std::vector<std::tuple<int, int, int>>;

class GameDriver : public FrameFixture {
  protected:
    // The first problems a game started with these options deals.
    static Dealt FirstProblems(const ScriptOptions& options) {
        ScriptedGame driven(options);
        driven.OnStart();
        PressKey(driven, '1');
        ClearInputList();
        driven.DrawFrame();
        PressKey(driven, '1');
        Dealt dealt;
        for (int i = 0; i < 4; ++i) {
            const Problem& p = driven.dealer.currentProblem;
            dealt.emplace_back(p.operandA, p.operation, p.operandB);
            AnswerProblem(driven);
        }
        return dealt;
    }
};

} // namespace

TEST_F(GameDriver, ASeededGameDealsTheSameProblemsWhateverCameBefore) {
    const Dealt first = FirstProblems(TourOptions);
    SeedRandom(7);
    EXPECT_EQ(FirstProblems(TourOptions), first);
}

TEST_F(GameDriver, OnlyAZeroPeriodGameRunsWithoutSleeping) {
    ScriptedGame tour(TourOptions);
    ScriptedGame plain;
    tour.OnStart();
    plain.OnStart();
    EXPECT_EQ(tour.framePeriodMs, 0);
    EXPECT_EQ(plain.framePeriodMs, game.framePeriodMs) << "the game's own pace";
    EXPECT_GT(plain.framePeriodMs, 0);
}

TEST_F(GameDriver, AnsweringUpToTheChallengeStopsWhenAnswersAreNotTaken) {
    StartGame();
    game.Pause();
    Frame();
    EXPECT_FALSE(AnswerUntilChallenge(game)) << "a paused game takes no answer";
    game.OnMouseDown(0, 0); // any press resumes
    Frame();
    EXPECT_TRUE(AnswerUntilChallenge(game));
    EXPECT_TRUE(game.dealer.ChallengeActive());
}
