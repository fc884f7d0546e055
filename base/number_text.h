// Decimal text of integers for scores, levels, problem numbers, the clock and the data
// files: a "-" for negative values, then the digits, no leading zeros and no padding; and
// the reverse, read the way the C library's atoi reads but without its overflow.
#pragma once

#include <string>

// Appends the decimal text of value to text.
void AppendDecimal(std::string& text, int value);
// Replaces text with the decimal text of value.
void SetDecimal(std::string& text, int value);
// Reads like atoi: leading white space, an optional sign, then digits up to the first
// other character; 0 when there are none. Values beyond the int range saturate at
// INT_MAX or INT_MIN instead of overflowing.
int ParseDecimal(const char* text);
