// Problem: one arithmetic problem of the drill (left operand, operation code, right operand)
// and its result. Operation codes are single bytes; division uses 0x89, the code the text
// renderer draws as a division sign.
#pragma once

#include <cstdint>

constexpr std::uint8_t OpAdd = '+';
constexpr std::uint8_t OpSubtract = '-';
constexpr std::uint8_t OpMultiply = 'x';
constexpr std::uint8_t OpDivide = 0x89;

struct Problem {
    std::int32_t operandA = 0;
    std::uint8_t operation = 0;
    std::int32_t operandB = 0;
};

// The same problem as shown: both operands in the same places and the same operation.
inline bool operator==(const Problem& a, const Problem& b) {
    return a.operandA == b.operandA && a.operation == b.operation && a.operandB == b.operandB;
}
inline bool operator!=(const Problem& a, const Problem& b) {
    return !(a == b);
}

// The problem as the game shows it: the larger operand first for - and x, so a fact and
// its turned-round twin (3 x 7, 7 x 3) are one fact.
inline Problem AsShown(Problem problem) {
    const bool ordered = problem.operation == OpSubtract || problem.operation == OpMultiply;
    if (ordered && problem.operandB > problem.operandA) {
        const std::int32_t larger = problem.operandB;
        problem.operandB = problem.operandA;
        problem.operandA = larger;
    }
    return problem;
}

// A+B, A-B, A*B or A/B; 0 for any other code, and 0 for a division by zero rather than a
// crash (the dealer never deals one, but the function must not fault on any problem).
inline int ProblemResult(const Problem& p) {
    switch (p.operation) {
    case OpAdd: return p.operandA + p.operandB;
    case OpSubtract: return p.operandA - p.operandB;
    case OpMultiply: return p.operandA * p.operandB;
    case OpDivide: return p.operandB != 0 ? p.operandA / p.operandB : 0;
    default: return 0;
    }
}
