// ProblemDealer: difficulty rows, dealing from the pools, weak facts in place of regular
// problems, the challenge problem and the level-to-level widening of the operand bounds.
#include "game/problem_dealer.h"

#include "base/random.h"

namespace {

// One difficulty's settings: clock adjustments, growth per level and the first level's
// operand ranges.
struct DifficultyRow {
    int bonusSeconds;
    int penaltySeconds;
    int rangeStep;
    int lowA;
    int maxA;
    int lowB;
    int maxB;
};

constexpr DifficultyRow DifficultyRows[] = {
    {4, -2, 2, 1, 10, 1, 10}, // Easy
    {2, -3, 4, 1, 10, 1, 10}, // Normal
    {2, -4, 6, 4, 16, 1, 10}, // Hard
};
constexpr int DifficultyCount = sizeof(DifficultyRows) / sizeof(DifficultyRows[0]);

// Both operand bounds of a game start here (Hard then raises the left one).
constexpr int FirstMaxOperand = 10;
constexpr int ProblemsPerLevel = 11;
// No operand bound grows past two digits.
constexpr int MaxOperandCap = 99;
// The right bound only starts growing once the left bound has passed this.
constexpr int RightGrowthThreshold = 30;
// The challenge's operands: left max+4 .. max+16, right 4 .. maxB+6, dividends from max+20.
constexpr int ChallengeLeftLow = 4;
constexpr int ChallengeLeftHigh = 16;
constexpr int ChallengeRightLow = 4;
constexpr int ChallengeRightExtra = 6;
constexpr int ChallengeDividendOffset = 20;
// With weak facts on, one regular problem in this many is a weak fact.
constexpr int WeakFactOdds = 3;

// Divisible by a small prime without being that prime: below 19 * 19 that is "composite".
bool IsDividend(int v) {
    constexpr int SmallPrimes[] = {2, 3, 5, 7, 11, 13, 17};
    for (const int prime : SmallPrimes) {
        if (v % prime == 0 && v != prime) {
            return true;
        }
    }
    return false;
}

// The dividend after v in a run: the next number that IsDividend accepts.
int NextDividend(int v) {
    do {
        ++v;
    } while (!IsDividend(v));
    return v;
}

// True when PickDivisor(dividend) could return divisor.
bool IsPickableDivisor(int dividend, int divisor) {
    if (divisor >= 2) {
        return divisor <= dividend / 2 && dividend % divisor == 0;
    }
    if (divisor != 1) {
        return false;
    }
    for (int i = 2; i <= dividend / 2; ++i) {
        if (dividend % i == 0) {
            return false;
        }
    }
    return true;
}

bool InRange(int v, int low, int high) {
    return v >= low && v <= high;
}

bool OperationChosen(const OperationChoice& ops, std::uint8_t operation) {
    switch (operation) {
    case OpAdd: return ops.addEnabled;
    case OpSubtract: return ops.subtractEnabled;
    case OpMultiply: return ops.multiplyEnabled;
    case OpDivide: return ops.divideEnabled;
    default: return false;
    }
}

// Subtraction and multiplication are shown with the larger operand first.
void PutLargerFirst(Problem& problem) {
    const bool ordered = problem.operation == OpSubtract || problem.operation == OpMultiply;
    if (ordered && problem.operandB > problem.operandA) {
        const std::int32_t larger = problem.operandB;
        problem.operandB = problem.operandA;
        problem.operandA = larger;
    }
}

} // namespace

bool OperationChoice::Any() const {
    return addEnabled || subtractEnabled || multiplyEnabled || divideEnabled;
}

void ProblemDealer::NewGame(int newDifficulty, const OperationChoice& choice) {
    needFreshCurrent = true;
    problemNumber = 0;
    maxOperandA = FirstMaxOperand;
    maxOperandB = FirstMaxOperand;
    problemsPerLevel = ProblemsPerLevel;
    ApplyDifficulty(newDifficulty);
    ops = choice;
    FillOperationPool();
    AdvanceProblem();
}

void ProblemDealer::ApplyDifficulty(int newDifficulty) {
    if (newDifficulty < 0 || newDifficulty >= DifficultyCount) {
        return;
    }
    const DifficultyRow& row = DifficultyRows[newDifficulty];
    difficulty = newDifficulty;
    referenceSeconds = GameStartSeconds;
    bonusSeconds = row.bonusSeconds;
    penaltySeconds = row.penaltySeconds;
    rangeStep = row.rangeStep;
    maxOperandA = row.maxA;
    maxOperandB = row.maxB;
    lowOperandA = row.lowA;
    lowOperandB = row.lowB;
    operandPoolA.FillRange(lowOperandA, maxOperandA);
    operandPoolB.FillRange(lowOperandB, maxOperandB);
}

void ProblemDealer::FillOperationPool() {
    operationPool.Clear();
    if (ops.addEnabled) {
        operationPool.Push(OpAdd);
    }
    if (ops.subtractEnabled) {
        operationPool.Push(OpSubtract);
    }
    if (ops.multiplyEnabled) {
        operationPool.Push(OpMultiply);
    }
    if (ops.divideEnabled) {
        BuildDividends(maxOperandA);
        operationPool.Push(OpDivide);
    }
}

