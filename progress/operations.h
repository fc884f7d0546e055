// The drill's four operations and its three difficulties, each written once: an operation's
// code (what a problem, progress.dat and the operations text hold), its sign as a
// spreadsheet shows it (UTF-8), its name on a switch and its noun in a sentence; a
// difficulty's name by its index.
#pragma once

#include <cstdint>

#include "progress/problem.h"

struct OperationInfo {
    std::uint8_t code;
    const char* sign;
    const char* name;
    const char* noun;
};

constexpr int OperationCount = 4;
// In the order of the setup screen's switches and the progress screen's rows.
inline constexpr OperationInfo OperationTable[OperationCount] = {
    {OpAdd, "+", "Add", "Addition"},
    {OpSubtract, "-", "Subtract", "Subtraction"},
    {OpMultiply, "x", "Multiply", "Multiplication"},
    {OpDivide, "\xC3\xB7", "Divide", "Division"},
};

// The operation with this code, or nullptr for a code that is no operation.
const OperationInfo* FindOperation(std::uint8_t code);

// Whether a problem or progress.dat may hold this code.
bool KnownOperation(std::uint8_t code);

constexpr int DifficultyCount = 3;
inline constexpr const char* DifficultyNames[DifficultyCount] = {"Easy", "Normal", "Hard"};
