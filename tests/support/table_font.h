// Fonts for layout tests: a Font with no GDI font behind it whose advance widths the test
// chooses, so layouts can be worked out by hand whatever the system's fonts measure.
// Such a font lays out and draws symbols like a real one but draws no glyphs.
#pragma once

#include "text/font.h"

// Every code Advance pixels wide (the symbol codes 0x80 to 0xFF one and a half times that),
// with the given ascent and baseline shift.
inline Font UniformFont(int advance, int ascent, int shift) {
    int widths[256];
    for (int code = 0; code < 256; ++code) {
        widths[code] = code < 0x80 ? advance : advance + (advance >> 1);
    }
    return Font::FromMetrics(widths, ascent, shift);
}
