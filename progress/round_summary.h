// RoundSummary: what a calm round ends on. How many of its problems were answered right at
// the first try, the median time to the right answers, the slowest facts and the facts
// missed, each fact once. Plain C++.
#pragma once

#include <string>
#include <vector>

#include "progress/answer_recorder.h"

// The most slow facts a summary names.
constexpr int SummarySlowFacts = 3;

struct RoundSummary {
    int problems = 0;
    int rightFirstTry = 0;
    // Over the times to the right answers; -1 without one.
    int medianMs = -1;
    // "7 x 8  6.1 s", the slowest right answers first.
    std::vector<std::string> slowest;
    // "7 x 8", in the order missed.
    std::vector<std::string> missed;
};

// The figures of a round of problems from its recorder.
RoundSummary SummariseRound(const AnswerRecorder& answers, int problems);

// "14 of 20 right at the first try".
std::string RightFirstTryLine(const RoundSummary& summary);
// lead, then the first count items joined by ", " ("Missed: 7 x 8, 6 x 7").
std::string ListLine(const char* lead, const std::vector<std::string>& items, std::size_t count);
