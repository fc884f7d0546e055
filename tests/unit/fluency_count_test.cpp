// The count of fluent facts over the player's range: every cell of the times grid judged
// as shown (a fluent 7 x 3 is both cells), the chosen tables, a band, the tables to 12, the
// threshold, only the operations practised, and the line a parent reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "progress/fluency_count.h"
#include "support/history_builder.h"

namespace {

// A fact asked twice and answered right at the first try in ms each time.
FactRecord Quick(std::uint8_t operation, int a, int b, int ms = 1000) {
    FactRecord fact = FactAfter(operation, a, b, 2, 0, 0, ms);
    fact.recent = {{ms, true}, {ms, true}};
    return fact;
}

FactChoice Tables(std::initializer_list<int> tables, int typed = 0, int otherFactorMax = 10) {
    FactChoice choice;
    for (int table : tables) {
        choice.SetTable(table, true);
    }
    choice.typedTable = typed;
    choice.otherFactorMax = otherFactorMax;
    return choice;
}

FactChoice Band(SumBand band) {
    FactChoice choice;
    choice.band = band;
    return choice;
}

// The count for one operation, or -1 facts when it is not listed.
FluencyCount CountOf(const ProgressHistory& history, std::uint8_t operation) {
    for (const FluencyCount& count : FluencyCounts(history)) {
        if (count.operation == operation) {
            return count;
        }
    }
    return FluencyCount{operation, -1, -1};
}

} // namespace

TEST(FluencyCount, CountsTheFluentCellsOfThePlayersRange) {
    const std::vector<FactRecord> facts = {
        Quick(OpMultiply, 7, 3),           // both cells 7 x 3 and 3 x 7
        Quick(OpMultiply, 5, 2),           // in the 2 table and the 5 table
        Quick(OpMultiply, 13, 4),          // a typed table's
        Quick(OpMultiply, 12, 11),         // only in a grid to 12
        Quick(OpMultiply, 8, 2, 4000),     // fluent only at 6 s and over
        FactAfter(OpMultiply, 9, 9, 5, 0), // right but never recently quick
        Quick(OpDivide, 21, 7),
        Quick(OpDivide, 21, 3),
        Quick(OpDivide, 7, 21), // no table deals it
        Quick(OpAdd, 3, 4),
        Quick(OpAdd, 4, 3),   // + is not turned round: a fact of its own
        Quick(OpAdd, 15, 4),  // within 20, outside the addition grid
        Quick(OpAdd, 60, 40), // within 100
        Quick(OpSubtract, 10, 1),
        Quick(OpSubtract, 19, 19),
    };
    const struct {
        const char* name;
        FactChoice choice;
        int seconds;
        std::uint8_t operation;
        int fluent;
        int facts;
    } cases[] = {
        {"the 10 x 10 grid", {}, 3, OpMultiply, 4, 100},
        {"slower answers at 6 s", {}, 6, OpMultiply, 6, 100},
        {"the grid to 12", Tables({}, 0, 12), 3, OpMultiply, 6, 144},
        {"tables 2, 5 and 10", Tables({2, 5, 10}), 3, OpMultiply, 2, 30},
        {"the 2 table at 12 s", Tables({2}), 12, OpMultiply, 2, 10},
        {"the 3 and 7 tables", Tables({3, 7}), 3, OpMultiply, 2, 20},
        {"a typed table", Tables({}, 13), 3, OpMultiply, 1, 10},
        {"a typed table to 12", Tables({1}, 13, 12), 3, OpMultiply, 1, 24},
        {"every division table", {}, 3, OpDivide, 2, 100},
        {"the 7 division table", Tables({7}), 3, OpDivide, 1, 10},
        {"the addition grid", {}, 3, OpAdd, 2, 100},
        {"+ within 10", Band(SumBand::Within10), 3, OpAdd, 2, 45},
        {"+ within 20", Band(SumBand::Within20), 3, OpAdd, 3, 190},
        {"+ within 100", Band(SumBand::Within100), 3, OpAdd, 4, 4950},
        {"- within 10 by default", {}, 3, OpSubtract, 1, 55},
        {"- within 20", Band(SumBand::Within20), 3, OpSubtract, 2, 210},
        {"- within 100", Band(SumBand::Within100), 3, OpSubtract, 2, 5050},
    };
    for (const auto& c : cases) {
        ProgressHistory history = HistoryOf(facts);
        history.options.facts = c.choice;
        history.options.fluentSeconds = c.seconds;
        const FluencyCount count = CountOf(history, c.operation);
        EXPECT_EQ(count.fluent, c.fluent) << c.name;
        EXPECT_EQ(count.facts, c.facts) << c.name;
    }
}

TEST(FluencyCount, ListsOnlyTheOperationsPractisedInTableOrder) {
    const struct {
        const char* name;
        std::vector<FactRecord> facts;
        std::vector<std::uint8_t> listed;
    } cases[] = {
        {"nothing asked", {}, {}},
        {"x and +", {Quick(OpMultiply, 2, 2), FactAfter(OpAdd, 1, 1, 0, 1)}, {OpAdd, OpMultiply}},
        {"a fact never asked", {FactAfter(OpDivide, 4, 2, 0, 0)}, {}},
        {"all four",
         {Quick(OpDivide, 4, 2), Quick(OpSubtract, 3, 1), Quick(OpMultiply, 2, 2),
          Quick(OpAdd, 1, 1)},
         {OpAdd, OpSubtract, OpMultiply, OpDivide}},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> listed;
        for (const FluencyCount& count : FluencyCounts(HistoryOf(c.facts))) {
            listed.push_back(count.operation);
        }
        EXPECT_EQ(listed, c.listed) << c.name;
    }
}

TEST(FluencyCount, TheLineNamesTheOperationAndBothFigures) {
    const struct {
        FluencyCount count;
        const char* line;
    } cases[] = {
        {{OpMultiply, 63, 100}, "Multiplication: 63 of 100 facts fluent"},
        {{OpDivide, 0, 144}, "Division: 0 of 144 facts fluent"},
        {{OpSubtract, 7, 5050}, "Subtraction: 7 of 5050 facts fluent"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FluencyLine(c.count), c.line);
    }
}
