// The progress screen's figures from small histories: the fact lines and their narrow
// forms, the slowest and most missed lists (order, limit, which facts may appear), the
// per-operation accuracy and answer-weighted median, rounded percentages, each fact's class
// in the grid and its colour, the charted games and the spreadsheet export's exact text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "progress/progress_summary.h"
#include "support/history_builder.h"

namespace {

std::vector<std::string> Texts(const std::vector<const FactRecord*>& facts) {
    std::vector<std::string> texts;
    for (const FactRecord* fact : facts) {
        texts.push_back(FactText(*fact));
    }
    return texts;
}

} // namespace

TEST(ProgressSummary, FactLinesTellTimeAndMissesAndNarrowToWhatTheListIsAbout) {
    FactRecord fact = FactAfter(OpMultiply, 7, 8, 5, 3, 1);
    fact.totalMs = 8 * 4180; // 4180 ms a timed answer
    EXPECT_EQ(FactText(fact), "7 x 8");
    EXPECT_EQ(FactMeanMs(fact), 4180);
    EXPECT_EQ(FactLine(fact), "7 x 8  4.2 s  3 of 9 wrong, 1 skipped");
    EXPECT_EQ(FactLine(fact, FactTime), "7 x 8  4.2 s");
    EXPECT_EQ(FactLine(fact, FactMisses), "7 x 8  3 of 9 wrong, 1 skipped");
    EXPECT_EQ(FactLine(fact, FactTimeAndMisses | FactShortMisses),
              "7 x 8  4.2 s  3/9 wrong, 1 skipped");
    EXPECT_EQ(FactLine(fact, FactMisses | FactShortMisses), "7 x 8  3/9 wrong, 1 skipped");

    const FactRecord sure = FactAfter(OpDivide, 12, 4, 2, 0, 0, 950);
    EXPECT_EQ(FactLine(sure), "12 \x89 4  1.0 s  0 of 2 wrong") << "no skips, no skip count";

    const FactRecord untimed = FactAfter(OpAdd, 3, 4, 0, 0, 2);
    EXPECT_EQ(FactMeanMs(untimed), -1);
    EXPECT_EQ(FactLine(untimed), "3 + 4  0 of 2 wrong, 2 skipped") << "no time without one";
    EXPECT_EQ(FactLine(untimed, FactTime), "3 + 4");

    FactRecord uneven = FactAfter(OpSubtract, 9, 2, 3, 0);
    uneven.totalMs = 10;
    EXPECT_EQ(FactMeanMs(uneven), 3) << "10 ms over three answers";

    EXPECT_EQ(SecondsText(4149), "4.1 s");
    EXPECT_EQ(SecondsText(4150), "4.2 s") << "to the nearest tenth";
    EXPECT_EQ(SecondsText(0), "0.0 s");
    EXPECT_EQ(SecondsText(61234), "61.2 s");
}

TEST(ProgressSummary, PercentagesAreRoundedHalfUp) {
    const struct {
        int part;
        int whole;
        int percent;
    } cases[] = {
        {51, 63, 81}, // 80.95
        {8, 12, 67},  // 66.67
        {1, 8, 13},   // 12.5, the half up
        {3, 8, 38},   // 37.5
        {1, 3, 33},   // 33.33, down
        {1, 200, 1},  // 0.5
        {1, 201, 0},  // 0.498
        {0, 7, 0},
        {7, 7, 100},
        {0, 0, 0},
        {199999, 200000, 100}, // 99.9995
        {2000000000, 2000000001, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundedPercent(c.part, c.whole), c.percent) << c.part << " of " << c.whole;
    }
}

TEST(ProgressSummary, SlowestAreTheTimedFactsBySlowestAverageUpToTheCount) {
    const ProgressHistory history = HistoryOf({
        FactAfter(OpMultiply, 1, 1, 2, 0, 0, 3000),
        FactAfter(OpMultiply, 2, 2, 0, 1, 0, 5000), // wrong answers are timed too
        FactAfter(OpMultiply, 3, 3, 0, 0, 4),       // only skipped: no time to rank
        FactAfter(OpAdd, 4, 4, 3, 0, 0, 1000),
        FactAfter(OpSubtract, 5, 5, 1, 1, 0, 5000), // as slow as 2 x 2, asked after it
    });
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Texts(SlowestFacts(history, 10)), (Lines{"2 x 2", "5 - 5", "1 x 1", "4 + 4"}));
    EXPECT_EQ(Texts(SlowestFacts(history, 2)), (Lines{"2 x 2", "5 - 5"}));
    EXPECT_TRUE(SlowestFacts(history, 0).empty());
    EXPECT_TRUE(SlowestFacts(HistoryOf({FactAfter(OpAdd, 1, 2, 0, 0, 3)}), 10).empty());
}

