// ProblemDealer: difficulty rows, dealing from the pools or from the chosen facts, weak facts
// and missed facts asked again in place of regular problems, the challenge problem and the
// level-to-level widening of the operand bounds.
#include "game/problem_dealer.h"

#include <algorithm>
#include <vector>

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
// A missed fact comes back this many problems after the one missed, at the soonest and the
// latest: soon enough to fix it, late enough that the answer is not simply still in mind.
constexpr int ReaskSoonest = 2;
constexpr int ReaskLatest = 4;
// A challenge from chosen tables uses this many of the largest other factors; one from a
// band, sums (or first operands) in its top part of this many.
constexpr int ChallengeFactors = 3;
constexpr int ChallengeBandParts = 5;

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

bool IsTableOperation(std::uint8_t operation) {
    return operation == OpMultiply || operation == OpDivide;
}

// The facts of one operation that a choice deals from, in a fixed order, each as shown: a
// table times an other factor in low..high (x, or the product divided by the table for /),
// sums in low..high (+), or differences whose first operand is in low..high (-).
struct FactSet {
    std::uint8_t operation = 0;
    std::vector<int> tables;
    int low = 0;
    int high = 0;

    int Count() const;
    Problem At(int index) const;
};

// How many sums a + b = value (a, b >= 1), or differences value - b (1 <= b <= value).
int FactsOfValue(std::uint8_t operation, int value) {
    return operation == OpAdd ? value - 1 : value;
}

int FactSet::Count() const {
    if (IsTableOperation(operation)) {
        return static_cast<int>(tables.size()) * (high - low + 1);
    }
    int count = 0;
    for (int value = low; value <= high; ++value) {
        count += FactsOfValue(operation, value);
    }
    return count;
}

Problem FactSet::At(int index) const {
    if (IsTableOperation(operation)) {
        const int width = high - low + 1;
        const int table = tables[static_cast<std::size_t>(index / width)];
        const int other = low + index % width;
        return operation == OpMultiply ? AsShown(Problem{table, OpMultiply, other})
                                       : Problem{table * other, OpDivide, table};
    }
    int value = low;
    while (index >= FactsOfValue(operation, value)) {
        index -= FactsOfValue(operation, value);
        ++value;
    }
    return operation == OpAdd ? Problem{index + 1, OpAdd, value - index - 1}
                              : Problem{value, OpSubtract, index + 1};
}

// The choice's facts of an operation it covers; for a challenge only its largest ones.
FactSet ChosenFacts(const FactChoice& facts, std::uint8_t operation, bool challenge) {
    FactSet set;
    set.operation = operation;
    set.low = 1;
    if (IsTableOperation(operation)) {
        set.tables = facts.Tables();
        set.high = facts.otherFactorMax;
        if (challenge) {
            set.low = set.high - ChallengeFactors + 1;
        }
    } else {
        set.high = facts.BandLimit();
        if (challenge) {
            set.low = set.high - set.high / ChallengeBandParts + 1;
        }
    }
    return set;
}

// One fact of the set for one draw; when it shows as before does, the next one that does not.
Problem DealFact(const FactSet& set, const Problem& before) {
    const int count = set.Count();
    const int first = RandomInRange(0, count - 1);
    const Problem shownBefore = AsShown(before);
    Problem fact = set.At(first);
    for (int step = 1; step < count && fact == shownBefore; ++step) {
        fact = set.At((first + step) % count);
    }
    return fact;
}

} // namespace

bool OperationChoice::Any() const {
    return addEnabled || subtractEnabled || multiplyEnabled || divideEnabled;
}

void ProblemDealer::NewGame(int newDifficulty, const OperationChoice& choice,
                            const FactChoice& chosenFacts) {
    needFreshCurrent = true;
    problemNumber = 0;
    maxOperandA = FirstMaxOperand;
    maxOperandB = FirstMaxOperand;
    problemsPerLevel = ProblemsPerLevel;
    ApplyDifficulty(newDifficulty);
    ops = choice;
    facts = chosenFacts;
    shownBefore = Problem();
    levelStart = 0;
    missedPlace = 0;
    reasks.clear();
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
        DealRegular(currentProblem, shownBefore);
        needFreshCurrent = false;
    } else {
        shownBefore = currentProblem;
        currentProblem = nextProblem;
    }
    bool challengeBecameCurrent = false;
    if (problemNumber == problemsPerLevel - 2) {
        DealChallenge(nextProblem);
    } else {
        if (!DealReask(nextProblem, CurrentPlace() + 2)) {
            DealRegular(nextProblem, currentProblem);
        }
        challengeBecameCurrent = problemNumber == problemsPerLevel - 1;
    }
    nextProblem = AsShown(nextProblem);
    currentProblem = AsShown(currentProblem);
    ++problemNumber;
    return challengeBecameCurrent;
}

