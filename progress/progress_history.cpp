#include "progress/progress_history.h"

#include <algorithm>
#include <climits>

#include "progress/operations.h"

namespace {

void AddSaturating(int& total, int ms) {
    total = ms > INT_MAX - total ? INT_MAX : total + ms;
}

// Longest text kept in a game record: a date or an operations text is far shorter, and
// with it a full history always stays within the progress file's size limit.
constexpr std::size_t MaxGameTextBytes = 64;

// The line a file can hold: the text before any line feed, at most MaxGameTextBytes.
void KeepStorable(std::string& text) {
    text.resize(std::min({text.find('\n'), text.size(), MaxGameTextBytes}));
}

} // namespace

int ProgressHistory::BeginGame() {
    if (gamesPlayed < INT_MAX) {
        ++gamesPlayed;
    }
    return gamesPlayed;
}

const FactRecord* ProgressHistory::FindFact(std::uint8_t operation, int operandA,
                                            int operandB) const {
    for (const FactRecord& fact : facts) {
        if (fact.operation == operation && fact.operandA == operandA && fact.operandB == operandB) {
            return &fact;
        }
    }
    return nullptr;
}

FactRecord& ProgressHistory::FactFor(const Problem& problem, int gameNumber) {
    const FactRecord* found = FindFact(problem.operation, problem.operandA, problem.operandB);
    if (found != nullptr) {
        return facts[static_cast<std::size_t>(found - facts.data())];
    }
    if (facts.size() >= static_cast<std::size_t>(MaxProgressFacts)) {
        // The least recently seen goes; among equals, the one asked first.
        const auto oldest = std::min_element(
            facts.begin(), facts.end(),
            [](const FactRecord& a, const FactRecord& b) { return a.lastGame < b.lastGame; });
        facts.erase(oldest);
    }
    FactRecord fact;
    fact.operation = problem.operation;
    fact.operandA = problem.operandA;
    fact.operandB = problem.operandB;
    fact.lastGame = gameNumber;
    facts.push_back(fact);
    return facts.back();
}

void ProgressHistory::RecordFact(const Problem& problem, FactOutcome outcome, int ms,
                                 int gameNumber) {
    // A fact of any other operation would make progress.dat unreadable.
    if (!KnownOperation(problem.operation)) {
        return;
    }
    // A fact is never seen in a game not yet counted: the file's reader rejects that.
    gameNumber = std::clamp(gameNumber, 0, gamesPlayed);
    FactRecord& fact = FactFor(problem, gameNumber);
    if (fact.asked == INT_MAX) {
        return; // a count at its limit keeps the record consistent rather than wrapping
    }
    ++fact.asked;
    fact.lastGame = gameNumber;
    switch (outcome) {
    case FactOutcome::Right: ++fact.right; break;
    case FactOutcome::Wrong: ++fact.wrong; break;
    case FactOutcome::Skipped: ++fact.skipped; return;
    }
    const int time = std::clamp(ms, 0, MaxAnswerMs);
    AddSaturating(fact.totalMs, time);
    if (outcome == FactOutcome::Right && (fact.right == 1 || time < fact.bestMs)) {
        fact.bestMs = time;
    }
}

void ProgressHistory::RecordGame(const GameRecord& game) {
    // Kept within what the file's reader accepts, or the next start would set it aside.
    games.push_back(game);
    GameRecord& kept = games.back();
    kept.difficulty = std::clamp(kept.difficulty, 0, 2);
    kept.level = std::max(kept.level, 0);
    kept.right = std::max(kept.right, 0);
    kept.wrong = std::max(kept.wrong, 0);
    kept.medianMs = std::clamp(kept.medianMs, 0, MaxAnswerMs);
    KeepStorable(kept.when);
    KeepStorable(kept.operations);
    if (games.size() > static_cast<std::size_t>(MaxProgressGames)) {
        games.erase(games.begin(), games.end() - MaxProgressGames);
    }
}

int MedianMs(std::vector<int> times) {
    if (times.empty()) {
        return 0;
    }
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>((times.size() - 1) / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}