TEST(ProgressSummary, MostMissedCountSkipsAsMissesAndBreakTiesByShare) {
    const ProgressHistory history = HistoryOf({
        FactAfter(OpMultiply, 1, 1, 7, 3, 0),  // 3 misses of 10
        FactAfter(OpMultiply, 2, 2, 1, 1, 2),  // 3 of 4, two of them skips
        FactAfter(OpMultiply, 3, 3, 20, 0, 0), // never missed
        FactAfter(OpMultiply, 4, 4, 15, 4, 1), // 5 of 20: the most
        FactAfter(OpMultiply, 5, 5, 1, 3, 0),  // 3 of 4, as 2 x 2 and asked after it
        FactAfter(OpMultiply, 6, 6, 0, 0, 1),  // 1 of 1: the highest share, fewest misses
    });
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Texts(MostMissedFacts(history, 10)),
              (Lines{"4 x 4", "2 x 2", "5 x 5", "1 x 1", "6 x 6"}));
    EXPECT_EQ(Texts(MostMissedFacts(history, 3)), (Lines{"4 x 4", "2 x 2", "5 x 5"}));
    EXPECT_TRUE(MostMissedFacts(history, 0).empty());
    EXPECT_TRUE(MostMissedFacts(HistoryOf({FactAfter(OpAdd, 1, 2, 9, 0)}), 10).empty());
}

TEST(ProgressSummary, OperationFiguresCountTheirOwnFactsAndWeighTheMedianByAnswers) {
    // Multiplication's timed answers at their facts' averages: 1000 once, 2000 twice,
    // 3000 five times. The lower middle of eight is the fourth: 3000, where the median of
    // the three averages alone would be 2000.
    const ProgressHistory history = HistoryOf({
        FactAfter(OpMultiply, 2, 3, 1, 0, 0, 1000),
        FactAfter(OpMultiply, 4, 5, 3, 2, 1, 3000),
        FactAfter(OpAdd, 1, 1, 9, 0, 0, 100),
        FactAfter(OpMultiply, 6, 7, 1, 1, 0, 2000),
        FactAfter(OpMultiply, 8, 9, 0, 0, 2),
        FactAfter(OpSubtract, 9, 1, 0, 0, 3),
    });
    const OperationFigures multiply = FiguresFor(history, OpMultiply);
    EXPECT_EQ(multiply.asked, 1 + 6 + 2 + 2);
    EXPECT_EQ(multiply.right, 1 + 3 + 1);
    EXPECT_EQ(multiply.medianMs, 3000);
    const OperationFigures add = FiguresFor(history, OpAdd);
    EXPECT_EQ(add.asked, 9);
    EXPECT_EQ(add.right, 9);
    EXPECT_EQ(add.medianMs, 100);
    const OperationFigures subtract = FiguresFor(history, OpSubtract);
    EXPECT_EQ(subtract.asked, 3) << "skips are asked";
    EXPECT_EQ(subtract.medianMs, -1) << "but not timed";
    const OperationFigures divide = FiguresFor(history, OpDivide);
    EXPECT_EQ(divide.asked, 0);
    EXPECT_EQ(divide.medianMs, -1);

    // An even count takes the lower middle: 1000, 1000 | 3000, 3000.
    EXPECT_EQ(FiguresFor(HistoryOf({FactAfter(OpAdd, 1, 1, 2, 0, 0, 3000),
                                    FactAfter(OpAdd, 2, 2, 1, 1, 0, 1000)}),
                         OpAdd)
                  .medianMs,
              1000);

    // Many mixed facts against every answer listed out and sorted.
    std::vector<FactRecord> facts;
    std::vector<int> answers;
    std::uint32_t state = 7;
    for (int i = 0; i < 40; ++i) {
        state = state * 1664525u + 1013904223u;
        const int right = static_cast<int>(state >> 8 & 3);
        const int wrong = static_cast<int>(state >> 12 & 1);
        const int mean = 500 + static_cast<int>(state >> 16 & 0xFFF);
        facts.push_back(FactAfter(OpDivide, i, 1, right, wrong, 1, mean));
        answers.insert(answers.end(), static_cast<std::size_t>(right + wrong), mean);
    }
    std::sort(answers.begin(), answers.end());
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(FiguresFor(HistoryOf(facts), OpDivide).medianMs, answers[(answers.size() - 1) / 2]);
}

