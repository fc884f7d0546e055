// The program-wide current font and the text operations everything draws text with:
// plain strings, styled text (see Font::DrawStyled), and the font-height arithmetic that
// layouts space themselves by. Without a current font every operation does nothing and
// returns 0. The current font is borrowed: its owner keeps it alive while it is current.
#pragma once

#include "text/font.h"
#include "text/text_style.h"

// Makes font current; a null font is ignored and the previous one stays.
void SetCurrentFont(Font* font);
// Leaves no current font (the Application constructor starts from here).
void ResetCurrentFont();
Font* CurrentFont();

// The current font's DrawString: one colour, no markup, no wrapping, no symbols.
void DrawPlainText(const char* text, int x, int y, ColorRef colour);
// The current font's DrawStyled; the number of lines drawn (1 for an empty text).
int DrawText(const char* text, int x, int y, TextStyle& style);
// The current font's height (its ascent).
int FontHeight();
int SpaceWidth();
// A multiple of the font height h for spacing layouts: (h << (|a| - 1)), negated when a < 0,
// plus h >> |b| (of -h when b < 0); each term is 0 when its argument is 0. So (1, 0) is h,
// (3, 0) is 4h, (0, 1) is h >> 1 and (1, 1) is h + (h >> 1).
int FontHeightMultiple(int a, int b);
// The current font's MeasureText.
int TextWidth(const char* text);
// The current font's MeasurePlain: the width DrawPlainText gives text.
int PlainTextWidth(const char* text);

// The width styled layout wraps against and the height it stops at when the clip rectangle
// has none: the drawing surface's size (the back buffer has the client size in every frame),
// unless a test has set its own.
int LayoutViewportWidth();
int LayoutViewportHeight();
// Test seam, off by default: a width and height that replace the surface size for layout;
// (0, 0) goes back to the surface.
void SetLayoutViewportForTests(int width, int height);

// Where one DrawPlainText or DrawText put its text: the left and top of its first line
// and the width and height its lines take, a font height per line (the glyph cells reach
// the font's baselineShift beyond that band, above and below).
struct TextRun {
    const char* text;
    int x;
    int y;
    int width;
    int height;
};
// Test seam, off by default: told of every text draw that lays out at least one glyph,
// after it is drawn, so layout tests can see where each text went.
using TextObserver = void (*)(const TextRun& run);
void SetTextObserver(TextObserver observer);
