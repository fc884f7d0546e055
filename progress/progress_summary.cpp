#include "progress/progress_summary.h"

#include <algorithm>

#include "base/number_text.h"
#include "progress/fluency.h"
#include "progress/operations.h"
#include "text/translate.h"

namespace {

int Misses(const FactRecord& fact) {
    return fact.wrong + fact.skipped;
}

// The class by misses among answers (more than half: 4, some: 3), else by whether the
// right answers came within the threshold.
int ClassBy(int missed, int answers, bool quick) {
    if (2 * missed > answers) {
        return 4;
    }
    if (missed > 0) {
        return 3;
    }
    return quick ? 1 : 2;
}

// A fact kept before its recent answers were: its counts and average time.
int ClassByCounts(const FactRecord& fact, int limitMs) {
    if (fact.right == 0) {
        return 4;
    }
    const int mean = FactMeanMs(fact);
    return ClassBy(Misses(fact), fact.asked, mean >= 0 && mean <= limitMs);
}

} // namespace

std::string ProblemText(const Problem& problem) {
    std::string text;
    AppendDecimal(text, problem.operandA);
    text += ' ';
    text += static_cast<char>(problem.operation);
    text += ' ';
    AppendDecimal(text, problem.operandB);
    return text;
}

std::string FactText(const FactRecord& fact) {
    Problem problem;
    problem.operandA = fact.operandA;
    problem.operation = fact.operation;
    problem.operandB = fact.operandB;
    return ProblemText(problem);
}

namespace {

// "3 of 9 wrong" ("3/9 wrong" in short), with ", 1 skipped" when some were.
std::string MissesText(const FactRecord& fact, bool inShort) {
    static const char* const Patterns[2][2] = {
        // Translators: {1} wrong answers of a fact asked {2} times, {3} skipped.
        {TrMark("{1} of {2} wrong"), TrMark("{1} of {2} wrong, {3} skipped")},
        // Translators: the same in short, for a narrow list.
        {TrMark("{1}/{2} wrong"), TrMark("{1}/{2} wrong, {3} skipped")}};
    const char* pattern = Patterns[inShort ? 1 : 0][fact.skipped > 0 ? 1 : 0];
    return FormatText(Tr(pattern), {std::to_string(fact.wrong), std::to_string(fact.asked),
                                    std::to_string(fact.skipped)});
}

} // namespace

int FactMeanMs(const FactRecord& fact) {
    return fact.timed > 0 ? fact.totalMs / fact.timed : -1;
}

std::string TenthsText(int ms) {
    return TenthsText(ms, '.');
}

std::string TenthsText(int ms, char decimalMark) {
    const int tenths = (std::max(ms, 0) + 50) / 100;
    std::string text;
    AppendDecimal(text, tenths / 10);
    text += decimalMark;
    AppendDecimal(text, tenths % 10);
    return text;
}

std::string SecondsText(int ms) {
    return TenthsText(ms, DecimalMark()) + " s";
}

std::string FactLine(const FactRecord& fact, int parts) {
    std::string line = FactText(fact);
    const int mean = FactMeanMs(fact);
    if ((parts & FactTime) != 0 && mean >= 0) {
        line += "  " + SecondsText(mean);
    }
    if ((parts & FactMisses) == 0) {
        return line;
    }
    return line + "  " + MissesText(fact, (parts & FactShortMisses) != 0);
}

int RoundedPercent(int part, int whole) {
    if (whole <= 0) {
        return 0;
    }
    return static_cast<int>((200LL * part + whole) / (2LL * whole));
}

std::vector<const FactRecord*> SlowestFacts(const ProgressHistory& history, int count) {
    std::vector<const FactRecord*> facts;
    for (const FactRecord& fact : history.facts) {
        if (fact.timed > 0) {
            facts.push_back(&fact);
        }
    }
    std::stable_sort(facts.begin(), facts.end(), [](const FactRecord* a, const FactRecord* b) {
        return FactMeanMs(*a) > FactMeanMs(*b);
    });
    facts.resize(std::min(facts.size(), static_cast<std::size_t>(std::max(count, 0))));
    return facts;
}

std::vector<const FactRecord*> MostMissedFacts(const ProgressHistory& history, int count) {
    std::vector<const FactRecord*> facts;
    for (const FactRecord& fact : history.facts) {
        if (Misses(fact) > 0) {
            facts.push_back(&fact);
        }
    }
    std::stable_sort(facts.begin(), facts.end(), [](const FactRecord* a, const FactRecord* b) {
        if (Misses(*a) != Misses(*b)) {
            return Misses(*a) > Misses(*b);
        }
        // The higher share of misses: a/asked(a) > b/asked(b), without division.
        return static_cast<long long>(Misses(*a)) * b->asked >
               static_cast<long long>(Misses(*b)) * a->asked;
    });
    facts.resize(std::min(facts.size(), static_cast<std::size_t>(std::max(count, 0))));
    return facts;
}