void ProblemDealer::DealRegular(Problem& problem, const Problem& before) {
    if (weakFacts && RandomInRange(0, WeakFactOdds - 1) == 0 && DealWeakFact(problem)) {
        return;
    }
    problem.operation = static_cast<std::uint8_t>(operationPool.PickRandom());
    if (ChoiceCovers(problem.operation)) {
        problem = DealFact(ChosenFacts(facts, problem.operation, false), before);
    } else {
        DrawOperands(problem);
    }
}

void ProblemDealer::FactMissed(const Problem& fact) {
    const int missed = CurrentPlace();
    if (!weakFacts || missed == missedPlace || ReaskDueAt(missed)) {
        return;
    }
    missedPlace = missed;
    std::vector<int> places;
    for (int place = missed + ReaskSoonest; place <= missed + ReaskLatest; ++place) {
        if (ReaskFits(place)) {
            places.push_back(place);
        }
    }
    // Never as the challenge, nor as a level's first problem (dealt afresh for the new
    // level): where those and other facts due back leave no place in reach, the fact is let
    // go rather than asked later than 4 problems on.
    if (!places.empty()) {
        const int last = static_cast<int>(places.size()) - 1;
        reasks.push_back({AsShown(fact), places[static_cast<std::size_t>(RandomInRange(0, last))]});
    }
}

bool ProblemDealer::ReaskFits(int place) const {
    const int number = (place - 1) % problemsPerLevel + 1;
    return number > 1 && number < problemsPerLevel && !ReaskDueAt(place);
}

bool ProblemDealer::ReaskDueAt(int place) const {
    return std::any_of(reasks.begin(), reasks.end(),
                       [place](const Reask& reask) { return reask.place == place; });
}

bool ProblemDealer::DueBackLater(const Problem& fact) const {
    const int current = CurrentPlace();
    return std::any_of(reasks.begin(), reasks.end(), [&](const Reask& reask) {
        return reask.place > current && reask.fact == fact;
    });
}

bool ProblemDealer::DealReask(Problem& problem, int place) {
    const auto due = std::find_if(reasks.begin(), reasks.end(),
                                  [place](const Reask& reask) { return reask.place == place; });
    if (due == reasks.end()) {
        return false;
    }
    if (due->fact == AsShown(currentProblem)) {
        reasks.erase(due);
        return false;
    }
    problem = due->fact;
    return true;
}

bool ProblemDealer::DealWeakFact(Problem& problem) const {
    return weakFacts([this](const Problem& candidate) { return WeakFactFits(candidate); }, problem);
}

// The fact as shown is one the chosen facts, or else the level's normal deal, could show,
// and not one due back later (it is asked there, not sooner).
bool ProblemDealer::WeakFactFits(const Problem& fact) const {
    if (!OperationChosen(ops, fact.operation) || DueBackLater(fact)) {
        return false;
    }
    if (ChoiceCovers(fact.operation)) {
        return ChoiceHolds(fact);
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

// Tables cover x and /, a band + and -; a choice no screen could set covers nothing.
bool ProblemDealer::ChoiceCovers(std::uint8_t operation) const {
    if (!facts.Valid()) {
        return false;
    }
    if (IsTableOperation(operation)) {
        return facts.TablesChosen();
    }
    return (operation == OpAdd || operation == OpSubtract) && facts.band != SumBand::Levels;
}

// The fact as shown is one of the choice's for its operation.
bool ProblemDealer::ChoiceHolds(const Problem& fact) const {
    const int a = fact.operandA;
    const int b = fact.operandB;
    const int limit = facts.BandLimit();
    const auto tableFact = [this](int table, int other) {
        return facts.HasTable(table) && InRange(other, 1, facts.otherFactorMax);
    };
    switch (fact.operation) {
    case OpAdd: return a >= 1 && b >= 1 && a + b <= limit;
    case OpSubtract: return b >= 1 && b <= a && a <= limit;
    case OpMultiply: return a >= b && (tableFact(a, b) || tableFact(b, a));
    case OpDivide: return b >= 1 && a % b == 0 && tableFact(b, a / b);
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
    if (ChoiceCovers(problem.operation)) {
        problem = DealFact(ChosenFacts(facts, problem.operation, true), currentProblem);
        return;
    }
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
    levelStart += problemsPerLevel;
    problemNumber = 0;
    AdvanceProblem();
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
