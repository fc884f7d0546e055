// Entering finished games into the high-score table: where a score lands, what moves down,
// ties, scores too low to rank, zero scores, and which texts the new entry gets.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "shell/high_score_table.h"

namespace {

using Table = HighScoreEntry[HighScoreCount];

// A table with the given scores, each entry's texts and level telling it apart.
void FillTable(Table& table, const std::uint32_t (&scores)[HighScoreCount]) {
    for (int i = 0; i < HighScoreCount; ++i) {
        const std::string tag = std::to_string(i);
        table[i] = {"spare" + tag, "mode" + tag, "difficulty" + tag, scores[i], 10 + i};
    }
}

// Entry i of the table FillTable made, compared field by field.
void ExpectFilledEntry(const HighScoreEntry& entry, int i, std::uint32_t score) {
    const std::string tag = std::to_string(i);
    EXPECT_EQ(entry.spareText, "spare" + tag);
    EXPECT_EQ(entry.modeText, "mode" + tag);
    EXPECT_EQ(entry.difficultyText, "difficulty" + tag);
    EXPECT_EQ(entry.score, score);
    EXPECT_EQ(entry.level, 10 + i);
}

} // namespace

TEST(RecordHighScore, LowerEntriesMoveDownWithAllTheirFieldsAndTheLastIsDropped) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordHighScore(table, 35, 7, "Hard", "Add"), 2);
    ExpectFilledEntry(table[0], 0, 50);
    ExpectFilledEntry(table[1], 1, 40);
    ExpectFilledEntry(table[3], 2, 30);
    ExpectFilledEntry(table[4], 3, 20);
    EXPECT_EQ(table[2].score, 35u);
    EXPECT_EQ(table[2].level, 7);
    EXPECT_EQ(table[2].difficultyText, "Hard");
    EXPECT_EQ(table[2].modeText, "Add");
    EXPECT_EQ(table[2].spareText, "spare2") << "the spare text is never set";
}

TEST(RecordHighScore, EqualScoreIsPlacedAboveTheEarlierOne) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordHighScore(table, 40, 1, "Easy", "Divide"), 1);
    EXPECT_EQ(table[1].modeText, "Divide");
    EXPECT_EQ(table[1].difficultyText, "Easy");
    ExpectFilledEntry(table[2], 1, 40);
}

TEST(RecordHighScore, SixthBestScoreChangesNothing) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    EXPECT_EQ(RecordHighScore(table, 9, 99, "Hard", "Hard game"), -1);
    const std::uint32_t scores[] = {50, 40, 30, 20, 10};
    for (int i = 0; i < HighScoreCount; ++i) {
        ExpectFilledEntry(table[i], i, scores[i]);
    }
}

TEST(RecordHighScore, ZeroScoreTakesTheFirstEmptySlotOrNothing) {
    Table table;
    FillTable(table, {50, 40, 0, 0, 0});
    EXPECT_EQ(RecordHighScore(table, 0, 1, "Normal", "Add"), 2);
    EXPECT_EQ(table[2].difficultyText, "Normal");

    Table full;
    FillTable(full, {5, 4, 3, 2, 1});
    EXPECT_EQ(RecordHighScore(full, 0, 1, "Easy", "Add"), -1);
}

TEST(RecordHighScore, UnknownDifficultyKeepsTheTextNowInTheSlot) {
    Table table;
    FillTable(table, {50, 40, 30, 20, 10});
    // After the move, slot 1 still holds the text of the entry that moved to slot 2.
    EXPECT_EQ(RecordHighScore(table, 45, 2, nullptr, "Add"), 1);
    EXPECT_EQ(table[1].difficultyText, "difficulty1");
    // In the last slot nothing moves: the replaced entry's text stays.
    EXPECT_EQ(RecordHighScore(table, 25, 2, nullptr, "Add"), 4);
    EXPECT_EQ(table[4].difficultyText, "difficulty3");
}

TEST(RecordHighScore, ScoresCompareAsUnsignedNumbers) {
    Table table;
    FillTable(table, {3000000000u, 2000000000u, 0, 0, 0});
    EXPECT_EQ(RecordHighScore(table, 2500000000u, 1, "Normal", "Add"), 1);
}
