// Font: GDI font creation and measuring, the width-table arithmetic, and plain glyph output
// into SurfaceDC. The font is selected into a device context only for as long as one call
// needs it and the previous font is put back, so no context is left holding it when the
// owner deletes it.
#include "text/font.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "app/application.h"
#include "base/platform_win32.h"
#include "render/surface.h"
#include "text/text.h"

namespace {

// The characters after which styled layout may wrap, in the order layout tries them.
constexpr char BreakChars[BreakCharCount] = {' ', '{', '}', '+', '-',  '*',
                                             '^', '(', ')', ',', '\\', '/'};
// Character set asked of GDI; face substitution picks the real one.
constexpr BYTE FontCharSet = 144;

HDC Surface() {
    return static_cast<HDC>(SurfaceDC);
}

LOGFONTA DescribeFont(const char* faceName, int pixelSize) {
    LOGFONTA description = {};
    description.lfHeight = -pixelSize; // negative: the character height, not the cell height
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = FontCharSet;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = ANTIALIASED_QUALITY;
    description.lfPitchAndFamily = 0;
    if (faceName != nullptr) {
        std::strncpy(description.lfFaceName, faceName, LF_FACESIZE - 1);
    }
    return description;
}

} // namespace

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
    height = ascent;
    baselineShift = shift;
    spaceWidth = widths[' '];
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

void Font::CreateGdiFont(const char* faceName, int size) {
    HWND window = static_cast<HWND>(GetMainWindow());
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        window = nullptr; // no usable window (none yet, or already gone): measure on the screen
        dc = GetDC(nullptr);
    }
    const LOGFONTA description = DescribeFont(faceName, size);
    const HFONT font = CreateFontIndirectA(&description);
    const HGDIOBJ previous = SelectObject(dc, font);

    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    height = metrics.tmHeight - metrics.tmDescent;
    baselineShift = metrics.tmDescent >> 1;
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        SIZE extent = {};
        GetTextExtentPoint32A(dc, &c, 1, &extent);
        widths[code] = extent.cx;
    }
    // The symbol codes are drawn by the program, whatever glyphs GDI has for them.
    const int symbolWidth = metrics.tmAveCharWidth + (metrics.tmAveCharWidth >> 1);
    std::fill(widths + FirstSymbolCode, widths + 256, symbolWidth);

    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    handle = font;
    spaceWidth = widths[' '];
}

void Font::Destroy() {
    if (handle != nullptr) {
        DeleteObject(static_cast<HGDIOBJ>(handle));
        handle = nullptr;
    }
    layoutBuffer.reset();
    layoutCount = 0;
}

int Font::CharWidth(int code) const {
    return widths[code & 0xFF];
}

int Font::Height() const {
    return height;
}

int Font::MeasureText(const char* text) const {
    int total = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        total += widths[static_cast<unsigned char>(*p)];
    }
    return total;
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

GdiObject Font::SelectIntoSurface() const {
    if (Surface() == nullptr || handle == nullptr) {
        return nullptr;
    }
    return SelectObject(Surface(), static_cast<HGDIOBJ>(handle));
}

void Font::RestoreSurfaceFont(GdiObject previous) const {
    if (Surface() != nullptr && previous != nullptr) {
        SelectObject(Surface(), static_cast<HGDIOBJ>(previous));
    }
}

bool Font::OutputGlyphs(const char* text, int length, int x, int y, ColorRef colour) const {
    if (Surface() == nullptr || handle == nullptr) {
        return false;
    }
    SetTextColor(Surface(), colour);
    return ExtTextOutA(Surface(), x, y - baselineShift, ETO_CLIPPED, nullptr, text,
                       static_cast<UINT>(length), nullptr) != FALSE;
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
