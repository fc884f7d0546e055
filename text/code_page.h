// The single-byte code pages shown text is drawn in. The program's strings are bytes: below
// 0x80 they are ASCII, and from 0x80 they are the program's own drawn symbols (the division
// sign among them) unless a translation is shown, whose code page then makes them letters.
// Catalogues are kept in UTF-8 and turned into the page's bytes as they are read. Windows-1252
// is the one page today; a language of another page adds its table here.
#pragma once

#include <string>

struct CodePage {
    int number; // the Windows code page number, 1252
    // The character of each byte from 0x80 to 0xFF; 0 where the page has none.
    char16_t high[128];
};

const CodePage& Windows1252();

// The byte code of the division sign in every text the program shows: a drawn symbol, in
// every code page. "\xC3\xB7" (U+00F7) in a catalogue becomes this byte.
constexpr unsigned char DivisionSignCode = 0x89;

// The bytes of utf8 in page: each character the page has becomes its byte, the division sign
// becomes DivisionSignCode, and a character the page lacks (or a malformed sequence) becomes
// "?".
std::string FromUtf8(const std::string& utf8, const CodePage& page);

// Makes page's characters letters when drawn in styled text: from then on a byte of the page
// is laid out with the glyph's own width and drawn by the font, except the program's drawn
// signs in 0x80 to 0x89 (the division sign among them), which stay symbols. Null goes back to
// every byte from 0x80 being a symbol.
void SetLetterCodePage(const CodePage* page);
// Whether styled text draws code as a letter of the current code page rather than a symbol.
bool IsLetterCode(unsigned char code);
