// Scoring arithmetic: points by whole seconds taken, and bonus and penalty milliseconds.
#include <gtest/gtest.h>

#include "game/scoring.h"

TEST(Scoring, QuickAnswersScoreMoreDownToOnePoint) {
    // A problem that began with 30 seconds on the clock.
    EXPECT_EQ(AnswerPoints(30, 30), 10) << "within the first second";
    EXPECT_EQ(AnswerPoints(29, 30), 10) << "one whole second";
    EXPECT_EQ(AnswerPoints(25, 30), 6) << "five whole seconds";
    EXPECT_EQ(AnswerPoints(21, 30), 2) << "nine whole seconds";
    EXPECT_EQ(AnswerPoints(20, 30), 1) << "ten whole seconds";
    EXPECT_EQ(AnswerPoints(0, 45), 1) << "forty-five whole seconds";
}

TEST(Scoring, AClockAboveTheReferenceStillScoresAtMostTen) {
    EXPECT_EQ(AnswerPoints(34, 30), 10);
    EXPECT_EQ(AnswerPoints(60, 0), 10);
}

TEST(Scoring, BonusAndPenaltyAreWholeSecondsInMilliseconds) {
    EXPECT_EQ(BonusMilliseconds(4, false), 4000);
    EXPECT_EQ(BonusMilliseconds(4, true), 4002);
    EXPECT_EQ(BonusMilliseconds(2, true), 2002);
    EXPECT_EQ(PenaltyMilliseconds(-3), -3000);
}
