// The progress screen's figures from small histories: the fact lines and their narrow
// forms, the slowest and most missed lists (order, limit, which facts may appear), the
// per-operation accuracy and answer-weighted median, rounded percentages, the grid colours
// from green to red and grey, the charted games and the spreadsheet export's exact text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "progress/progress_export.h"
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

int Red(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
int Green(ColorRef c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
int Blue(ColorRef c) {
    return static_cast<int>(c >> 16 & 0xFF);
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

TEST(ProgressSummary, GridColoursRunFromGreenForFastAndSureToRedAndGreyForUnasked) {
    const ColorRef greenEnd = DifficultyColour(0.0f);
    const ColorRef redEnd = DifficultyColour(1.0f);
    EXPECT_GT(Green(greenEnd), Red(greenEnd));
    EXPECT_GT(Green(greenEnd), Blue(greenEnd));
    EXPECT_GT(Red(redEnd), Green(redEnd));
    EXPECT_GT(Red(redEnd), Blue(redEnd));
    EXPECT_EQ(DifficultyColour(-1.0f), greenEnd);
    EXPECT_EQ(DifficultyColour(2.0f), redEnd);

    const ProgressHistory history = HistoryOf({
        FactAfter(OpMultiply, 3, 4, 6, 0, 0, 700), // always right and fast
        FactAfter(OpMultiply, 7, 8, 0, 5, 0, 700), // missed every time, however fast
        FactAfter(OpMultiply, 6, 9, 0, 0, 3),      // skipped every time
        FactAfter(OpAdd, 2, 5, 9, 1, 0, 700),      // one miss in ten
    });
    EXPECT_EQ(GridCellColour(history, OpMultiply, 3, 4), greenEnd);
    EXPECT_EQ(GridCellColour(history, OpMultiply, 7, 8), redEnd);
    EXPECT_EQ(GridCellColour(history, OpMultiply, 6, 9), redEnd) << "a skip is a miss";
    const ColorRef once = GridCellColour(history, OpAdd, 2, 5);
    EXPECT_NE(once, greenEnd);
    EXPECT_NE(once, redEnd);
    EXPECT_EQ(GridCellColour(history, OpMultiply, 4, 3), GridUnaskedColour) << "as shown";
    EXPECT_EQ(GridCellColour(history, OpAdd, 3, 4), GridUnaskedColour) << "another operation";
    EXPECT_EQ(GridCellColour(history, OpMultiply, 10, 10), GridUnaskedColour);
    const ProgressHistory neverAsked = HistoryOf({FactAfter(OpMultiply, 1, 1, 0, 0)});
    EXPECT_EQ(GridCellColour(neverAsked, OpMultiply, 1, 1), GridUnaskedColour);
}

TEST(ProgressSummary, SlowerAnswersNeverLookEasier) {
    float lastDifficulty = -1.0f;
    int lastRedness = -1000;
    int changes = 0;
    for (int ms = 250; ms <= 15000; ms += 250) {
        const FactRecord fact = FactAfter(OpMultiply, 6, 7, 4, 0, 0, ms);
        const float difficulty = FactDifficulty(fact);
        const ColorRef colour = DifficultyColour(difficulty);
        const int redness = Red(colour) - Green(colour); // green < 0 < yellow < red
        EXPECT_GE(difficulty, lastDifficulty) << ms << " ms";
        EXPECT_GE(redness, lastRedness) << ms << " ms";
        changes += redness > lastRedness;
        lastDifficulty = difficulty;
        lastRedness = redness;
    }
    EXPECT_EQ(DifficultyColour(FactDifficulty(FactAfter(OpMultiply, 6, 7, 4, 0, 0, 250))),
              DifficultyColour(0.0f));
    EXPECT_EQ(DifficultyColour(lastDifficulty), DifficultyColour(1.0f)) << "15 s is slow";
    EXPECT_GT(changes, 5) << "a gradient, not a switch";
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

TEST(ProgressSummary, TheExportIsUtf8CommaSeparatedRowsOfEveryFactAndGame) {
    ProgressHistory history;
    int game = history.BeginGame();
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Wrong, 3000, game);
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Right, 2000, game);
    history.RecordFact(Problem{12, OpDivide, 4}, FactOutcome::Skipped, -1, game);
    GameRecord hard;
    hard.when = "2026-12-08 19:52";
    hard.difficulty = 2;
    hard.operations = " x  \x89 ";
    hard.score = 1234;
    hard.level = 3;
    hard.right = 10;
    hard.wrong = 2;
    hard.medianMs = 2450;
    history.RecordGame(hard);
    game = history.BeginGame();
    history.RecordFact(Problem{7, OpMultiply, 8}, FactOutcome::Wrong, 4000, game);
    history.RecordFact(Problem{7, OpMultiply, 8}, FactOutcome::Skipped, -1, game);
    history.RecordFact(Problem{3, OpAdd, 4}, FactOutcome::Skipped, -1, game);
    GameRecord easy;
    easy.when = "today";
    easy.operations = "a \"b\", c"; // a quote and a comma stay inside one field
    easy.score = 4000000000u;
    history.RecordGame(easy);

    const std::string expected =
        "\xEF\xBB\xBF"
        "fact,asked,right,wrong,skipped,average seconds,best seconds,last game\r\n"
        "\"12 \xC3\xB7 4\",3,1,1,1,2.0,2.0,1\r\n" // the wrong try is not timed
        "\"7 x 8\",2,0,1,1,,,2\r\n"               // no right answer, so no time
        "\"3 + 4\",1,0,0,1,,,2\r\n"               // nothing timed
        "\r\n"
        "date,difficulty,operations,score,level,right,wrong,median seconds\r\n"
        "\"2026-12-08 19:52\",\"Hard\",\" x  \xC3\xB7 \",1234,3,10,2,2.5\r\n"
        "\"today\",\"Easy\",\"a \"\"b\"\", c\",4000000000,0,0,0,\r\n"; // none timed: no median
    EXPECT_EQ(ProgressCsvText(history), expected);

    EXPECT_EQ(ProgressCsvText(ProgressHistory()),
              "\xEF\xBB\xBF"
              "fact,asked,right,wrong,skipped,average seconds,best seconds,last game\r\n\r\n"
              "date,difficulty,operations,score,level,right,wrong,median seconds\r\n");
}