OperationFigures FiguresFor(const ProgressHistory& history, std::uint8_t operation) {
    OperationFigures figures;
    std::vector<const FactRecord*> timed;
    long long answers = 0;
    for (const FactRecord& fact : history.facts) {
        if (fact.operation != operation) {
            continue;
        }
        figures.asked += fact.asked;
        figures.right += fact.right;
        if (fact.timed > 0) {
            timed.push_back(&fact);
            answers += fact.timed;
        }
    }
    std::sort(timed.begin(), timed.end(), [](const FactRecord* a, const FactRecord* b) {
        return FactMeanMs(*a) < FactMeanMs(*b);
    });
    // The lower middle answer, as MedianMs takes it.
    const long long middle = (answers - 1) / 2;
    long long passed = 0;
    for (const FactRecord* fact : timed) {
        passed += fact->timed;
        if (passed > middle) {
            figures.medianMs = FactMeanMs(*fact);
            break;
        }
    }
    return figures;
}

int GridClassOf(const FactRecord* fact, int fluentSeconds) {
    if (fact == nullptr || fact->asked == 0) {
        return -1;
    }
    if (IsFluent(*fact, fluentSeconds)) {
        return 0;
    }
    const int limitMs = fluentSeconds * 1000;
    if (fact->recent.empty()) {
        return ClassByCounts(*fact, limitMs);
    }
    const auto missed = std::count_if(fact->recent.begin(), fact->recent.end(),
                                      [](const RecentAnswer& answer) { return !answer.right; });
    const RecentAnswer& latest = fact->recent.back();
    return ClassBy(static_cast<int>(missed), static_cast<int>(fact->recent.size()),
                   latest.ms <= limitMs);
}

const FactRecord* GridCellFact(const ProgressHistory& history, std::uint8_t operation, int operandA,
                               int operandB) {
    const Problem shown = AsShown(Problem{operandA, operation, operandB});
    return history.FindFact(shown.operation, shown.operandA, shown.operandB);
}

ColorRef GridCellColour(const ProgressHistory& history, std::uint8_t operation, int operandA,
                        int operandB) {
    const int gridClass = GridClassOf(GridCellFact(history, operation, operandA, operandB),
                                      history.options.fluentSeconds);
    return gridClass < 0 ? GridUnaskedColour : GridClassColours[gridClass];
}

bool GridCellFluent(const ProgressHistory& history, std::uint8_t operation, int operandA,
                    int operandB) {
    const FactRecord* fact = GridCellFact(history, operation, operandA, operandB);
    return fact != nullptr && IsFluent(*fact, history.options.fluentSeconds);
}

std::string ShortDate(const std::string& when) {
    static const char* const Months[] = {
        // Translators: the months in short, as the score chart's dates show them ("8 Dec").
        TrMark("Jan"), TrMark("Feb"), TrMark("Mar"), TrMark("Apr"), TrMark("May"), TrMark("Jun"),
        // Translators: the months in short, as the score chart's dates show them ("8 Dec").
        TrMark("Jul"), TrMark("Aug"), TrMark("Sep"), TrMark("Oct"), TrMark("Nov"), TrMark("Dec")};
    // "YYYY-MM-DD": digits but for the two dashes.
    constexpr char Pattern[] = "0000-00-00";
    if (when.size() < sizeof Pattern - 1) {
        return std::string();
    }
    for (std::size_t i = 0; i + 1 < sizeof Pattern; ++i) {
        const bool digit = when[i] >= '0' && when[i] <= '9';
        if (Pattern[i] == '-' ? when[i] != '-' : !digit) {
            return std::string();
        }
    }
    const int month = (when[5] - '0') * 10 + (when[6] - '0');
    const int day = (when[8] - '0') * 10 + (when[9] - '0');
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return std::string();
    }
    return FormatText(TrIn("day and month", "{1} {2}"),
                      {std::to_string(day), Tr(Months[month - 1])});
}

std::vector<const GameRecord*> ChartedGames(const ProgressHistory& history) {
    std::vector<const GameRecord*> games;
    const std::size_t first =
        history.games.size() > ChartGames ? history.games.size() - ChartGames : 0;
    for (std::size_t i = first; i < history.games.size(); ++i) {
        games.push_back(&history.games[i]);
    }
    return games;
}
