// The figures the progress screen shows and the export writes, worked out from a
// history: each fact's text and average time, the slowest and the most often missed
// facts, accuracy and median time per operation, the colour of a fact in the table grid,
// and the score chart's series. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/color.h"
#include "progress/progress_history.h"

// "7 x 8"; division shows its sign's code, which the font draws as a division sign.
std::string ProblemText(const Problem& problem);
std::string FactText(const FactRecord& fact);
// The average time to the fact's right answers in milliseconds; -1 without one.
int FactMeanMs(const FactRecord& fact);
// Tenths of a second: "4.2", and with its unit, "4.2 s".
std::string TenthsText(int ms);
std::string SecondsText(int ms);
// What a fact's line tells after the fact itself; a narrow list keeps only what it is about,
// and FactShortMisses writes the misses in short.
enum FactLineParts { FactTime = 1, FactMisses = 2, FactTimeAndMisses = 3, FactShortMisses = 4 };
// "7 x 8  4.2 s  3 of 9 wrong" ("3/9 wrong" in short), with ", 1 skipped" when some were.
std::string FactLine(const FactRecord& fact, int parts = FactTimeAndMisses);

// part of whole in whole percent, rounded half up (51 of 63: 81); 0 of nothing is 0.
int RoundedPercent(int part, int whole);

// Up to count facts, slowest average first (facts with a timed answer only).
std::vector<const FactRecord*> SlowestFacts(const ProgressHistory& history, int count);
// Up to count facts missed (wrong or skipped) at least once, most misses first, then the
// higher share of misses.
std::vector<const FactRecord*> MostMissedFacts(const ProgressHistory& history, int count);

struct OperationFigures {
    int asked = 0;
    int right = 0;
    // The median over the operation's right answers, each fact's answers taken at its
    // average; -1 without one.
    int medianMs = -1;
};
OperationFigures FiguresFor(const ProgressHistory& history, std::uint8_t operation);

// A fact's place between fast and sure (0) and slow or often missed (1).
float FactDifficulty(const FactRecord& fact);
// Green through yellow to red for a difficulty; GridUnaskedColour for a fact never asked.
ColorRef DifficultyColour(float difficulty);
constexpr ColorRef GridUnaskedColour = 0xC0C0C0;
// The colour of a grid cell: operandA op operandB, grey when never asked.
ColorRef GridCellColour(const ProgressHistory& history, std::uint8_t operation, int operandA,
                        int operandB);

// The games the chart shows: the last ChartGames, oldest first.
constexpr int ChartGames = 30;
std::vector<const GameRecord*> ChartedGames(const ProgressHistory& history);
