// Answer judging: digit counts and the comparison of the typed digits with the result.
#include "game/answer_check.h"

int RequiredDigits(int result) {
    if (result > 9999) {
        return 5;
    }
    if (result > 999) {
        return 4;
    }
    if (result > 99) {
        return 3;
    }
    return result > 9 ? 2 : 1;
}

AnswerVerdict JudgeAnswer(int result, const std::string& typed) {
    const auto required = static_cast<std::size_t>(RequiredDigits(result));
    if (typed.size() < required) {
        return AnswerVerdict::Incomplete;
    }
    if (typed.size() > required) {
        return AnswerVerdict::Wrong;
    }
    // At most five digits here, so the value cannot overflow.
    int value = 0;
    for (const char c : typed) {
        if (c < '0' || c > '9') {
            return AnswerVerdict::Wrong;
        }
        value = value * 10 + (c - '0');
    }
    return value == result ? AnswerVerdict::Right : AnswerVerdict::Wrong;
}
