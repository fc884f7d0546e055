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

void AddTime(FactRecord& fact, int ms) {
    if (fact.timed == INT_MAX) {
        return;
    }
    const int time = std::clamp(ms, 0, MaxAnswerMs);
    AddSaturating(fact.totalMs, time);
    ++fact.timed;
    if (fact.timed == 1 || time < fact.bestMs) {
        fact.bestMs = time;
    }
}

void KeepRecent(FactRecord& fact, RecentAnswer answer) {
    if (fact.recent.size() >= static_cast<std::size_t>(RecentAnswerCount)) {
        fact.recent.erase(fact.recent.begin());
    }
    fact.recent.push_back(answer);
}

} // namespace

bool operator==(const ProgressOptions& a, const ProgressOptions& b) {
    return a.weakFacts == b.weakFacts && a.showAnswer == b.showAnswer && a.facts == b.facts &&
           a.fluentSeconds == b.fluentSeconds;
}

bool operator!=(const ProgressOptions& a, const ProgressOptions& b) {
    return !(a == b);
}

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

FactRecord* ProgressHistory::Find(const Problem& problem) {
    const FactRecord* found = FindFact(problem.operation, problem.operandA, problem.operandB);
    return found == nullptr ? nullptr : &facts[static_cast<std::size_t>(found - facts.data())];
}

FactRecord& ProgressHistory::FactFor(const Problem& problem, int gameNumber) {
    FactRecord* found = Find(problem);
    if (found != nullptr) {
        return *found;
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
    case FactOutcome::Right:
        ++fact.right;
        AddTime(fact, ms);
        KeepRecent(fact, {std::clamp(ms, 0, MaxAnswerMs), true});
        break;
    case FactOutcome::Wrong:
        ++fact.wrong;
        KeepRecent(fact, {});
        break;
    case FactOutcome::Skipped:
        ++fact.skipped;
        KeepRecent(fact, {});
        break;
    }
}

void ProgressHistory::RecordLateRight(const Problem& problem, int ms) {
    FactRecord* fact = Find(problem);
    // Only a problem already counted wrong is timed late, and never more often than that.
    if (fact != nullptr && fact->timed < static_cast<long long>(fact->right) + fact->wrong) {
        AddTime(*fact, ms);
    }
}

bool ProgressHistory::EarnMilestone(const Milestone& milestone) {
    const bool kept = std::any_of(milestones.begin(), milestones.end(), [&](const Milestone& m) {
        return m.operation == milestone.operation && m.number == milestone.number;
    });
    if (kept || milestones.size() >= static_cast<std::size_t>(MaxMilestones)) {
        return false;
    }
    milestones.push_back(milestone);
    KeepStorable(milestones.back().date);
    return true;
}

void ProgressHistory::RecordGame(const GameRecord& game) {
    // Kept within what the file's reader accepts, or the next start would set it aside.
    games.push_back(game);
    GameRecord& kept = games.back();
    kept.number = std::clamp(kept.number, 0, gamesPlayed);
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
