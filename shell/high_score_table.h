// The five-entry high-score table and the rule by which a finished game enters it:
// entry 0 is the best, a score of 0 marks an empty slot, and a new score ties above an
// equal one already listed.
#pragma once

#include <cstdint>
#include <string>

struct HighScoreEntry {
    std::string spareText;      // stored and moved with its entry, never set or shown
    std::string modeText;       // the game's description of its mode
    std::string difficultyText; // the game's name of its difficulty
    std::uint32_t score = 0;    // 0: the slot is empty
    int level = 0;              // level reached
};

constexpr int HighScoreCount = 5;

// Enters a finished game: the first slot whose score is not above the new one takes it and
// the entries from there down move one place (the last is dropped). A difficultyText is set;
// null keeps the slot's text, which after the move is the text of the entry now below.
// modeText is set; spareText is untouched.
// Returns the index entered, or -1 when the score ranks below all five.
int RecordHighScore(HighScoreEntry (&table)[HighScoreCount], std::uint32_t score, int level,
                    const char* difficultyText, const std::string& modeText);
