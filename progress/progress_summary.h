// The figures the progress screen shows and the export writes, worked out from a
// history: each fact's text and average time, the slowest and the most often missed
// facts, accuracy and median time per operation, the class and colour of a fact in the table grid,
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
// Tenths of a second as files write them: "4.2".
std::string TenthsText(int ms);
// Tenths of a second with decimalMark between the seconds and the tenths.
std::string TenthsText(int ms, char decimalMark);
// A time as shown, with the shown language's decimal mark and the unit: "4.2 s", "4,2 s".
std::string SecondsText(int ms);
// What a fact's line tells after the fact itself; a narrow list keeps only what it is about,
// and FactShortMisses writes the misses in short.
enum FactLineParts { FactTime = 1, FactMisses = 2, FactTimeAndMisses = 3, FactShortMisses = 4 };
// "7 x 8  4.2 s  3 of 9 wrong" ("3/9 wrong" in short), with ", 1 skipped" when some were,
// in the shown language.
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

// The grid's five classes of fact, from fast and sure (0) to slow or unsure (4), in
// ColorBrewer's five-class RdYlBu, which readers with the common colour-vision
// deficiencies can still tell apart; grey for a fact never asked. Against the player's
// threshold (fluentSeconds):
//   0 fluent (IsFluent);
//   1 every recent answer right at the first try, the latest within the threshold;
//   2 every recent answer right at the first try, the latest slower: slow but right is
//     never coloured like a miss;
//   3 missed (wrong or skipped) in some recent answers, at most half of them;
//   4 missed in more than half the recent answers.
// A fact without recent answers (kept before they were) is judged by its counts in the
// same spirit: 4 when never right or missed in more than half its problems, 3 when missed
// in some, else 1 or 2 by its average time. A missed fact is never yellow or blue, and a
// fact answered right, however slowly, never orange or red.
constexpr int GridClassCount = 5;
constexpr ColorRef GridClassColours[GridClassCount] = {0xB67B2C, 0xE9D9AB, 0xBFFFFF, 0x61AEFD,
                                                       0x1C19D7};
constexpr ColorRef GridUnaskedColour = 0xC0C0C0;
// The class of a fact, -1 for one never asked (null).
int GridClassOf(const FactRecord* fact, int fluentSeconds);
// The fact of a grid cell: operandA op operandB as the game shows it; null when never asked.
const FactRecord* GridCellFact(const ProgressHistory& history, std::uint8_t operation, int operandA,
                               int operandB);
// The colour of a grid cell at the history's threshold, grey when never asked.
ColorRef GridCellColour(const ProgressHistory& history, std::uint8_t operation, int operandA,
                        int operandB);
// Whether the fact of a grid cell is fluent at the history's threshold.
bool GridCellFluent(const ProgressHistory& history, std::uint8_t operation, int operandA,
                    int operandB);

// A game's date in short, as the chart's time axis shows it: "8 Dec" for
// "2026-12-08 19:52"; empty when the text does not start with a date.
std::string ShortDate(const std::string& when);

// The games the chart shows: the last ChartGames, oldest first.
constexpr int ChartGames = 30;
std::vector<const GameRecord*> ChartedGames(const ProgressHistory& history);