// A fact's answers as the game records them, oldest first: a time for a right answer at
// the first try, Miss for a wrong one, Skip for a skipped one.
constexpr int Miss = -1;
constexpr int Skip = -2;

FactRecord FactAnswered(const std::vector<int>& answers) {
    ProgressHistory history;
    const Problem problem{8, OpMultiply, 7};
    for (const int ms : answers) {
        const FactOutcome outcome = ms == Miss   ? FactOutcome::Wrong
                                    : ms == Skip ? FactOutcome::Skipped
                                                 : FactOutcome::Right;
        history.RecordFact(problem, outcome, ms, history.BeginGame());
    }
    return history.facts.at(0);
}

struct GridClassCase {
    const char* name;
    FactRecord fact;
    int fluentSeconds;
    int expected;
};

TEST(ProgressSummary, EachFactFallsInTheGridClassItsAnswersEarn) {
    const GridClassCase cases[] = {
        {"fluent", FactAnswered({1000, 1500}), 3, 0},
        {"fluent despite one miss", FactAnswered({Miss, 1000, 2900}), 3, 0},
        {"one quick right answer", FactAnswered({1000}), 3, 1},
        {"slow, then quick", FactAnswered({8000, 2000}), 3, 1},
        {"right once but slowly", FactAnswered({9000}), 3, 2},
        {"quick, then slow", FactAnswered({1000, 9000}), 3, 2},
        {"slow at 3 s", FactAnswered({5000, 5500}), 3, 2},
        {"the same fluent at 6 s", FactAnswered({5000, 5500}), 6, 0},
        {"one quick at 12 s", FactAnswered({13000, 14000, 12000}), 12, 1},
        {"right at the threshold", FactAnswered({3000, 3000}), 3, 0},
        {"just over it", FactAnswered({3001}), 3, 2},
        {"missed once in three", FactAnswered({1000, Miss, 9000}), 3, 3},
        {"missed, then quick", FactAnswered({Miss, 1000}), 3, 3},
        {"skipped, then slow", FactAnswered({Skip, 9000}), 3, 3},
        {"missed in two of three", FactAnswered({Miss, Skip, 1000}), 3, 4},
        {"never right", FactAnswered({Miss}), 3, 4},
        {"old misses forgotten", FactAnswered({Miss, Miss, Miss, 9000, 9000, 9000}), 3, 2},
        {"upgraded: right and quick", FactAfter(OpAdd, 2, 5, 6, 0, 0, 700), 3, 1},
        {"upgraded: right but slow", FactAfter(OpAdd, 2, 5, 6, 0, 0, 5000), 3, 2},
        {"upgraded: quick at 6 s", FactAfter(OpAdd, 2, 5, 6, 0, 0, 5000), 6, 1},
        {"upgraded: missed once in ten", FactAfter(OpAdd, 2, 5, 9, 1, 0, 700), 3, 3},
        {"upgraded: missed in most", FactAfter(OpAdd, 2, 5, 2, 3, 0, 700), 3, 4},
        {"upgraded: never right", FactAfter(OpAdd, 2, 5, 0, 5, 0, 700), 3, 4},
        {"upgraded: skipped every time", FactAfter(OpAdd, 2, 5, 0, 0, 3), 3, 4},
        {"never asked", FactAfter(OpAdd, 2, 5, 0, 0), 3, -1},
    };
    for (const GridClassCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GridClassOf(&c.fact, c.fluentSeconds), c.expected);
        ProgressHistory history = HistoryOf({c.fact});
        history.options.fluentSeconds = c.fluentSeconds;
        const ColorRef colour = c.expected < 0 ? GridUnaskedColour : GridClassColours[c.expected];
        EXPECT_EQ(GridCellColour(history, c.fact.operation, c.fact.operandA, c.fact.operandB),
                  colour);
        EXPECT_EQ(GridCellFluent(history, c.fact.operation, c.fact.operandA, c.fact.operandB),
                  c.expected == 0);
    }
    EXPECT_EQ(GridClassOf(nullptr, 3), -1);
}

