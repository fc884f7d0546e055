// Fonts for layout tests: a Font with no GDI font behind it whose metrics the test chooses,
// so layouts and control sizes can be worked out by hand whatever the system's fonts
// measure. Such a font lays out and draws symbols like a real one but draws no glyphs.
#pragma once

#include "text/font.h"
#include "text/text.h"

// Every code advance pixels wide but the space, space wide, and the symbol codes 0x80 to
// 0xFF, one and a half times advance; with the given ascent and baseline shift.
inline Font MetricFont(int advance, int space, int ascent, int shift) {
    int widths[256];
    for (int code = 0; code < 256; ++code) {
        widths[code] = code < 0x80 ? advance : advance + (advance >> 1);
    }
    widths[' '] = space;
    return Font::FromMetrics(widths, ascent, shift);
}

// A MetricFont that is the current font while it lives (a font dying while current stops
// being current).
class CurrentMetricFont {
  public:
    CurrentMetricFont(int advance, int space, int ascent, int shift)
        : font(MetricFont(advance, space, ascent, shift)) {
        SetCurrentFont(&font);
    }

    Font font;
};
