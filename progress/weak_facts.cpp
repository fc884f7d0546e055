// Weak facts: the weight of a fact from its misses and its time, and the weighted choice.
#include "progress/weak_facts.h"

#include <algorithm>

#include "base/random.h"
#include "progress/progress_summary.h"

namespace {

constexpr std::uint8_t Operations[] = {OpAdd, OpSubtract, OpMultiply, OpDivide};
constexpr int OperationCount = sizeof(Operations) / sizeof(Operations[0]);

// A history holds at most MaxProgressFacts facts, so two draws always cover the total.
constexpr long long TwoDrawValues = 1LL << 30;
static_assert(static_cast<long long>(MaxProgressFacts) * MaxWeakFactWeight < TwoDrawValues,
              "a full history's total weight must fit two draws");

// numerator / denominator rounded up, for a positive denominator.
long long CeilDiv(long long numerator, long long denominator) {
    return (numerator + denominator - 1) / denominator;
}

int MissPart(const FactRecord& fact) {
    const long long misses = static_cast<long long>(fact.wrong) + fact.skipped;
    if (fact.asked <= 0 || misses <= 0) {
        return 0;
    }
    const long long share = CeilDiv(WeakMissWeight * std::min<long long>(misses, fact.asked),
                                    static_cast<long long>(fact.asked));
    return static_cast<int>(share);
}

int SlowPart(const FactRecord& fact, int medianMs) {
    const int mean = FactMeanMs(fact);
    if (mean < 0 || medianMs < 0 || mean <= medianMs) {
        return 0;
    }
    // A median of 0 ms counts as 1 ms, so any slower average weighs the most.
    const long long median = std::max(medianMs, 1);
    const long long excess = std::min<long long>(mean - medianMs, WeakSlowCapMedians * median);
    return static_cast<int>(CeilDiv(WeakSlowWeight * excess, median));
}

// The shared sequence's next number in 0 .. total - 1.
long long DrawBelow(long long total) {
    if (total <= WeakOneDrawTotal) {
        return RandomInRange(0, static_cast<int>(total) - 1);
    }
    const long long high = Random15();
    const long long low = Random15();
    return (high << 15 | low) % total;
}

int OperationSlot(std::uint8_t operation) {
    for (int i = 0; i < OperationCount; ++i) {
        if (Operations[i] == operation) {
            return i;
        }
    }
    return -1;
}

} // namespace

int WeakFactWeight(const FactRecord& fact, int medianMs) {
    return MissPart(fact) + SlowPart(fact, medianMs);
}

int PickByWeight(const std::vector<int>& weights) {
    long long total = 0;
    for (const int weight : weights) {
        total += std::max(weight, 0);
    }
    if (total <= 0) {
        return -1;
    }
    long long value = DrawBelow(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        value -= std::max(weights[i], 0);
        if (value < 0) {
            return static_cast<int>(i);
        }
    }
    return -1; // not reached: value is below the total
}

const FactRecord* PickWeakFact(const ProgressHistory& history,
                               const std::function<bool(const FactRecord&)>& fits) {
    int medians[OperationCount];
    for (int i = 0; i < OperationCount; ++i) {
        medians[i] = FiguresFor(history, Operations[i]).medianMs;
    }
    std::vector<const FactRecord*> candidates;
    std::vector<int> weights;
    for (const FactRecord& fact : history.facts) {
        const int slot = OperationSlot(fact.operation);
        const int weight = slot < 0 ? 0 : WeakFactWeight(fact, medians[slot]);
        if (weight > 0 && fits(fact)) {
            candidates.push_back(&fact);
            weights.push_back(weight);
        }
    }
    const int chosen = PickByWeight(weights);
    return chosen < 0 ? nullptr : candidates[static_cast<std::size_t>(chosen)];
}

bool PickWeakProblem(const ProgressHistory& history,
                     const std::function<bool(const Problem&)>& fits, Problem& out) {
    const FactRecord* fact = PickWeakFact(history, [&fits](const FactRecord& candidate) {
        return fits(Problem{candidate.operandA, candidate.operation, candidate.operandB});
    });
    if (fact == nullptr) {
        return false;
    }
    out = Problem{fact->operandA, fact->operation, fact->operandB};
    return true;
}
