// The fluency rule on hand-made answer sequences at each threshold: two of the last three
// answers right at the first try within it, exactly the threshold counting; older answers,
// wrong tries, skips and late right answers never help.
#include <gtest/gtest.h>

#include <vector>

#include "progress/fluency.h"
#include "support/history_builder.h"

namespace {

struct Answer {
    FactOutcome outcome;
    int ms;
    int lateRightMs = -1; // a right answer after the wrong try, timed but not first-try
};

constexpr Answer Right(int ms) {
    return Answer{FactOutcome::Right, ms};
}
constexpr Answer Wrong(int lateRightMs = -1) {
    return Answer{FactOutcome::Wrong, 0, lateRightMs};
}
constexpr Answer Skip{FactOutcome::Skipped, 0};

FactRecord Answered(const std::vector<Answer>& answers) {
    const Problem problem{7, OpMultiply, 8};
    ProgressHistory history;
    const int game = history.BeginGame();
    for (const Answer& answer : answers) {
        history.RecordFact(problem, answer.outcome, answer.ms, game);
        if (answer.lateRightMs >= 0) {
            history.RecordLateRight(problem, answer.lateRightMs);
        }
    }
    const FactRecord* fact = history.FindFact(OpMultiply, 7, 8);
    return fact != nullptr ? *fact : FactRecord{};
}

} // namespace

TEST(Fluency, TwoOfTheLastThreeRightWithinTheThresholdMakeAFactFluent) {
    const struct {
        const char* name;
        std::vector<Answer> answers;
        bool fluent[FluentSecondsChoiceCount]; // at 3, 6 and 12 s
    } cases[] = {
        {"never asked", {}, {false, false, false}},
        {"one quick answer", {Right(500)}, {false, false, false}},
        {"two at exactly 3 s", {Right(3000), Right(3000)}, {true, true, true}},
        {"one just over 3 s", {Right(3001), Right(3000)}, {false, true, true}},
        {"two at exactly 6 s", {Right(6000), Right(2000)}, {false, true, true}},
        {"one just over 6 s", {Right(6001), Right(900)}, {false, false, true}},
        {"two at exactly 12 s", {Right(12000), Right(12000)}, {false, false, true}},
        {"over 12 s", {Right(12001), Right(12000)}, {false, false, false}},
        {"a miss between", {Right(1000), Wrong(), Right(1000)}, {true, true, true}},
        {"a skip between", {Right(1000), Skip, Right(1000)}, {true, true, true}},
        {"two misses after", {Right(1000), Right(1000), Wrong(), Skip}, {false, false, false}},
        {"the oldest pushed out",
         {Right(900), Wrong(), Right(900), Wrong()},
         {false, false, false}},
        {"back after a slip", {Right(900), Right(900), Wrong(), Right(900)}, {true, true, true}},
        {"late right answers are not first tries",
         {Wrong(800), Wrong(800), Right(800)},
         {false, false, false}},
        {"slow then quick", {Right(9000), Right(5000), Right(2000)}, {false, true, true}},
    };
    for (const auto& c : cases) {
        const FactRecord fact = Answered(c.answers);
        for (int i = 0; i < FluentSecondsChoiceCount; ++i) {
            const int seconds = FluentSecondsChoices[i];
            EXPECT_EQ(IsFluent(fact, seconds), c.fluent[i]) << c.name << " at " << seconds << " s";
            const FactState state = c.answers.empty() ? FactState::New
                                    : c.fluent[i]     ? FactState::Fluent
                                                      : FactState::Learning;
            EXPECT_EQ(StateOf(&fact, seconds), state) << c.name << " at " << seconds << " s";
        }
    }
    EXPECT_EQ(StateOf(nullptr, 3), FactState::New);
}
