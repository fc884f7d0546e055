#include "game/review_round.h"

namespace {

// Wrong tries at a review problem before its answer is shown, so no child is stuck on it.
constexpr int TriesBeforeReveal = 2;

} // namespace

void ReviewRound::Start(const std::vector<Problem>& missed) {
    problems = missed;
    position = 0;
    wrongTries = 0;
}

void ReviewRound::End() {
    problems.clear();
    position = 0;
    wrongTries = 0;
}

const Problem* ReviewRound::Next() const {
    return position + 1 < problems.size() ? &problems[position + 1] : nullptr;
}

bool ReviewRound::Pass() {
    if (Active()) {
        ++position;
    }
    wrongTries = 0;
    return Active();
}

bool ReviewRound::Wrong() {
    return ++wrongTries >= TriesBeforeReveal;
}
