// The current font and the global text operations over it, plus the viewport that styled
// layout wraps against (the drawing surface's size, or a test's stand-in) and the observer
// tests watch drawn text through. The current font is only borrowed; a Font resets it when it
// dies while current.
#include "text/text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "render/surface.h"

namespace {

Font* Current = nullptr;
// Stand-in viewport size for tests; 0 means the surface's.
int ViewportWidthOverride = 0;
int ViewportHeightOverride = 0;
TextObserver WatchText = nullptr;

// |value| capped at 33: every shift of a font height by more has long saturated, and the
// cap keeps the shifts below the 64-bit width.
int ShiftCount(int value) {
    const std::int64_t magnitude = value < 0 ? -std::int64_t{value} : value;
    return static_cast<int>(magnitude > 33 ? 33 : magnitude);
}

// The band the last styled layout of font covered: from the leftmost glyph cell to the
// end of the rightmost advance, and from the first line's top to the last line's bottom.
TextRun LaidOutRun(const Font& font, const char* text) {
    TextRun run{text, 0, 0, 0, 0};
    if (!font.layoutBuffer || font.layoutCount == 0 || font.layoutBuffer[0].code == 0) {
        return run;
    }
    run.x = font.layoutBuffer[0].x;
    run.y = font.layoutBuffer[0].y;
    int right = run.x;
    int bottom = run.y;
    for (int i = 0; i < font.layoutCount && font.layoutBuffer[i].code != 0; ++i) {
        const LayoutRecord& record = font.layoutBuffer[i];
        run.x = std::min(run.x, record.x);
        run.y = std::min(run.y, record.y);
        right = std::max(right, record.x + record.width - 1); // width is the advance plus 1
        bottom = std::max(bottom, record.y + font.height);
    }
    run.width = right - run.x;
    run.height = bottom - run.y;
    return run;
}

int ClampToInt(std::int64_t value) {
    constexpr std::int64_t Lowest = std::numeric_limits<int>::min();
    constexpr std::int64_t Highest = std::numeric_limits<int>::max();
    return static_cast<int>(value < Lowest ? Lowest : (value > Highest ? Highest : value));
}

} // namespace

void SetCurrentFont(Font* font) {
    if (font != nullptr) {
        Current = font;
    }
}

void ResetCurrentFont() {
    Current = nullptr;
}

Font* CurrentFont() {
    return Current;
}

void DrawPlainText(const char* text, int x, int y, ColorRef colour) {
    if (Current != nullptr) {
        Current->DrawString(text, x, y, colour);
        if (WatchText != nullptr && text != nullptr && text[0] != '\0') {
            WatchText(TextRun{text, x, y, Current->MeasurePlain(text), Current->height});
        }
    }
}

int DrawText(const char* text, int x, int y, TextStyle& style) {
    if (Current == nullptr) {
        return 0;
    }
    const int lines = Current->DrawStyled(text, x, y, style);
    if (WatchText != nullptr && text != nullptr && text[0] != '\0') {
        const TextRun run = LaidOutRun(*Current, text);
        if (run.width > 0) {
            WatchText(run);
        }
    }
    return lines;
}

int FontHeight() {
    return Current != nullptr ? Current->height : 0;
}

int SpaceWidth() {
    return Current != nullptr ? Current->spaceWidth : 0;
}

int FontHeightMultiple(int a, int b) {
    if (Current == nullptr) {
        return 0;
    }
    const std::int64_t h = Current->height;
    std::int64_t first = 0;
    if (a != 0) {
        first = h * (std::int64_t{1} << (ShiftCount(a) - 1));
        first = a < 0 ? -first : first;
    }
    std::int64_t second = 0;
    if (b != 0) {
        // Arithmetic shift on purpose: the negative term rounds toward minus infinity.
        second = (b < 0 ? -h : h) >> ShiftCount(b);
    }
    return ClampToInt(first + second);
}

int TextWidth(const char* text) {
    return Current != nullptr ? Current->MeasureText(text) : 0;
}

int PlainTextWidth(const char* text) {
    return Current != nullptr ? Current->MeasurePlain(text) : 0;
}

int LayoutViewportWidth() {
    return ViewportWidthOverride != 0 ? ViewportWidthOverride : SurfaceWidth;
}

int LayoutViewportHeight() {
    return ViewportHeightOverride != 0 ? ViewportHeightOverride : SurfaceHeight;
}

void SetLayoutViewportForTests(int width, int height) {
    ViewportWidthOverride = width;
    ViewportHeightOverride = height;
}

void SetTextObserver(TextObserver observer) {
    WatchText = observer;
}
