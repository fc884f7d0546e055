// Entering finished games into the high-score table: where a score lands, what moves down,
// ties, scores too low to rank, zero scores, and which texts the new entry gets.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "shell/high_score_table.h"

namespace {

using Table = HighScoreEntry[HighScoreCount];

// A table with the given scores, each entry's texts and level telling it apart.
void FillTable(Table& table, std::initializer_list<std::uint32_t> scores) {
    int i = 0;
    for (const std::uint32_t score : scores) {
        const std::string tag = std::to_string(i);
        table[i].spareText = "spare" + tag;
        table[i].modeText = "mode" + tag;
        table[i].difficultyText = "difficulty" + tag;
        table[i].score = score;
        table[i].level = 10 + i;
        ++i;
    }
}

::testing::AssertionResult SameEntry(const HighScoreEntry& got, const HighScoreEntry& expected) {
    if (got.spareText == expected.spareText && got.modeText == expected.modeText &&
        got.difficultyText == expected.difficultyText && got.score == expected.score &&
        got.level == expected.level) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "got {" << got.spareText << ", " << got.modeText << ", " << got.difficultyText << ", "
           << got.score << ", " << got.level << "} expected {" << expected.spareText << ", "
           << expected.modeText << ", " << expected.difficultyText << ", " << expected.score << ", "
           << expected.level << "}";
}

} // namespace

TEST(RecordHighScore, FirstGameEntersTheEmptyTableAtTheTop) {
    Table table;
    EXPECT_EQ(RecordHighScore(table, 120, 3, 1, " +  x "), 0);
    EXPECT_EQ(table[0].score, 120u);
    EXPECT_EQ(table[0].level, 3);
    EXPECT_EQ(table[0].difficultyText, "Normal");
    EXPECT_EQ(table[0].modeText, " +  x ");
    EXPECT_EQ(table[1].score, 0u);
}

TEST(RecordHighScore, LowerEntriesMoveDownWithAllTheirFieldsAndTheLastIsDropped) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    Table before;
    FillTable(before, {50, 40, 30, 20, 10});

    EXPECT_EQ(RecordHighScore(table, 35, 7, 2, "Add"), 2);

    EXPECT_TRUE(SameEntry(table[0], before[0]));
    EXPECT_TRUE(SameEntry(table[1], before[1]));
    EXPECT_TRUE(SameEntry(table[3], before[2]));
    EXPECT_TRUE(SameEntry(table[4], before[3]));
    EXPECT_EQ(table[2].score, 35u);
    EXPECT_EQ(table[2].level, 7);
    EXPECT_EQ(table[2].difficultyText, "Hard");
    EXPECT_EQ(table[2].modeText, "Add");
    EXPECT_EQ(table[2].spareText, "spare2") << "the spare text is never set";
}

TEST(RecordHighScore, EqualScoreIsPlacedAboveTheEarlierOne) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordHighScore(table, 40, 1, 0, "Divide"), 1);
    EXPECT_EQ(table[1].modeText, "Divide");
    EXPECT_EQ(table[2].modeText, "mode1");
    EXPECT_EQ(table[2].score, 40u);
}

TEST(RecordHighScore, SixthBestScoreChangesNothing) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    Table before;
    FillTable(before, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordHighScore(table, 9, 99, 2, "Hard game"), -1);
    for (int i = 0; i < HighScoreCount; ++i) {
        EXPECT_TRUE(SameEntry(table[i], before[i])) << "entry " << i;
    }
}

TEST(RecordHighScore, ZeroScoreTakesTheFirstEmptySlotOrNothing) {
    Table table;
    FillTable(table, {50, 40, 0, 0, 0});
    EXPECT_EQ(RecordHighScore(table, 0, 1, 0, "Add"), 2);
    EXPECT_EQ(table[2].modeText, "Add");

    Table full;
    FillTable(full, {5, 4, 3, 2, 1});
    EXPECT_EQ(RecordHighScore(full, 0, 1, 0, "Add"), -1);
}

TEST(RecordHighScore, UnknownDifficultyKeepsTheTextNowInTheSlot) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    // After the move, slot 1 still holds the text of the entry that moved to slot 2.
    EXPECT_EQ(RecordHighScore(table, 45, 2, -1, "Add"), 1);
    EXPECT_EQ(table[1].difficultyText, "difficulty1");
    EXPECT_EQ(table[2].difficultyText, "difficulty1");

    // In the last slot nothing moves: the dropped entry's text stays.
    EXPECT_EQ(RecordHighScore(table, 25, 2, 3, "Add"), 4);
    EXPECT_EQ(table[4].difficultyText, "difficulty3");
}

TEST(RecordHighScore, DifficultyIndexesNameTheirLevels) {
    const char* names[] = {"Easy", "Normal", "Hard"};
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        Table table;
        RecordHighScore(table, 1, 1, difficulty, "Add");
        EXPECT_EQ(table[0].difficultyText, names[difficulty]);
    }
}

TEST(RecordHighScore, ScoresCompareAsUnsignedNumbers) {
    Table table;
    FillTable(table, {3000000000u, 2000000000u, 0, 0, 0});
    EXPECT_EQ(RecordHighScore(table, 2500000000u, 1, 1, "Add"), 1);
    EXPECT_EQ(table[0].score, 3000000000u);
    EXPECT_EQ(table[2].score, 2000000000u);
}
