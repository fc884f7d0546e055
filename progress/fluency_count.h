// How many facts of the player's range are fluent, per operation: the line a parent reads
// first ("Multiplication: 63 of 100 facts fluent"), and the lookup of fluent facts that the
// count and the milestones share. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "progress/operations.h"
#include "progress/progress_history.h"

// The facts of one table: t x k (its cells in a times grid; the game shows the larger
// factor first), or (t * k) / t as the dealer deals a table, for k from 1 to otherFactorMax.
std::vector<Problem> TableFacts(std::uint8_t operation, int table, int otherFactorMax);
// The + facts a + b with a, b >= 1 and a + b <= bound, or the - facts a - b with
// 1 <= b <= a <= bound.
std::vector<Problem> BandFacts(std::uint8_t operation, int bound);
// The facts of the player's range for one operation: the chosen tables (every table up to
// the other factor's bound when none is chosen) for x and /, the chosen band (the addition
// grid, or - within 10, when none is) for + and -. Each cell of a times grid is one, so
// 3 x 7 and 7 x 3 both stand for the shown 7 x 3.
std::vector<Problem> RangeFacts(std::uint8_t operation, const FactChoice& choice);

// The history's fluent facts at the player's threshold, each found without a search.
class FluentFacts {
  public:
    explicit FluentFacts(const ProgressHistory& history);
    // Whether the problem is fluent as the game shows it (3 x 7 is 7 x 3).
    bool Has(const Problem& problem) const;
    int Count(const std::vector<Problem>& problems) const;
    bool All(const std::vector<Problem>& problems) const;

  private:
    std::unordered_set<std::uint64_t> fluent[OperationCount];
};

struct FluencyCount {
    std::uint8_t operation;
    int fluent;
    int facts;
};

// One per operation practised (any fact of it asked), in OperationTable order.
std::vector<FluencyCount> FluencyCounts(const ProgressHistory& history);
// "Multiplication: 63 of 100 facts fluent".
std::string FluencyLine(const FluencyCount& count);
