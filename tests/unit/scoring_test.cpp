// Scoring arithmetic: points by whole seconds taken, and bonus and penalty milliseconds.
#include <gtest/gtest.h>

#include "game/scoring.h"

TEST(Scoring, QuickAnswersScoreMoreDownToOnePoint) {
    // Problems that began with 30 seconds on the clock.
    EXPECT_EQ(AnswerPoints(30, 30), 10) << "within the first second";
    EXPECT_EQ(AnswerPoints(29, 30), 10) << "one whole second";
    EXPECT_EQ(AnswerPoints(25, 30), 6) << "five whole seconds";
    EXPECT_EQ(AnswerPoints(20, 30), 1) << "ten whole seconds";
    EXPECT_EQ(AnswerPoints(0, 45), 1) << "forty-five whole seconds";
    EXPECT_EQ(AnswerPoints(34, 30), 10) << "a clock above the reference";
}

TEST(Scoring, ChallengeBonusCarriesTwoMillisecondsMore) {
    EXPECT_EQ(BonusMilliseconds(4, false), 4000);
    EXPECT_EQ(BonusMilliseconds(2, true), 2002);
    EXPECT_EQ(PenaltyMilliseconds(-3), -3000);
}
