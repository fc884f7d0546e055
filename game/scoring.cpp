// Scoring arithmetic for right and wrong answers.
#include "game/scoring.h"

namespace {
// Points for the fastest answer; one fewer per whole second taken, never below the least.
constexpr int MostAnswerPoints = 10;
constexpr int LeastAnswerPoints = 1;
// The challenge's extra milliseconds of bonus.
constexpr int ChallengeBonusExtraMs = 2;
} // namespace

int AnswerPoints(int remainingSeconds, int referenceSeconds) {
    const int secondsTaken = referenceSeconds - remainingSeconds;
    const int points = MostAnswerPoints + 1 - secondsTaken;
    if (points > MostAnswerPoints) {
        return MostAnswerPoints;
    }
    return points < LeastAnswerPoints ? LeastAnswerPoints : points;
}

int BonusMilliseconds(int bonusSeconds, bool challenge) {
    return bonusSeconds * 1000 + (challenge ? ChallengeBonusExtraMs : 0);
}

int PenaltyMilliseconds(int penaltySeconds) {
    return penaltySeconds * 1000;
}
