// Font: the width-table arithmetic and the font's life; the GDI side (creating and measuring
// the font, glyph output into SurfaceDC) is in font_win32.cpp.
#include "text/font.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "text/code_page.h"
#include "text/text.h"

namespace {

// The characters after which styled layout may wrap, in the order layout tries them.
constexpr char BreakChars[BreakCharCount] = {' ', '{', '}', '+', '-',  '*',
                                             '^', '(', ')', ',', '\\', '/'};
// Where fonts are measured when made; null: on the screen.
DeviceContext MeasuringContext = nullptr;

int SumOfWidths(const int (&table)[256], const char* text) {
    int total = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        total += table[static_cast<unsigned char>(*p)];
    }
    return total;
}

int SumOfAdvances(const Font& font, const char* text) {
    int total = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        total += font.CharWidth(static_cast<unsigned char>(*p));
    }
    return total;
}

} // namespace

void SetFontMeasuringContext(DeviceContext context) {
    MeasuringContext = context;
}

DeviceContext FontMeasuringContext() {
    return MeasuringContext;
}

Font::Font() : layoutBuffer(new (std::nothrow) LayoutRecord[LayoutCapacity]) {
    std::copy(BreakChars, BreakChars + BreakCharCount, breakChars);
    breakCharCount = BreakCharCount;
}

Font::Font(const char* faceName, int size) : Font() {
    pixelSize = size;
    CreateGdiFont(faceName, size);
}

Font::Font(const int (&advanceWidths)[256], int ascent, int shift) : Font() {
    std::copy(advanceWidths, advanceWidths + 256, widths);
    std::copy(advanceWidths, advanceWidths + 256, glyphWidths);
    height = ascent;
    baselineShift = shift;
    spaceWidth = widths[int{' '}];
}

Font Font::FromMetrics(const int (&advanceWidths)[256], int ascent, int shift) {
    return Font(advanceWidths, ascent, shift);
}

Font::~Font() {
    Destroy();
    if (CurrentFont() == this) {
        ResetCurrentFont(); // a dangling current font would be drawn with next frame
    }
}

void Font::Destroy() {
    DeleteGdiFont();
    layoutBuffer.reset();
    layoutCount = 0;
}

int Font::CharWidth(int code) const {
    const auto byte = static_cast<unsigned char>(code & 0xFF);
    return IsLetterCode(byte) ? glyphWidths[byte] : widths[byte];
}

int Font::Height() const {
    return height;
}

int Font::MeasureText(const char* text) const {
    return SumOfAdvances(*this, text);
}

int Font::MeasurePlain(const char* text) const {
    return SumOfWidths(glyphWidths, text);
}

int Font::MeasureStyled(const char* text, const TextStyle& style) const {
    if (!style.fixedAdvanceLayout) {
        return MeasureText(text);
    }
    int total = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        total += *p == ' ' ? fixedAdvance >> 1 : fixedAdvance;
    }
    return total;
}

void Font::SetFixedAdvance(int width) {
    fixedAdvance = width;
}

bool Font::DrawString(const char* text, int x, int y, ColorRef colour) {
    if (text == nullptr) {
        return false;
    }
    const GdiObject previous = SelectIntoSurface();
    const bool drawn = OutputGlyphs(text, static_cast<int>(std::strlen(text)), x, y, colour);
    RestoreSurfaceFont(previous);
    return drawn;
}

void Font::DrawChar(int code, int x, int y, ColorRef colour) {
    const char text[2] = {static_cast<char>(code), '\0'};
    DrawString(text, x, y, colour);
}

Font* MakeDigitFont(const char* faceName, int pixelSize) {
    Font* font = new (std::nothrow) Font(faceName, pixelSize);
    if (font != nullptr) {
        font->SetFixedAdvance(font->CharWidth('0'));
    }
    return font;
}

void ResizeDigitFont(Font*& font, const char* faceName, int pixelSize) {
    if (font != nullptr && font->pixelSize == pixelSize) {
        return;
    }
    Font* resized = MakeDigitFont(faceName, pixelSize);
    if (resized == nullptr) {
        return;
    }
    if (font != nullptr) {
        if (CurrentFont() == font) {
            SetCurrentFont(resized);
        }
        font->Destroy();
        delete font;
    }
    font = resized;
}
