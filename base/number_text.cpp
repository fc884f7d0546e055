// Decimal text of signed 32-bit values, written from the magnitude as an unsigned number
// so the most negative int needs no special case, and read back with saturation.
#include "base/number_text.h"

#include <climits>

namespace {

// The white space atoi skips in the C locale.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void AppendDecimal(std::string& text, int value) {
    // Negating in unsigned arithmetic keeps INT_MIN's magnitude, which int cannot hold.
    unsigned int magnitude = static_cast<unsigned int>(value);
    if (value < 0) {
        text += '-';
        magnitude = 0u - magnitude;
    }
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0u);
    while (count > 0) {
        text += digits[--count];
    }
}

void SetDecimal(std::string& text, int value) {
    text.clear();
    AppendDecimal(text, value);
}

int ParseDecimal(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    while (IsBlank(*text)) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    // The magnitude may reach one more than INT_MAX (for INT_MIN); beyond that it stops
    // growing, so any run of digits saturates without overflow.
    const unsigned long long limit =
        static_cast<unsigned long long>(INT_MAX) + (negative ? 1u : 0u);
    unsigned long long magnitude = 0;
    for (; IsDigit(*text); ++text) {
        magnitude = magnitude * 10u + static_cast<unsigned long long>(*text - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    if (negative) {
        return magnitude > static_cast<unsigned long long>(INT_MAX) ? INT_MIN
                                                                    : -static_cast<int>(magnitude);
    }
    return static_cast<int>(magnitude);
}
