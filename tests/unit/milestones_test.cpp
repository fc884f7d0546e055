// Milestones: a table or a band is earned when every one of its facts is fluent, once, in a
// fixed order, with the date given; kept with that date when its facts slip later; and
// named as the progress screen and the export show it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/milestones.h"
#include "support/history_builder.h"
#include "support/printers.h"

namespace {

using Lines = std::vector<std::string>;

// Each problem's fact answered right at the first try, quickly, twice.
void AnswerQuickly(ProgressHistory& history, const std::vector<Problem>& problems) {
    for (const Problem& problem : problems) {
        const Problem shown = AsShown(problem);
        FactRecord fact = FactAfter(shown.operation, shown.operandA, shown.operandB, 2, 0);
        fact.recent = {{1500, true}, {1500, true}};
        history.facts.push_back(fact);
    }
}

std::vector<Problem> Table(std::uint8_t operation, int table, int last = 10) {
    std::vector<Problem> problems;
    for (int k = 1; k <= last; ++k) {
        problems.push_back(operation == OpDivide ? Problem{table * k, OpDivide, table}
                                                 : Problem{table, OpMultiply, k});
    }
    return problems;
}

std::vector<Problem> Within(std::uint8_t operation, int bound) {
    std::vector<Problem> problems;
    for (int a = 1; a <= bound; ++a) {
        for (int b = 1; b <= bound; ++b) {
            if (operation == OpAdd ? a + b <= bound : b <= a) {
                problems.push_back(Problem{a, operation, b});
            }
        }
    }
    return problems;
}

Lines Texts(const std::vector<Milestone>& milestones) {
    Lines texts;
    for (const Milestone& milestone : milestones) {
        texts.push_back(MilestoneText(milestone) + " " + milestone.date);
    }
    return texts;
}

} // namespace

TEST(Milestones, EveryCompleteTableAndBandIsEarnedInOrder) {
    const struct {
        const char* name;
        std::vector<std::vector<Problem>> answered;
        int otherFactorMax;
        int typedTable;
        Lines earned;
    } cases[] = {
        {"nothing fluent", {}, 10, 0, {}},
        {"the 7 table", {Table(OpMultiply, 7)}, 10, 0, {"7 x table d"}},
        {"the 7 table but one fact", {Table(OpMultiply, 7, 9)}, 10, 0, {}},
        {"the 7 table to 10 when 12 is the bound", {Table(OpMultiply, 7)}, 12, 0, {}},
        {"the 7 table to 12", {Table(OpMultiply, 7, 12)}, 12, 0, {"7 x table d"}},
        {"tables, bands and division in their order",
         {Within(OpSubtract, 10), Table(OpDivide, 2), Within(OpAdd, 20), Table(OpMultiply, 9),
          Table(OpMultiply, 3)},
         10,
         0,
         {"3 x table d", "9 x table d", "2 \x89 table d", "+ within 10 d", "+ within 20 d",
          "- within 10 d"}},
        {"a typed table chosen", {Table(OpMultiply, 13)}, 10, 13, {"13 x table d"}},
        {"a typed table not chosen", {Table(OpMultiply, 13)}, 10, 0, {}},
        {"+ within 100",
         {Within(OpAdd, 100)},
         10,
         0,
         {"+ within 10 d", "+ within 20 d", "+ within 100 d"}},
    };
    for (const auto& c : cases) {
        ProgressHistory history;
        history.options.facts.otherFactorMax = c.otherFactorMax;
        history.options.facts.typedTable = c.typedTable;
        for (const std::vector<Problem>& problems : c.answered) {
            AnswerQuickly(history, problems);
        }
        EXPECT_EQ(Texts(EarnMilestones(history, "d")), c.earned) << c.name;
        EXPECT_EQ(Texts(history.milestones), c.earned) << c.name;
        EXPECT_TRUE(EarnMilestones(history, "later").empty()) << c.name << ": earned once";
        EXPECT_EQ(Texts(history.milestones), c.earned) << c.name;
    }
}

TEST(Milestones, AreKeptWithTheirDateWhenFactsSlip) {
    ProgressHistory history;
    AnswerQuickly(history, Table(OpMultiply, 4));
    ASSERT_EQ(Texts(EarnMilestones(history, "2026-12-08")), Lines{"4 x table 2026-12-08"});

    const int game = history.BeginGame();
    for (int slip = 0; slip < 2; ++slip) {
        history.RecordFact(Problem{4, OpMultiply, 3}, FactOutcome::Wrong, 0, game);
    }
    AnswerQuickly(history, Table(OpMultiply, 6));
    EXPECT_EQ(Texts(EarnMilestones(history, "2026-12-09")), Lines{"6 x table 2026-12-09"});
    EXPECT_EQ(Texts(history.milestones), (Lines{"4 x table 2026-12-08", "6 x table 2026-12-09"}));
}

TEST(Milestones, TextsNameTheTableOrTheBand) {
    const struct {
        Milestone milestone;
        const char* text;
    } cases[] = {
        {{OpMultiply, 7, ""}, "7 x table"},    {{OpDivide, 7, ""}, "7 \x89 table"},
        {{OpMultiply, 13, ""}, "13 x table"},  {{OpAdd, 10, ""}, "+ within 10"},
        {{OpSubtract, 20, ""}, "- within 20"}, {{OpAdd, 100, ""}, "+ within 100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MilestoneText(c.milestone), c.text);
    }
}
