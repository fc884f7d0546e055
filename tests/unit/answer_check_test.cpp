// Problem results and answer judging: digit counts, partial input, too many digits, leading
// zeros and one-digit results.
#include <gtest/gtest.h>

#include "game/answer_check.h"
#include "progress/problem.h"

TEST(ProblemResult, ComputesEachOperationAndZeroForAnythingElse) {
    EXPECT_EQ(ProblemResult({7, OpAdd, 5}), 12);
    EXPECT_EQ(ProblemResult({7, OpSubtract, 5}), 2);
    EXPECT_EQ(ProblemResult({7, OpMultiply, 5}), 35);
    EXPECT_EQ(ProblemResult({84, OpDivide, 7}), 12);
    EXPECT_EQ(ProblemResult({7, '*', 5}), 0);
    EXPECT_EQ(ProblemResult({7, OpDivide, 0}), 0);
}

TEST(AnswerCheck, RequiredDigitsChangeAtEachPowerOfTen) {
    const int lastOfEachLength[] = {9, 99, 999, 9999};
    for (int digits = 1; digits <= 4; ++digits) {
        const int last = lastOfEachLength[digits - 1];
        EXPECT_EQ(RequiredDigits(last), digits);
        EXPECT_EQ(RequiredDigits(last + 1), digits + 1);
    }
    EXPECT_EQ(RequiredDigits(0), 1);
    EXPECT_EQ(RequiredDigits(115 * 105), 5) << "the largest challenge product";
}

TEST(AnswerCheck, JudgesOnlyOnceTheResultsDigitCountIsTyped) {
    EXPECT_EQ(JudgeAnswer(12, ""), AnswerVerdict::Incomplete);
    EXPECT_EQ(JudgeAnswer(12, "1"), AnswerVerdict::Incomplete);
    EXPECT_EQ(JudgeAnswer(12, "12"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(12, "13"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(1234, "123"), AnswerVerdict::Incomplete);
    EXPECT_EQ(JudgeAnswer(12075, "12075"), AnswerVerdict::Right);
    // One-digit results are judged at the first digit, zero included.
    EXPECT_EQ(JudgeAnswer(7, "7"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(7, "8"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(7, "0"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(0, "0"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(0, ""), AnswerVerdict::Incomplete) << "nothing typed is not zero";
}

TEST(AnswerCheck, LeadingZerosExtraDigitsAndNonDigitsAreWrong) {
    EXPECT_EQ(JudgeAnswer(12, "09"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(9, "09"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(12, "012"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(12, "120"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(12, "1a"), AnswerVerdict::Wrong);
    // '<' sits 12 places after '0', so digit arithmetic alone would read "0<" as 12.
    EXPECT_EQ(JudgeAnswer(12, "0<"), AnswerVerdict::Wrong);
}
