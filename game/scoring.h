// Scoring arithmetic: points for a right answer by the whole seconds it took, the
// challenge's fixed points, and the clock bonus and penalty in milliseconds.
#pragma once

// What a right answer to the challenge scores, however long it took.
constexpr int ChallengePoints = 60;

// 11 minus the whole seconds taken since the problem began (referenceSeconds minus the
// seconds remaining now), limited to 1..10: 10 within the first second, 1 after ten or more.
int AnswerPoints(int remainingSeconds, int referenceSeconds);
// Time given back for a right answer; the challenge's bonus carries 2 ms more.
int BonusMilliseconds(int bonusSeconds, bool challenge);
// Time taken away for a wrong answer: penaltySeconds is negative, and so is the result.
int PenaltyMilliseconds(int penaltySeconds);
