// Windows-1252 and the turn from UTF-8 into a page's bytes, plus the table of which high
// bytes styled text draws as letters.
#include "text/code_page.h"

namespace {

// The drawn signs with a meaning of their own (the E-shaped sign, the degree ring, the square
// root, the right arrow and the division sign) stay symbols in every language.
constexpr unsigned char LastKeptSymbolCode = 0x89;

bool LetterCodes[256] = {};

const CodePage Page1252 = {
    1252,
    {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
     0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
     0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
     0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
     0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
     0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
     0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
     0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
     0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
     0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF}};

constexpr char32_t DivisionSign = 0x00F7;
constexpr char32_t Malformed = 0xFFFFFFFF;

// The number of continuation bytes a lead byte announces, or -1 for a byte that cannot
// start a character.
int ContinuationCount(unsigned char lead) {
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return -1;
}

// The character starting at utf8[i], moving i past it; Malformed for a bad sequence (i then
// moves past its lead byte only, so the rest is read again).
char32_t NextCharacter(const std::string& utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    const int count = ContinuationCount(lead);
    if (count <= 0) {
        return count == 0 ? lead : Malformed;
    }
    char32_t value = lead & (0x3F >> count);
    std::size_t j = i;
    for (int k = 0; k < count; ++k, ++j) {
        if (j >= utf8.size() || (static_cast<unsigned char>(utf8[j]) & 0xC0) != 0x80) {
            return Malformed;
        }
        value = (value << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
    }
    const char32_t smallest[4] = {0, 0x80, 0x800, 0x10000};
    if (value < smallest[count] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return Malformed;
    }
    i = j;
    return value;
}

char ByteOf(char32_t character, const CodePage& page) {
    if (character < 0x80) {
        return static_cast<char>(character);
    }
    if (character == DivisionSign) {
        return static_cast<char>(DivisionSignCode);
    }
    for (int k = 0; k < 128; ++k) {
        if (page.high[k] != 0 && page.high[k] == character) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

} // namespace

const CodePage& Windows1252() {
    return Page1252;
}

std::string FromUtf8(const std::string& utf8, const CodePage& page) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t character = NextCharacter(utf8, i);
        bytes += character == Malformed ? '?' : ByteOf(character, page);
    }
    return bytes;
}

void SetLetterCodePage(const CodePage* page) {
    for (int code = 0x80; code < 256; ++code) {
        LetterCodes[code] = page != nullptr && code > LastKeptSymbolCode &&
                            page->high[code - 0x80] != 0 && page->high[code - 0x80] != DivisionSign;
    }
}

bool IsLetterCode(unsigned char code) {
    return LetterCodes[code];
}