bool ProblemDealer::AdvanceProblem() {
    if (needFreshCurrent) {
        DealRegular(currentProblem);
        needFreshCurrent = false;
    } else {
        currentProblem = nextProblem;
    }
    bool challengeBecameCurrent = false;
    if (problemNumber == problemsPerLevel - 2) {
        DealChallenge(nextProblem);
    } else {
        DealRegular(nextProblem);
        challengeBecameCurrent = problemNumber == problemsPerLevel - 1;
    }
    PutLargerFirst(nextProblem);
    PutLargerFirst(currentProblem);
    ++problemNumber;
    return challengeBecameCurrent;
}

void ProblemDealer::DealRegular(Problem& problem) {
    if (weakFacts && RandomInRange(0, WeakFactOdds - 1) == 0 && DealWeakFact(problem)) {
        return;
    }
    problem.operation = static_cast<std::uint8_t>(operationPool.PickRandom());
    DrawOperands(problem);
}

bool ProblemDealer::DealWeakFact(Problem& problem) const {
    return weakFacts([this](const Problem& candidate) { return WeakFactFits(candidate); }, problem);
}

// The fact as shown is one the level's normal deal could show.
bool ProblemDealer::WeakFactFits(const Problem& fact) const {
    if (!OperationChosen(ops, fact.operation)) {
        return false;
    }
    const int a = fact.operandA;
    const int b = fact.operandB;
    switch (fact.operation) {
    case OpAdd: return InLevelRanges(a, b);
    case OpSubtract:
    case OpMultiply:
        // Shown larger first, so either operand may have come from the left range.
        return a >= b && (InLevelRanges(a, b) || InLevelRanges(b, a));
    case OpDivide: return IsLevelDividend(a) && IsPickableDivisor(a, b);
    default: return false;
    }
}

bool ProblemDealer::InLevelRanges(int left, int right) const {
    return InRange(left, lowOperandA, maxOperandA) && InRange(right, lowOperandB, maxOperandB);
}

// One of the dividends BuildDividends(maxOperandA) deals, whatever the pool holds now.
bool ProblemDealer::IsLevelDividend(int value) const {
    int v = maxOperandA;
    for (int i = 0; i < problemsPerLevel && v <= value; ++i) {
        if (v == value) {
            return true;
        }
        v = NextDividend(v);
    }
    return false;
}

void ProblemDealer::DrawOperands(Problem& problem) {
    if (problem.operation == OpDivide) {
        problem.operandA = dividendPool.TakeRandom();
        problem.operandB = PickDivisor(problem.operandA);
    } else {
        problem.operandA = operandPoolA.TakeRandom();
        problem.operandB = operandPoolB.TakeRandom();
    }
}

void ProblemDealer::DealChallenge(Problem& problem) {
    problem.operation = ChallengeOperation();
    if (problem.operation == OpDivide) {
        // Larger dividends than the level's; they replace the ones still left.
        BuildDividends(maxOperandA + ChallengeDividendOffset);
        problem.operandA = dividendPool.TakeRandom();
        problem.operandB = PickDivisor(problem.operandA);
        return;
    }
    // Drawn straight from the ranges, so the level's operand pools are left alone.
    problem.operandA =
        RandomInRange(maxOperandA + ChallengeLeftLow, maxOperandA + ChallengeLeftHigh);
    problem.operandB = RandomInRange(ChallengeRightLow, maxOperandB + ChallengeRightExtra);
}

std::uint8_t ProblemDealer::ChallengeOperation() const {
    if (ops.multiplyEnabled && ops.divideEnabled) {
        // The problem that has just become current decides, so no random draw is spent.
        return (currentProblem.operandA & 1) != 0 ? OpMultiply : OpDivide;
    }
    if (ops.multiplyEnabled) {
        return OpMultiply;
    }
    if (ops.divideEnabled) {
        return OpDivide;
    }
    return static_cast<std::uint8_t>(operationPool.PickRandom());
}

void ProblemDealer::LevelUp() {
    WidenBounds();
    lowOperandA = 1;
    lowOperandB = 1;
    if (difficulty == DifficultyHard) {
        lowOperandA = maxOperandA - problemsPerLevel > 1 ? maxOperandA - problemsPerLevel : 1;
        lowOperandB = maxOperandB - problemsPerLevel > 1 ? maxOperandB - problemsPerLevel : 1;
    }
    operandPoolA.FillRange(lowOperandA, maxOperandA);
    operandPoolB.FillRange(lowOperandB, maxOperandB);
    needFreshCurrent = true;
    if (ops.divideEnabled) {
        BuildDividends(maxOperandA);
    }
    AdvanceProblem();
    problemNumber = 1;
}

void ProblemDealer::WidenBounds() {
    maxOperandA += rangeStep;
    if (maxOperandA > MaxOperandCap) {
        // The step that caps the left bound does not widen the right one.
        maxOperandA = MaxOperandCap;
    } else if (maxOperandA > RightGrowthThreshold) {
        maxOperandB += rangeStep;
    }
    if (maxOperandB > MaxOperandCap) {
        maxOperandB = MaxOperandCap;
    }
}

void ProblemDealer::BuildDividends(int start) {
    dividendPool.Clear();
    int v = start;
    for (int i = 0; i < problemsPerLevel; ++i) {
        dividendPool.Push(v);
        v = NextDividend(v);
    }
}

int ProblemDealer::PickDivisor(int dividend) const {
    ValuePool candidates;
    for (int i = 2; i <= dividend >> 1; ++i) {
        if (dividend % i == 0) {
            candidates.Push(i);
        }
    }
    return candidates.Count() == 0 ? 1 : candidates.PickRandom();
}
