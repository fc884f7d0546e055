// ProblemDealer: the problem state of one game and the rules that deal it: per-difficulty
// settings, the current problem and its preview, ten regular problems and one challenge per
// level, the operand ranges that widen from level to level, the facts a player has chosen
// (times tables for x and /, a band for + and -) in place of the levels' ranges, and, when
// asked, weak facts from the player's history among the regular problems, with each fact
// missed in the game asked once more a few problems later. Plain C++; every
// random number comes from the shared sequence, in a fixed order, so a seed replays a game.
#pragma once

#include <functional>
#include <vector>

#include "game/value_pool.h"
#include "progress/fact_choice.h"
#include "progress/problem.h"

// The clock a game starts with and the most it can hold, in seconds.
constexpr int GameStartSeconds = 30;
constexpr int GameLimitSeconds = 60;

// Difficulty indices as the setup screen lists them.
constexpr int DifficultyEasy = 0;
constexpr int DifficultyNormal = 1;
constexpr int DifficultyHard = 2;

// The operations the player has switched on for a game.
struct OperationChoice {
    bool addEnabled = true;
    bool subtractEnabled = true;
    bool multiplyEnabled = true;
    bool divideEnabled = true;
    // True when at least one operation is on (a game needs one).
    bool Any() const;
};

// Whether the level's normal deal could show a problem.
using ProblemFits = std::function<bool(const Problem&)>;
// Where the dealer asks for a weak fact: true with one that fits in out, false without a
// random draw when none is weak enough to ask.
using WeakFactSource = std::function<bool(const ProblemFits& fits, Problem& out)>;

class ProblemDealer {
  public:
    // Starts a game at difficulty 0..2: the difficulty's bonus, penalty, range step, bounds
    // and operand pools, 11 problems per level, the operation pool (and the dividends when
    // dividing), then the first problem and its preview. A difficulty outside 0..2 leaves
    // the difficulty settings and operand pools as they were. The chosen facts replace the
    // levels' ranges for the operations they cover; the defaults cover none. Score, level,
    // the typed answer, the clock and the sounds belong to the caller.
    void NewGame(int difficulty, const OperationChoice& choice,
                 const FactChoice& chosenFacts = FactChoice());
    // Makes the preview current (or deals a fresh current problem when needFreshCurrent is
    // set), deals the next preview and counts the problem. Returns true when the challenge
    // has just become current, so the caller can play the challenge sound.
    bool AdvanceProblem();
    // Widens the operand bounds, refills the pools and dividends, deals the first problem of
    // the next level and sets problemNumber to 1. The level count, the level sound and
    // resuming the clock are left to the caller.
    void LevelUp();
    // Refills dividendPool with problemsPerLevel dividends from start: start itself, then
    // each following composite number.
    void BuildDividends(int start);
    // A random divisor of dividend between 2 and half of it, or 1 when it has none.
    int PickDivisor(int dividend) const;
    // True while the challenge is the current problem.
    bool ChallengeActive() const { return problemNumber == problemsPerLevel; }
    // The game calls this at a problem's wrong answer. With weak facts on, the fact comes
    // back once, in place of a regular problem, 2 to 4 problems after the current one (the
    // delay drawn among the places allowed); a second wrong try, or a miss of a fact that
    // is itself back for the second time, adds nothing. With weak facts off it does nothing.
    void FactMissed(const Problem& fact);

    Problem currentProblem;
    Problem nextProblem;
    // Set by NewGame and LevelUp; the next AdvanceProblem deals a fresh current problem
    // instead of promoting the preview, then clears it.
    bool needFreshCurrent = false;
    // 1-based number of the current problem in its level; problemsPerLevel while the
    // challenge is current, one more once the challenge has been answered.
    int problemNumber = 0;
    int problemsPerLevel = 11;
    int maxOperandA = 10;
    int maxOperandB = 10;
    // The low ends of the level's operand ranges: 1, or higher on Hard.
    int lowOperandA = 1;
    int lowOperandB = 1;
    int rangeStep = 0;
    int bonusSeconds = 0;
    // Held as a negative number of seconds.
    int penaltySeconds = 0;
    // Clock reading when the current problem began; the caller renews it on right answers.
    int referenceSeconds = GameStartSeconds;
    ValuePool operandPoolA;
    ValuePool operandPoolB;
    // Codes of the enabled operations, in the order add, subtract, multiply, divide.
    ValuePool operationPool;
    ValuePool dividendPool;
    int difficulty = DifficultyNormal;
    OperationChoice ops;
    // The facts chosen for the game. An operation they cover deals one of them with a single
    // draw, never the problem shown just before, and its challenge from the largest of them;
    // levels do not widen them.
    FactChoice facts;
    // Where weak facts come from; empty = the option is off, and then dealing spends no
    // draw on it. When set, each regular problem (not the challenge) is, one time in three,
    // a weak fact of the chosen operations that the level's ranges (or the chosen facts)
    // could deal, other than a missed fact due back later. Weak facts leave the operand
    // pools and dividends alone.
    WeakFactSource weakFacts;

  private:
    // A missed fact waiting to come back, and where in the game: problems are numbered
    // from 1 across the game, problemsPerLevel to a level, the challenge last.
    struct Reask {
        Problem fact;
        int place = 0;
    };

    void ApplyDifficulty(int newDifficulty);
    void FillOperationPool();
    void DealRegular(Problem& problem, const Problem& before);
    // The fact due back at place into problem; false when none is (or it would follow
    // itself, and is then let go: it has just been asked).
    bool DealReask(Problem& problem, int place);
    int CurrentPlace() const { return levelStart + problemNumber; }
    // A regular problem other than the level's first, and no other fact due back there.
    bool ReaskFits(int place) const;
    bool ReaskDueAt(int place) const;
    bool DueBackLater(const Problem& fact) const;
    bool DealWeakFact(Problem& problem) const;
    bool WeakFactFits(const Problem& fact) const;
    bool ChoiceCovers(std::uint8_t operation) const;
    bool ChoiceHolds(const Problem& fact) const;
    bool InLevelRanges(int left, int right) const;
    bool IsLevelDividend(int value) const;
    void DrawOperands(Problem& problem);
    void DealChallenge(Problem& problem);
    std::uint8_t ChallengeOperation() const;
    void WidenBounds();

    // The problem current before the latest promotion: the one a fresh current problem
    // follows (the challenge, when a level has just begun).
    Problem shownBefore;
    // The places of the problems before this level's first.
    int levelStart = 0;
    // Where the latest miss was counted, so further tries at that problem add nothing.
    int missedPlace = 0;
    std::vector<Reask> reasks;
};
