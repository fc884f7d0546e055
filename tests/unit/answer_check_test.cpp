// Problem results and answer judging: digit counts, partial input, too many digits, leading
// zeros and one-digit results.
#include <gtest/gtest.h>

#include <string>

#include "game/answer_check.h"
#include "game/problem.h"

namespace {
Problem Make(int a, std::uint8_t op, int b) {
    Problem p;
    p.operandA = a;
    p.operation = op;
    p.operandB = b;
    return p;
}
} // namespace

TEST(ProblemResult, ComputesEachOperationAndZeroForAnythingElse) {
    EXPECT_EQ(ProblemResult(Make(7, OpAdd, 5)), 12);
    EXPECT_EQ(ProblemResult(Make(7, OpSubtract, 5)), 2);
    EXPECT_EQ(ProblemResult(Make(7, OpMultiply, 5)), 35);
    EXPECT_EQ(ProblemResult(Make(84, OpDivide, 7)), 12);
    EXPECT_EQ(ProblemResult(Make(7, '*', 5)), 0);
    EXPECT_EQ(ProblemResult(Make(7, 0, 5)), 0);
    EXPECT_EQ(ProblemResult(Make(7, OpDivide, 0)), 0);
}

TEST(AnswerCheck, RequiredDigitsChangeAtEachPowerOfTen) {
    EXPECT_EQ(RequiredDigits(0), 1);
    EXPECT_EQ(RequiredDigits(9), 1);
    EXPECT_EQ(RequiredDigits(10), 2);
    EXPECT_EQ(RequiredDigits(99), 2);
    EXPECT_EQ(RequiredDigits(100), 3);
    EXPECT_EQ(RequiredDigits(999), 3);
    EXPECT_EQ(RequiredDigits(1000), 4);
    EXPECT_EQ(RequiredDigits(9999), 4);
    EXPECT_EQ(RequiredDigits(10000), 5);
    EXPECT_EQ(RequiredDigits(115 * 105), 5) << "the largest challenge product";
}

TEST(AnswerCheck, PartialInputWaitsThenTheLastDigitJudges) {
    EXPECT_EQ(JudgeAnswer(12, "1"), AnswerVerdict::Incomplete);
    EXPECT_EQ(JudgeAnswer(12, "12"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(12, "13"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(1234, "123"), AnswerVerdict::Incomplete);
    EXPECT_EQ(JudgeAnswer(1234, "1234"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(12075, "12075"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(12, ""), AnswerVerdict::Incomplete);
}

TEST(AnswerCheck, OneDigitResultsAreJudgedAtTheFirstDigit) {
    EXPECT_EQ(JudgeAnswer(7, "7"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(7, "8"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(7, "0"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(0, "0"), AnswerVerdict::Right);
    EXPECT_EQ(JudgeAnswer(0, ""), AnswerVerdict::Incomplete) << "nothing typed is not zero";
}

TEST(AnswerCheck, LeadingZerosCountAndTooManyDigitsAreWrong) {
    EXPECT_EQ(JudgeAnswer(12, "09"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(9, "09"), AnswerVerdict::Wrong) << "two digits for a one-digit result";
    EXPECT_EQ(JudgeAnswer(12, "012"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(12, "120"), AnswerVerdict::Wrong);
}

TEST(AnswerCheck, AnythingButDigitsIsWrong) {
    EXPECT_EQ(JudgeAnswer(12, "1a"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(12, " 2"), AnswerVerdict::Wrong);
    EXPECT_EQ(JudgeAnswer(1, "+"), AnswerVerdict::Wrong);
    // '<' sits 12 places after '0', so digit arithmetic alone would read "0<" as 12.
    EXPECT_EQ(JudgeAnswer(12, "0<"), AnswerVerdict::Wrong);
}
