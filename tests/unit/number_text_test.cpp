// Decimal text: writing signed values (zero, negatives, the int extremes) and reading
// lines back the way atoi does, saturating where atoi would overflow.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "base/number_text.h"

TEST(NumberText, AppendDecimalWritesSignAndDigitsAfterExistingText) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "0"},
                 {-5, "-5"},
                 {100, "100"},
                 {-1000, "-1000"},
                 {INT_MAX, "2147483647"},
                 {INT_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        std::string line = "Score: ";
        AppendDecimal(line, c.value);
        EXPECT_EQ(line, std::string("Score: ") + c.text);
    }
    std::string text = "Level 99999";
    SetDecimal(text, 3);
    EXPECT_EQ(text, "3") << "SetDecimal replaces what was there";
}

TEST(NumberText, ParseDecimalReadsInRangeLinesExactlyAsAtoi) {
    const char* lines[] = {"0",           "42",  "-17", "+8",  "  \t12",     "\v\f\r 7",
                           "12abc",       "abc", "",    "-",   "--5",        "- 5",
                           "007",         "3\n", "+0",  "1 2", "2147483647", "-2147483648",
                           "\x01\x02\x09"};
    for (const char* line : lines) {
        EXPECT_EQ(ParseDecimal(line), std::atoi(line)) << "line \"" << line << "\"";
    }
    EXPECT_EQ(ParseDecimal(nullptr), 0);
}

TEST(NumberText, ParseDecimalSaturatesBeyondTheIntRange) {
    EXPECT_EQ(ParseDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ParseDecimal("4294967297"), INT_MAX) << "must not wrap to 1";
    EXPECT_EQ(ParseDecimal(std::string(200, '9').c_str()), INT_MAX);
    EXPECT_EQ(ParseDecimal("-2147483649"), INT_MIN);
    EXPECT_EQ(ParseDecimal(("-" + std::string(150, '8')).c_str()), INT_MIN);
    EXPECT_EQ(ParseDecimal(("-" + std::string(40, '0') + "2").c_str()), -2)
        << "leading zeros do not count towards overflow";
}

TEST(NumberText, ParseDecimalReadsBackEveryWrittenValue) {
    // A sweep across the whole int range, both ends included.
    for (long long v = INT_MIN; v <= INT_MAX; v += 16777259LL) {
        std::string text;
        AppendDecimal(text, static_cast<int>(v));
        ASSERT_EQ(ParseDecimal(text.c_str()), v) << text;
    }
    EXPECT_EQ(ParseDecimal("2147483647"), INT_MAX);
}
