// Answer judging: an answer is submitted by typing as many digits as the result has, so
// judging needs only the result and the digits typed so far. There is no enter key.
#pragma once

#include <string>

enum class AnswerVerdict { Incomplete, Right, Wrong };

// Digits of a non-negative result: 5 above 9999, 4 above 999, 3 above 99, 2 above 9, else 1.
int RequiredDigits(int result);
// Incomplete while fewer digits than the result has are typed (nothing typed is incomplete
// too), Wrong when more are typed, otherwise Right or Wrong by value. A leading zero counts
// as a digit, and anything but a digit makes the answer wrong.
AnswerVerdict JudgeAnswer(int result, const std::string& typed);
