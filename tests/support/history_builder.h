// The tests' one history builder: facts with chosen counts and times, a one-game history
// of them, and a made-up but plausible history for pictures and screen tests, with fluent
// facts and milestones.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "progress/milestones.h"
#include "progress/progress_history.h"

// A fact after right + wrong problems, each answered right in the end, their times averaging
// meanMs exactly, and some skips, last asked in game 1.
inline FactRecord FactAfter(std::uint8_t operation, int a, int b, int right, int wrong,
                            int skipped = 0, int meanMs = 1000) {
    FactRecord fact;
    fact.operation = operation;
    fact.operandA = a;
    fact.operandB = b;
    fact.right = right;
    fact.wrong = wrong;
    fact.skipped = skipped;
    fact.asked = right + wrong + skipped;
    fact.timed = right + wrong;
    fact.totalMs = meanMs * fact.timed;
    fact.bestMs = fact.timed > 0 ? meanMs : 0;
    fact.lastGame = 1;
    return fact;
}

inline Problem ProblemOf(const FactRecord& fact) {
    return Problem{fact.operandA, fact.operation, fact.operandB};
}

// One game played, these facts asked in it.
inline ProgressHistory HistoryOf(const std::vector<FactRecord>& facts) {
    ProgressHistory history;
    history.gamesPlayed = 1;
    history.facts = facts;
    return history;
}

// Games at all three difficulties with scores that grow, and facts whose answers slow
// down and go wrong more often as the numbers grow, the small ones fluent. Deterministic:
// the same seed gives the same history.
class SampleHistoryMaker {
  public:
    explicit SampleHistoryMaker(std::uint32_t seed) : state(seed) {}

    // Each game earns what it completes, as a finished game does; random dealing seldom
    // completes a whole table, so some games also earn what a child practising the easy
    // tables besides would have.
    void Fill(ProgressHistory& history, int games) {
        static const struct {
            int game;
            std::uint8_t operation;
            int number;
        } practised[] = {{2, OpMultiply, 1},
                         {8, OpMultiply, 10},
                         {14, OpAdd, 10},
                         {20, OpMultiply, 2},
                         {25, OpMultiply, 5}};
        for (int g = 0; g < games; ++g) {
            PlayGame(history, g, g * 3 / games);
            const std::string& when = history.games.back().when;
            const std::string date = when.substr(0, when.find(' '));
            EarnMilestones(history, date);
            for (const auto& earned : practised) {
                if (earned.game == g) {
                    history.EarnMilestone(Milestone{earned.operation, earned.number, date});
                }
            }
        }
    }

  private:
    int Below(int n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
    }

    Problem Deal() {
        static const std::uint8_t Operations[] = {OpAdd, OpSubtract, OpMultiply, OpDivide};
        Problem p;
        p.operation = Operations[Below(4)];
        p.operandA = 1 + Below(10);
        p.operandB = 1 + Below(10);
        if (p.operation == OpDivide) {
            p.operandA *= p.operandB;
        } else if (p.operation == OpSubtract && p.operandA < p.operandB) {
            std::swap(p.operandA, p.operandB);
        }
        return p;
    }

    void PlayGame(ProgressHistory& history, int index, int difficulty) {
        const int number = history.BeginGame();
        GameRecord game;
        game.difficulty = difficulty;
        game.operations = " +  -  x  \x89 ";
        std::vector<int> times;
        const int problems = 14 + Below(12) + index / 2;
        for (int i = 0; i < problems; ++i) {
            const Problem p = Deal();
            const int size =
                p.operation == OpMultiply ? p.operandA * p.operandB / 4 : p.operandA + p.operandB;
            const int ms = 900 + 140 * size + Below(900) - 25 * index;
            const bool wrong = Below(100) < size / 2 + 3;
            history.RecordFact(p, wrong ? FactOutcome::Wrong : FactOutcome::Right, ms, number);
            times.push_back(ms);
            ++(wrong ? game.wrong : game.right);
        }
        const int score =
            game.right * (60 + 12 * index) - 80 * game.wrong + Below(120) + 400 * difficulty;
        game.score = static_cast<std::uint32_t>(std::max(score, 0));
        game.level = 1 + game.right / 10;
        game.medianMs = MedianMs(times);
        game.when = "2026-11-" + std::to_string(10 + index / 3 % 19) +
                    " 17:" + std::to_string(10 + index % 3 * 15);
        history.RecordGame(game);
    }

    std::uint32_t state;
};
