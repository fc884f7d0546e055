// ReviewRound: the untimed round after a game that asks again, one after another and in
// the order they came, the problems the game missed (answered wrong, skipped or left when
// the clock ran out). A problem is passed by its right answer or skipped; the round is
// over after the last one.
#pragma once

#include <cstddef>
#include <vector>

#include "progress/problem.h"

class ReviewRound {
  public:
    // Begins a round over problems (none: no round).
    void Start(const std::vector<Problem>& problems);
    void End();
    bool Active() const { return position < problems.size(); }
    // The problem asked now; only while Active.
    const Problem& Current() const { return problems[position]; }
    // The one after it, or null when the current one is the last.
    const Problem* Next() const;
    // The current problem was answered right or skipped: on to the next; false when the
    // round is over.
    bool Pass();
    // A wrong try at the current problem; true from its second on, when its answer shows.
    bool Wrong();
    // 1-based number of the current problem, and how many the round asks.
    int Number() const { return static_cast<int>(position) + 1; }
    int Count() const { return static_cast<int>(problems.size()); }

  private:
    std::vector<Problem> problems;
    std::size_t position = 0;
    int wrongTries = 0;
};
