// RoundSummary: what a calm round ends on. How many of its problems were answered right at
// the first try, the median time to the right answers, the slowest facts, the facts
// missed, each fact once, and the facts it made fluent. Plain C++.
#pragma once

#include <string>
#include <vector>

#include "progress/answer_recorder.h"
#include "text/translate.h"

// The most slow facts a summary names.
constexpr int SummarySlowFacts = 3;
// What leads the list of the facts a game made fluent, in English: what shows it translates it.
constexpr const char* NowFluentLead = TrMark("Now fluent:");

struct RoundSummary {
    int problems = 0;
    int rightFirstTry = 0;
    // Over the times to the right answers; -1 without one.
    int medianMs = -1;
    // "7 x 8  6.1 s", the slowest right answers first.
    std::vector<std::string> slowest;
    // "7 x 8", in the order missed.
    std::vector<std::string> missed;
    // "7 x 8", in the order they became fluent.
    std::vector<std::string> nowFluent;
};

// The figures of a round of problems from its recorder.
RoundSummary SummariseRound(const AnswerRecorder& answers, int problems);

// "14 of 20 right at the first try", in the shown language.
std::string RightFirstTryLine(const RoundSummary& summary);
// "Now fluent: 7 x 8, 6 x 9" in the shown language, every fact of nowFluent in order; empty
// for none.
std::string NowFluentLine(const std::vector<Problem>& nowFluent);
// lead, then the first count items joined by ", " ("Missed: 7 x 8, 6 x 7").
std::string ListLine(const char* lead, const std::vector<std::string>& items, std::size_t count);
