// Entering a finished game into the high-score table.
#include "shell/high_score_table.h"

namespace {

// The first slot a score may take, or HighScoreCount when it ranks below all of them.
int RankOf(const HighScoreEntry (&table)[HighScoreCount], std::uint32_t score) {
    int index = 0;
    while (index < HighScoreCount && score < table[index].score) {
        ++index;
    }
    return index;
}

} // namespace

int RecordHighScore(HighScoreEntry (&table)[HighScoreCount], std::uint32_t score, int level,
                    const char* difficultyText, const std::string& modeText) {
    const int index = RankOf(table, score);
    if (index == HighScoreCount) {
        return -1;
    }
    // From the bottom up, so each entry is copied before it is overwritten.
    for (int slot = HighScoreCount - 1; slot > index; --slot) {
        table[slot] = table[slot - 1];
    }
    HighScoreEntry& entry = table[index];
    entry.score = score;
    entry.level = level;
    if (difficultyText != nullptr) {
        entry.difficultyText = difficultyText;
    }
    entry.modeText = modeText;
    return index;
}
