// ProgressHistory: what the player has answered across games, as progress.dat keeps it.
// Per fact (an operation and both operands as shown): how often it was asked, answered
// right, wrong or skipped, how long its right answers took and its last few answers; per
// game, the last MaxGames games' results; and the milestones earned. A problem counts
// once: right when answered right at the first attempt, wrong at its first wrong attempt,
// skipped when skipped without one, so right + wrong + skipped always equals asked. Its
// time is the time to its right answer, wrong tries before it included; a wrong try is
// counted, never timed as an answer. Plain C++.
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

// How many of a fact's latest answers are kept for judging whether it is fluent.
constexpr int RecentAnswerCount = 3;

// One problem's answer as fluency judges it.
struct RecentAnswer {
    int ms = 0;         // the time to the right answer when right at the first try, else 0
    bool right = false; // right at the first try
};

struct FactRecord {
    std::uint8_t operation = OpAdd;
    int operandA = 0;
    int operandB = 0;
    int asked = 0;
    int right = 0;
    int wrong = 0;
    int skipped = 0;
    // Over the right answers timed (timed of them): each the time from the problem shown
    // to its right answer, wrong tries before it included.
    int totalMs = 0;
    int timed = 0;
    // The fastest of those; 0 before the first. Never slower than their average.
    int bestMs = 0;
    // The number of the game the fact was last asked in.
    int lastGame = 0;
    // Up to RecentAnswerCount of the latest problems' answers, oldest first.
    std::vector<RecentAnswer> recent;
};

struct GameRecord {
    // The game's number as ProgressHistory::BeginGame counted it (the facts' lastGame); 0
    // for a game recorded before games were numbered.
    int number = 0;
    std::string when; // local date and time the game ended, "2026-12-08 19:52"
    int difficulty = 0;
    std::string operations; // as a high-score entry names them
    std::uint32_t score = 0;
    int level = 0;
    int right = 0;
    int wrong = 0;
    int medianMs = 0; // of the game's right answers' times; 0 without one
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
    // A right answer within this many seconds counts towards a fact being fluent: one of
    // FluentSecondsChoices (progress/fluency.h).
    int fluentSeconds = 3;
};

bool operator==(const ProgressOptions& a, const ProgressOptions& b);
bool operator!=(const ProgressOptions& a, const ProgressOptions& b);

// A set of facts all fluent at once, kept with the date it was first so; never taken away.
// A table is the x facts (or the / facts) of one number; a band the + (or -) facts within
// a bound.
struct Milestone {
    std::uint8_t operation = OpMultiply;
    int number = 0;   // the table, or the band's bound
    std::string date; // local date earned, "2026-12-08"
};
constexpr int MaxMilestones = 256;

class ProgressHistory {
  public:
    // Counts a new game and returns its number.
    int BeginGame();
    // Counts a problem's verdict on its fact in game gameNumber; ms is the time of a right
    // answer (ignored for the others, which are not timed).
    void RecordFact(const Problem& problem, FactOutcome outcome, int ms, int gameNumber);
    // Times a right answer that came after wrong tries at a problem whose verdict was
    // already counted (it does not change the fact's recent answers).
    void RecordLateRight(const Problem& problem, int ms);
    // Adds a milestone unless one of the same operation and number is kept; false when it
    // was kept already (or no more are kept).
    bool EarnMilestone(const Milestone& milestone);
    // Appends a finished game, dropping the oldest beyond MaxProgressGames.
    void RecordGame(const GameRecord& game);
    // The fact's record, or null when it was never asked.
    const FactRecord* FindFact(std::uint8_t operation, int operandA, int operandB) const;
    bool Empty() const { return facts.empty() && games.empty(); }

    std::vector<FactRecord> facts;     // in the order first asked
    std::vector<GameRecord> games;     // oldest first
    std::vector<Milestone> milestones; // in the order earned
    int gamesPlayed = 0;
    ProgressOptions options;

  private:
    FactRecord& FactFor(const Problem& problem, int gameNumber);
    FactRecord* Find(const Problem& problem);
};

// The middle of the times (the lower of the two middle ones for an even count); 0 for none.
int MedianMs(std::vector<int> times);
