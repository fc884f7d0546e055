// ProgressHistory: what the player has answered across games, as progress.dat keeps it.
// Per fact (an operation and both operands as shown): how often it was asked, answered
// right, wrong or skipped, and how long the answers took; per game, the last MaxGames
// games' results. A problem counts once: right when answered right at the first
// attempt, wrong at its first wrong attempt, skipped when skipped without one, so
// right + wrong + skipped always equals asked. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "progress/fact_choice.h"
#include "progress/problem.h"

// The most facts and games kept; the least recently seen fact and the oldest game go first.
constexpr int MaxProgressFacts = 5000;
constexpr int MaxProgressGames = 200;
// Longest answer time kept for one answer; a longer one counts as this.
constexpr int MaxAnswerMs = 600000;

enum class FactOutcome { Right, Wrong, Skipped };

struct FactRecord {
    std::uint8_t operation = OpAdd;
    int operandA = 0;
    int operandB = 0;
    int asked = 0;
    int right = 0;
    int wrong = 0;
    int skipped = 0;
    // Over the timed answers (right + wrong): each problem's first judged answer.
    int totalMs = 0;
    // The fastest right answer; 0 before the first.
    int bestMs = 0;
    // The number of the game the fact was last asked in.
    int lastGame = 0;
};

struct GameRecord {
    std::string when; // local date and time the game ended, "2026-12-08 19:52"
    int difficulty = 0;
    std::string operations; // as a high-score entry names them
    std::uint32_t score = 0;
    int level = 0;
    int right = 0;
    int wrong = 0;
    int medianMs = 0; // of the game's timed answers; 0 without one
    // The chosen facts as DescribeFacts gives them, empty on the levels; and whether it
    // was a calm round. Either keeps the game out of the high scores and apart on the chart.
    std::string facts;
    bool calm = false;
    bool KeptApart() const { return calm || !facts.empty(); }
};

// The practice switches and the chosen facts, kept with the history rather than in
// settings.dat.
struct ProgressOptions {
    bool weakFacts = false;
    bool showAnswer = false;
    FactChoice facts;
};

class ProgressHistory {
  public:
    // Counts a new game and returns its number.
    int BeginGame();
    // Counts a problem's verdict on its fact in game gameNumber; ms is the answer time, or
    // negative for an untimed verdict (a skip).
    void RecordFact(const Problem& problem, FactOutcome outcome, int ms, int gameNumber);
    // Appends a finished game, dropping the oldest beyond MaxProgressGames.
    void RecordGame(const GameRecord& game);
    // The fact's record, or null when it was never asked.
    const FactRecord* FindFact(std::uint8_t operation, int operandA, int operandB) const;
    bool Empty() const { return facts.empty() && games.empty(); }

    std::vector<FactRecord> facts; // in the order first asked
    std::vector<GameRecord> games; // oldest first
    int gamesPlayed = 0;
    ProgressOptions options;

  private:
    FactRecord& FactFor(const Problem& problem, int gameNumber);
};

// The middle of the times (the lower of the two middle ones for an even count); 0 for none.
int MedianMs(std::vector<int> times);
