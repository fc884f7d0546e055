// Font on GDI: creating and measuring the font, and plain glyph output into SurfaceDC. The
// font is selected into a device context only for as long as one call needs it and the
// previous font is put back, so no context is left holding it when the owner deletes it.
#include "text/font.h"

#include <algorithm>
#include <cstring>

#include "base/platform_win32.h"
#include "render/surface.h"

namespace {

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

void Font::CreateGdiFont(const char* faceName, int size) {
    HDC given = static_cast<HDC>(FontMeasuringContext());
    // Without a given context (no window yet, or already gone), measure on the screen.
    HDC dc = given != nullptr ? given : GetDC(nullptr);
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
        glyphWidths[code] = extent.cx;
    }
    // The symbol codes are drawn by the program, whatever glyphs GDI has for them.
    const int symbolWidth = metrics.tmAveCharWidth + (metrics.tmAveCharWidth >> 1);
    std::fill(widths + FirstSymbolCode, widths + 256, symbolWidth);

    SelectObject(dc, previous);
    if (given == nullptr) {
        ReleaseDC(nullptr, dc);
    }
    handle = font;
    spaceWidth = widths[' '];
}

void Font::DeleteGdiFont() {
    if (handle != nullptr) {
        DeleteObject(static_cast<HGDIOBJ>(handle));
        handle = nullptr;
    }
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
