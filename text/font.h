// Font: one GDI font made from a face name and a pixel size, with everything layout needs
// kept in tables so measuring never asks GDI again: the ascent (used as the font height),
// half the descent as a baseline correction, the space width and 256 advance widths. Codes
// 0x80 to 0xFF are the program's own drawn symbols; they all measure one and a half average
// character widths, except in plain text (names typed with accented letters) and the letters
// of a shown translation (text/code_page.h), which are measured with the glyphs' own widths. Each
// font owns the buffer its styled draws lay glyphs out in.
#pragma once

#include <cstdint>
#include <memory>

#include "base/color.h"
#include "base/platform_types.h"
#include "text/text_style.h"

// One laid-out glyph of a styled draw.
struct LayoutRecord {
    // Cell left and top, before the baseline correction.
    std::int32_t x;
    std::int32_t y;
    // The advance plus 1.
    std::int32_t width;
    std::uint32_t colour;
    // The byte to draw; a record whose code is 0 ends the drawing pass.
    std::uint8_t code;
};

// Glyph records one styled draw can hold; longer texts are cut there silently.
constexpr int LayoutCapacity = 2056;
// Number of characters after which styled layout may wrap a line.
constexpr int BreakCharCount = 12;
// First of the byte codes drawn as the program's own symbols.
constexpr int FirstSymbolCode = 0x80;

class Font {
  public:
    // Creates the GDI font and measures all 256 codes. size is the character height in pixels.
    Font(const char* faceName, int size);
    // A font with no GDI font behind it whose metrics are given: it lays text out and draws
    // symbols exactly as a real one, but draws no glyphs. spaceWidth is widths[32].
    static Font FromMetrics(const int (&advanceWidths)[256], int ascent, int shift);
    // Gives back what Destroy has not; a font dying while current stops being current.
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Deletes the GDI font and frees the layout buffer; the owner calls it before deleting.
    void Destroy();
    // The advance width of code & 0xFF: the glyph's own for a letter of the shown language's
    // code page (IsLetterCode), else the widths entry.
    int CharWidth(int code) const;
    int Height() const;
    // Sum of the bytes' CharWidth (0 for an empty or null text).
    int MeasureText(const char* text) const;
    // Sum of the glyphs' own widths, codes 0x80 to 0xFF as the letters DrawString draws.
    int MeasurePlain(const char* text) const;
    // With fixed-advance layout one cell per byte (half a cell for a space), else MeasureText.
    int MeasureStyled(const char* text, const TextStyle& style) const;
    // The cell width of fixed-advance layout; the program's fonts use the width of "0".
    void SetFixedAdvance(int width);
    // One colour, no markup, no wrapping, no symbols; the glyph cells' top is at
    // y - baselineShift. Returns whether GDI drew (false without a surface).
    bool DrawString(const char* text, int x, int y, ColorRef colour);
    // DrawString of the one-byte string made of code.
    void DrawChar(int code, int x, int y, ColorRef colour);
    // Looks up a whole colour tag such as "[red]"; "[/]" gives defaultColour. False, with
    // out untouched, for an unknown tag.
    bool TagColour(const char* tag, ColorRef defaultColour, ColorRef* out) const;
    // Lays the text out into layoutBuffer from (x, y) and sets layoutCount and *lines.
    // Returns the text's byte length; 0 for an empty text or without a layout buffer.
    int Layout(const char* text, int x, int y, const TextStyle& style, int* lines);
    // Draws symbol code (0x80 to 0xFF) from primitives with its cell top-left at (x, y).
    void DrawSymbol(int code, int x, int y, ColorRef colour);
    // Aligns, lays out and draws styled text; returns the line count (1 for an empty text,
    // which leaves the style's out fields alone).
    int DrawStyled(const char* text, int x, int y, TextStyle& style);

    GdiObject handle = nullptr;
    // The ascent: what the whole program means by the font height and the line advance.
    int height = 0;
    int spaceWidth = 0;
    int widths[256] = {};
    // GDI's widths of all 256 codes, before the symbols take 0x80 to 0xFF.
    int glyphWidths[256] = {};
    // Half the descent: glyph cells are drawn this much above the y callers give.
    int baselineShift = 0;
    char breakChars[BreakCharCount] = {};
    int breakCharCount = 0;
    // LayoutCapacity records, allocated with the font; null when that failed, and then
    // styled draws draw nothing.
    std::unique_ptr<LayoutRecord[]> layoutBuffer;
    // Records the last layout filled.
    int layoutCount = 0;
    // True only while a fixed-advance layout runs inside DrawStyled.
    bool fixedMode = false;
    int fixedAdvance = 0;
    // The pixel size the font was made at.
    int pixelSize = 0;

  private:
    // Resets the fields and allocates the layout buffer, without a GDI font.
    Font();
    Font(const int (&advanceWidths)[256], int ascent, int shift);
    // Measures all 256 codes with GDI on the measuring context (font_win32.cpp).
    void CreateGdiFont(const char* faceName, int size);
    void DeleteGdiFont();
    // Draws the laid-out records: glyphs through GDI, symbols from primitives.
    void DrawRecords();
    // Puts this font into SurfaceDC for a run of glyphs; returns what it replaced.
    GdiObject SelectIntoSurface() const;
    void RestoreSurfaceFont(GdiObject previous) const;
    // One colour run of glyphs with the cells' top at y - baselineShift; false when no
    // surface or no GDI font.
    bool OutputGlyphs(const char* text, int length, int x, int y, ColorRef colour) const;
};

// The device context fonts are measured on when made: the main window's, given by the
// application while its window exists; null (the default) measures on the screen.
void SetFontMeasuringContext(DeviceContext context);
DeviceContext FontMeasuringContext();

// A font whose fixed-advance cell is the width of "0", as the program's fonts use for
// numbers; null when it cannot be made.
Font* MakeDigitFont(const char* faceName, int size);
// Replaces font with one of the same face at pixelSize, keeping it current if it was; the
// old font stays when the new one cannot be made. Nothing changes at the same size.
void ResizeDigitFont(Font*& font, const char* faceName, int pixelSize);
