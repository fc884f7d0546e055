// The drill's four operations and its three difficulties, each written once: an operation's
// code (what a problem, progress.dat and the operations text hold), its sign as a
// spreadsheet shows it (UTF-8), its name on a switch and its noun in a sentence; a
// difficulty's name by its index. Names and nouns are English, as files keep them: what
// shows them translates them.
#pragma once

#include <cstdint>

#include "progress/problem.h"
#include "text/translate.h"

struct OperationInfo {
    std::uint8_t code;
    const char* sign;
    const char* name;
    const char* noun;
};

constexpr int OperationCount = 4;
// In the order of the setup screen's switches and the progress screen's rows.
inline constexpr OperationInfo OperationTable[OperationCount] = {
    // Translators: an operation's name on its switch, then its noun in a sentence.
    {OpAdd, "+", TrMark("Add"), TrMark("Addition")},
    {OpSubtract, "-", TrMark("Subtract"), TrMark("Subtraction")},
    {OpMultiply, "x", TrMark("Multiply"), TrMark("Multiplication")},
    {OpDivide, "\xC3\xB7", TrMark("Divide"), TrMark("Division")},
};

// The operation with this code, or nullptr for a code that is no operation.
const OperationInfo* FindOperation(std::uint8_t code);

// Whether a problem or progress.dat may hold this code.
bool KnownOperation(std::uint8_t code);

constexpr int DifficultyCount = 3;
inline constexpr const char* DifficultyNames[DifficultyCount] = {
    // Translators: the difficulties of a game.
    TrMark("Easy"), TrMark("Normal"), TrMark("Hard")};
