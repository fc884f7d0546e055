// The program's own symbols on byte codes 0x80 to 0xFF, drawn from lines, boxes and circles
// in the cell of the code's advance width (w), the font height (h) and its baseline shift.
// Codes without a drawing take their width and draw nothing.
#include <algorithm>

#include "render/primitives.h"
#include "text/font.h"

namespace {

// The symbol codes that have a drawing.
constexpr int EShapedSign = 0x80;
constexpr int DegreeRing = 0x83;
constexpr int SquareRoot = 0x87;
constexpr int RightArrow = 0x88;
constexpr int DivisionSign = 0x89;
constexpr int Infinity = 0xDB;
constexpr int LetterE = 0xDC;
constexpr int PiOnBase = 0xDD;
constexpr int Theta = 0xE5;
constexpr int Pi = 0xED;
constexpr int Phi = 0xF2;

// A symbol's cell: top-left, advance width, font height, and the rows its strokes span.
struct SymbolCell {
    int x;
    int y;
    int w;
    int h;
    int top;
    int bottom;
};

void DrawESign(const SymbolCell& c, ColorRef colour) {
    const int left = c.x + 2;
    const int right = c.x + 2 + c.w - (c.h >> 1);
    const int mid = c.top + ((c.bottom - c.top) >> 1);
    VLine(left, c.top, c.bottom, colour);
    VLine(left + 1, c.top, c.bottom, colour);
    for (int row : {c.top, c.top + 1, mid - 1, mid, c.bottom - 1, c.bottom}) {
        HLine(left, row, right, colour);
    }
}

void DrawDegreeRing(const SymbolCell& c, ColorRef colour) {
    const int cx = c.x + (c.w >> 1) - 1;
    DrawCircle(cx, c.y + 3, 4, colour);
    DrawCircle(cx, c.y + 3, 3, colour);
}

void DrawSquareRoot(const SymbolCell& c, ColorRef colour) {
    const int mx = c.x + (c.w >> 1);
    const int my = c.y + (c.h >> 1);
    const int base = c.y + c.h;
    DrawLine(c.x, my, mx, base, colour);
    DrawLine(c.x + 1, my, mx + 1, base, colour);
    VLine(mx, c.y, base, colour);
    VLine(mx + 1, c.y, base, colour);
    HLine(mx, c.y, c.x + c.w, colour);
    HLine(mx, c.y + 1, c.x + c.w, colour);
}

void DrawRightArrow(const SymbolCell& c, int spaceWidth, ColorRef colour) {
    const int row = c.y + (c.h >> 1);
    const int tip = c.x + spaceWidth;
    HLine(c.x, row, tip, colour);
    for (int i = 1; i <= 3; ++i) {
        VLine(tip - i, row - i, row + i, colour);
    }
}

void DrawDivisionSign(const SymbolCell& c, ColorRef colour) {
    const int thickness = std::max(c.h >> 4, 1);
    const int radius = (c.h >> 4) + (c.h >> 5);
    const int cx = c.x + (c.w >> 1);
    FillBox(c.x, c.y + (c.h >> 1) - (thickness >> 1), c.w, thickness, colour);
    FillCircle(cx, c.y + (c.h >> 2), radius, colour);
    FillCircle(cx, c.y + (c.h >> 2) + (c.h >> 1), radius, colour);
}

void DrawInfinity(const SymbolCell& c, ColorRef colour) {
    const int r = (c.w >> 2) - (c.w >> 4);
    const int cy = c.y + (c.h >> 1);
    const int c1 = c.x + (c.w >> 1) - r - 1;
    const int c2 = c1 + 2 * r + 1;
    for (int cx : {c1, c2}) {
        DrawCircle(cx, cy, r, colour);
        DrawCircle(cx, cy, r - 1, colour);
    }
}

void DrawPiOnBase(const SymbolCell& c, ColorRef colour) {
    const int right = c.x + c.w - 2;
    FillBox(c.x + 5, c.top - 4, 2, 2, colour);
    HLine(c.x + 1, c.top, right - 3, colour);
    HLine(c.x + 1, c.top + 1, right - 3, colour);
    for (int column : {c.x + 3, c.x + 4, right - 4, right - 3}) {
        VLine(column, c.top, c.bottom, colour);
    }
    HLine(c.x, c.bottom - 1, right, colour);
    HLine(c.x, c.bottom, right, colour);
}

void DrawPi(const SymbolCell& c, ColorRef colour) {
    const int right = c.x + c.w - 2;
    HLine(c.x, c.top, right, colour);
    HLine(c.x, c.top + 1, right, colour);
    for (int column : {c.x + 2, c.x + 3, right - 3, right - 2}) {
        VLine(column, c.top, c.bottom, colour);
    }
}

} // namespace

void Font::DrawSymbol(int code, int x, int y, ColorRef colour) {
    const int h = height;
    const SymbolCell cell{x, y, widths[code & 0xFF], h, y + (h >> 2), y + h - baselineShift};
    switch (code & 0xFF) {
    case EShapedSign: DrawESign(cell, colour); break;
    case DegreeRing: DrawDegreeRing(cell, colour); break;
    case SquareRoot: DrawSquareRoot(cell, colour); break;
    case RightArrow: DrawRightArrow(cell, spaceWidth, colour); break;
    case DivisionSign: DrawDivisionSign(cell, colour); break;
    case Infinity: DrawInfinity(cell, colour); break;
    case LetterE: DrawChar('e', x, y, colour); break;
    case PiOnBase: DrawPiOnBase(cell, colour); break;
    case Theta:
        // A zero struck through the middle.
        DrawChar('0', x, y, colour);
        HLine(x, y + (h >> 1) - 1, x + widths[int{'0'}] - 1, colour);
        HLine(x, y + (h >> 1), x + widths[int{'0'}] - 1, colour);
        break;
    case Pi: DrawPi(cell, colour); break;
    case Phi:
        // An "o" raised two pixels with a stroke through it.
        DrawChar('o', x, y - 2, colour);
        VLine(x + (widths[int{'o'}] >> 1), y, y + h - (h >> 3), colour);
        break;
    default: break;
    }
}