// Every sequence of up to four answers, each quick, slow, missed or skipped: a fact missed
// among its recent answers is orange or red unless fluent, one never missed is never
// orange or red, and a quick latest answer is never yellower than a slow one.
TEST(ProgressSummary, AMissIsNeverYellowOrBlueAndARightAnswerNeverRed) {
    const int kinds[] = {1000, 9000, Miss, Skip};
    int checked = 0;
    for (int length = 1; length <= 4; ++length) {
        int combinations = 1;
        for (int i = 0; i < length; ++i) {
            combinations *= 4;
        }
        for (int code = 0; code < combinations; ++code) {
            std::vector<int> answers;
            for (int i = 0, rest = code; i < length; ++i, rest /= 4) {
                answers.push_back(kinds[rest % 4]);
            }
            const FactRecord fact = FactAnswered(answers);
            const auto lastThree = answers.end() - std::min(length, RecentAnswerCount);
            const bool missed =
                std::any_of(lastThree, answers.end(), [](int ms) { return ms < 0; });
            const int gridClass = GridClassOf(&fact, 3);
            SCOPED_TRACE(::testing::PrintToString(answers));
            if (gridClass != 0) {
                EXPECT_EQ(gridClass >= 3, missed);
            }
            if (!missed && gridClass != 0) {
                EXPECT_EQ(gridClass, answers.back() == 1000 ? 1 : 2);
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4 + 16 + 64 + 256);
}

TEST(ProgressSummary, AGridCellLooksUpItsFactAsShown) {
    ProgressHistory history;
    const int game = history.BeginGame();
    for (int i = 0; i < 2; ++i) {
        history.RecordFact(Problem{8, OpMultiply, 7}, FactOutcome::Right, 5000, game);
    }
    EXPECT_FALSE(GridCellFluent(history, OpMultiply, 8, 7)) << "slower than 3 s";
    EXPECT_EQ(GridCellColour(history, OpMultiply, 7, 8), GridClassColours[2]);
    history.options.fluentSeconds = 6;
    EXPECT_TRUE(GridCellFluent(history, OpMultiply, 8, 7)) << "the history's threshold";
    EXPECT_TRUE(GridCellFluent(history, OpMultiply, 7, 8)) << "7 x 8 is shown as 8 x 7";
    EXPECT_EQ(GridCellColour(history, OpMultiply, 7, 8), GridClassColours[0]);
    EXPECT_FALSE(GridCellFluent(history, OpAdd, 8, 7)) << "another operation";
    EXPECT_EQ(GridCellColour(history, OpAdd, 7, 8), GridUnaskedColour);
    EXPECT_EQ(GridCellColour(history, OpMultiply, 10, 10), GridUnaskedColour);
}

TEST(ProgressSummary, AGameDateIsShortOrLeftOut) {
    const struct {
        const char* when;
        const char* shown;
    } cases[] = {
        {"2026-12-08 19:52", "8 Dec"},
        {"2027-01-31 07:05", "31 Jan"},
        {"2026-06-15", "15 Jun"},
        {"2026-10-01 00:00", "1 Oct"},
        {"", ""},
        {"2026-13-08 19:52", ""},
        {"2026-00-08 19:52", ""},
        {"2026-12-00 19:52", ""},
        {"2026-12-32 19:52", ""},
        {"2026/12/08 19:52", ""},
        {"2026-1-8 19:52", ""},
        {"2026-12-0", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortDate(c.when), c.shown) << '"' << c.when << '"';
    }
}

TEST(ProgressSummary, TheChartShowsTheLastThirtyGamesOldestFirst) {
    ProgressHistory history;
    for (std::uint32_t score = 1; score <= 35; ++score) {
        GameRecord game;
        game.score = score;
        history.RecordGame(game);
    }
    const std::vector<const GameRecord*> charted = ChartedGames(history);
    ASSERT_EQ(charted.size(), 30u);
    for (std::size_t i = 0; i < charted.size(); ++i) {
        EXPECT_EQ(charted[i]->score, 6 + i);
    }
    history.games.resize(3);
    ASSERT_EQ(ChartedGames(history).size(), 3u);
    EXPECT_EQ(ChartedGames(history)[0]->score, 1u);
    EXPECT_TRUE(ChartedGames(ProgressHistory()).empty());
}
