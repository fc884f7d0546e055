// A calm round's summary from its recorder on the driven tick source: right at the first
// try counts only problems not missed first, the median is over first answers, the slowest
// are right answers each fact once at its slowest, the misses are each fact once, and the
// facts made fluent are named in the order they became so.
#include <gtest/gtest.h>

#include "progress/round_summary.h"
#include "support/fake_clock.h"

namespace {

Problem Make(int a, std::uint8_t op, int b) {
    Problem p;
    p.operandA = a;
    p.operation = op;
    p.operandB = b;
    return p;
}

} // namespace

TEST(RoundSummary, FiguresOfARoundWithMissesRepeatsAndASkip) {
    FakeClock clock;
    ProgressHistory history;
    AnswerRecorder answers;
    answers.BeginGame(history);
    const Problem sevenEights = Make(7, 'x', 8);
    const Problem nineMinusFour = Make(9, '-', 4);
    const Problem twelveSevens = Make(12, 'x', 7);
    const Problem sixSevens = Make(6, 'x', 7);
    // {problem, ms before the first answer, right at the first try}
    struct Step {
        Problem problem;
        std::uint32_t ms;
        bool right;
    };
    const Step steps[] = {{sevenEights, 1200, true},
                          {nineMinusFour, 3000, false},
                          {sevenEights, 2500, true},
                          {twelveSevens, 4000, true}};
    for (const Step& step : steps) {
        answers.ProblemShown();
        clock.Advance(step.ms);
        if (step.right) {
            answers.Right(history, step.problem);
        } else {
            answers.Wrong(history, step.problem);
            answers.Wrong(history, step.problem); // a second try is no new answer
            answers.Right(history, step.problem);
        }
    }
    answers.ProblemShown();
    answers.Skipped(history, sixSevens);
    answers.ProblemShown();
    answers.Wrong(history, nineMinusFour); // missed again: named once

    const RoundSummary summary = SummariseRound(answers, 10);
    EXPECT_EQ(RightFirstTryLine(summary), "3 of 10 right at the first try");
    // First answers 1.2, 3.0, 2.5, 4.0 and 0 s: the middle one.
    EXPECT_EQ(summary.medianMs, 2500);
    EXPECT_EQ(summary.slowest, (std::vector<std::string>{"12 x 7  4.0 s", "7 x 8  2.5 s"}));
    EXPECT_EQ(summary.missed, (std::vector<std::string>{"9 - 4", "6 x 7"}));
    EXPECT_EQ(ListLine("Missed:", summary.missed, 1), "Missed: 9 - 4");
    EXPECT_EQ(ListLine("Missed:", summary.missed, 0), "Missed:");
    // 7 x 8 right within 3 s twice; 12 x 7 once, too slowly.
    EXPECT_EQ(summary.nowFluent, std::vector<std::string>{"7 x 8"});
    EXPECT_EQ(NowFluentLine(answers.nowFluent), "Now fluent: 7 x 8");
}

TEST(RoundSummary, NowFluentNamesEachFactInOrderAndNothingForNone) {
    EXPECT_EQ(NowFluentLine({}), "");
    EXPECT_EQ(NowFluentLine({Make(7, 'x', 8), Make(6, 'x', 9), Make(9, '+', 6)}),
              "Now fluent: 7 x 8, 6 x 9, 9 + 6");
}

TEST(RoundSummary, ARoundWithoutAnAnswerHasNoMedian) {
    ProgressHistory history;
    AnswerRecorder answers;
    answers.BeginGame(history);
    answers.ProblemShown();
    answers.Skipped(history, Make(2, '+', 2));
    const RoundSummary summary = SummariseRound(answers, 10);
    EXPECT_EQ(summary.medianMs, -1);
    EXPECT_TRUE(summary.slowest.empty());
    EXPECT_EQ(summary.missed.size(), 1u);
}
