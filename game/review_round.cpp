#include "game/review_round.h"

void ReviewRound::Start(const std::vector<Problem>& missed) {
    problems = missed;
    position = 0;
}

void ReviewRound::End() {
    problems.clear();
    position = 0;
}

const Problem* ReviewRound::Next() const {
    return position + 1 < problems.size() ? &problems[position + 1] : nullptr;
}

bool ReviewRound::Pass() {
    if (Active()) {
        ++position;
    }
    return Active();
}
