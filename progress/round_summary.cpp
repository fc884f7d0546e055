#include "progress/round_summary.h"

#include <algorithm>

#include "base/number_text.h"
#include "progress/progress_summary.h"
#include "text/translate.h"

namespace {

// The slowest right answer of each fact, slowest first (the earlier one on a tie); a
// missed fact is named among the misses instead.
std::vector<TimedAnswer> SlowestAnswers(const std::vector<TimedAnswer>& timed) {
    std::vector<TimedAnswer> slowest;
    for (const TimedAnswer& answer : timed) {
        if (!answer.right) {
            continue;
        }
        const auto same = std::find_if(slowest.begin(), slowest.end(), [&](const TimedAnswer& a) {
            return a.problem == answer.problem;
        });
        if (same == slowest.end()) {
            slowest.push_back(answer);
        } else if (answer.ms > same->ms) {
            same->ms = answer.ms;
        }
    }
    std::stable_sort(slowest.begin(), slowest.end(),
                     [](const TimedAnswer& a, const TimedAnswer& b) { return a.ms > b.ms; });
    return slowest;
}

std::vector<std::string> FactTexts(const std::vector<Problem>& facts) {
    std::vector<std::string> texts;
    for (const Problem& fact : facts) {
        texts.push_back(ProblemText(fact));
    }
    return texts;
}

std::vector<std::string> MissedFacts(const std::vector<Problem>& misses) {
    std::vector<std::string> missed;
    for (const Problem& problem : misses) {
        std::string text = ProblemText(problem);
        if (std::find(missed.begin(), missed.end(), text) == missed.end()) {
            missed.push_back(std::move(text));
        }
    }
    return missed;
}

} // namespace

RoundSummary SummariseRound(const AnswerRecorder& answers, int problems) {
    RoundSummary summary;
    summary.problems = problems;
    std::vector<int> times;
    for (const TimedAnswer& answer : answers.timed) {
        summary.rightFirstTry += answer.right ? 1 : 0;
        if (answer.ms >= 0) {
            times.push_back(answer.ms);
        }
    }
    summary.medianMs = times.empty() ? -1 : MedianMs(times);
    const std::vector<TimedAnswer> slowest = SlowestAnswers(answers.timed);
    for (std::size_t i = 0; i < slowest.size() && i < SummarySlowFacts; ++i) {
        summary.slowest.push_back(ProblemText(slowest[i].problem) + "  " +
                                  SecondsText(slowest[i].ms));
    }
    summary.missed = MissedFacts(answers.misses);
    summary.nowFluent = FactTexts(answers.nowFluent);
    return summary;
}

std::string NowFluentLine(const std::vector<Problem>& nowFluent) {
    const std::vector<std::string> facts = FactTexts(nowFluent);
    return facts.empty() ? std::string() : ListLine(Tr(NowFluentLead), facts, facts.size());
}

std::string RightFirstTryLine(const RoundSummary& summary) {
    return FormatText(Tr("{1} of {2} right at the first try"),
                      {std::to_string(summary.rightFirstTry), std::to_string(summary.problems)});
}

std::string ListLine(const char* lead, const std::vector<std::string>& items, std::size_t count) {
    std::string line = lead;
    for (std::size_t i = 0; i < items.size() && i < count; ++i) {
        line += i == 0 ? " " : ", ";
        line += items[i];
    }
    return line;
}
