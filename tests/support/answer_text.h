// What tests type for a problem: its result, or a reply of the same length that is not it
// (the first digit moved on by one, so no leading zero and no early verdict).
#pragma once

#include <string>

#include "game/answer_check.h"

inline std::string RightAnswerText(const Problem& problem) {
    return std::to_string(ProblemResult(problem));
}

inline std::string WrongAnswerText(const Problem& problem) {
    std::string typed = RightAnswerText(problem);
    typed[0] = typed[0] == '9' ? '1' : static_cast<char>(typed[0] + 1);
    return typed;
}
