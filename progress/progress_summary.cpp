#include "progress/progress_summary.h"

#include <algorithm>

#include "base/number_text.h"
#include "progress/operations.h"

namespace {

// Average answers at or under FastMs look green, at or over SlowMs red; a fact missed in
// half its problems or more is red too.
constexpr int FastMs = 2000;
constexpr int SlowMs = 6000;

int Misses(const FactRecord& fact) {
    return fact.wrong + fact.skipped;
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

int FactMeanMs(const FactRecord& fact) {
    return fact.timed > 0 ? fact.totalMs / fact.timed : -1;
}

std::string TenthsText(int ms) {
    const int tenths = (std::max(ms, 0) + 50) / 100;
    std::string text;
    AppendDecimal(text, tenths / 10);
    text += '.';
    AppendDecimal(text, tenths % 10);
    return text;
}

std::string SecondsText(int ms) {
    return TenthsText(ms) + " s";
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
    line += "  ";
    AppendDecimal(line, fact.wrong);
    line += (parts & FactShortMisses) != 0 ? "/" : " of ";
    AppendDecimal(line, fact.asked);
    line += " wrong";
    if (fact.skipped > 0) {
        line += ", ";
        AppendDecimal(line, fact.skipped);
        line += " skipped";
    }
    return line;
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

float FactDifficulty(const FactRecord& fact) {
    if (fact.asked <= 0) {
        return 0.0f;
    }
    const float missed = 2.0f * static_cast<float>(Misses(fact)) / static_cast<float>(fact.asked);
    const int mean = FactMeanMs(fact);
    const float slow =
        mean < 0 ? 0.0f : static_cast<float>(mean - FastMs) / static_cast<float>(SlowMs - FastMs);
    return std::clamp(std::max(missed, slow), 0.0f, 1.0f);
}

ColorRef DifficultyColour(float difficulty) {
    constexpr ColorRef Green = 0x46B03C;
    constexpr ColorRef Yellow = 0x32D2F0;
    constexpr ColorRef Red = 0x282DD7;
    const float t = std::clamp(difficulty, 0.0f, 1.0f);
    return t < 0.5f ? BlendColour(Green, Yellow, 2.0f * t)
                    : BlendColour(Yellow, Red, 2.0f * t - 1.0f);
}

ColorRef GridCellColour(const ProgressHistory& history, std::uint8_t operation, int operandA,
                        int operandB) {
    const FactRecord* fact = history.FindFact(operation, operandA, operandB);
    if (fact == nullptr || fact->asked == 0) {
        return GridUnaskedColour;
    }
    return DifficultyColour(FactDifficulty(*fact));
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
