// Drawing primitives: spans, rectangles and midpoint circles written straight into the
// 16-bit surface, and Wu-style antialiased lines with a 16-bit fractional accumulator.
// Line blending weighs against the pixel's luminance, so dark lines on light ground and
// light lines on dark ground get the same smoothing.
#include "render/primitives.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "render/surface.h"

namespace {

// Luminance weights of the 8-bit red, green and blue channels (they sum to 1023).
constexpr int LumaRed = 306;
constexpr int LumaGreen = 601;
constexpr int LumaBlue = 116;

BoxObserver WatchBoxes = nullptr;

bool Inside(int x, int y) {
    return ClipRect.left <= x && x < ClipRect.right && ClipRect.top <= y && y < ClipRect.bottom;
}

Color565* PixelAt(int x, int y) {
    return SurfacePixels + x + static_cast<std::ptrdiff_t>(y) * SurfacePitch;
}

// Plots the four or eight mirror images of the octant point (x, y) of a circle outline.
void PlotCircleOctants(int cx, int cy, int x, int y, ColorRef colour) {
    if (x == 0) {
        PutPixel(cx, cy + y, colour);
        PutPixel(cx, cy - y, colour);
        PutPixel(cx + y, cy, colour);
        PutPixel(cx - y, cy, colour);
    } else if (x == y) {
        PutPixel(cx + x, cy + y, colour);
        PutPixel(cx - x, cy + y, colour);
        PutPixel(cx + x, cy - y, colour);
        PutPixel(cx - x, cy - y, colour);
    } else if (x < y) {
        PutPixel(cx + x, cy + y, colour);
        PutPixel(cx - x, cy + y, colour);
        PutPixel(cx + x, cy - y, colour);
        PutPixel(cx - x, cy - y, colour);
        PutPixel(cx + y, cy + x, colour);
        PutPixel(cx - y, cy + x, colour);
        PutPixel(cx + y, cy - x, colour);
        PutPixel(cx - y, cy - x, colour);
    }
}

// Fills the spans of a disc that the octant point (x, y) determines.
void FillCircleOctants(int cx, int cy, int x, int y, ColorRef colour) {
    if (x == 0) {
        VLine(cx, cy - y, cy + y, colour);
        HLine(cx - y, cy, cx + y, colour);
    } else if (x <= y) {
        HLine(cx - x, cy + y, cx + x, colour);
        HLine(cx - x, cy - y, cx + x, colour);
        if (x < y) {
            HLine(cx - y, cy + x, cx + y, colour);
            HLine(cx - y, cy - x, cx + y, colour);
        }
    }
}

// Walks one octant of a radius-r circle with the midpoint decision value, handing each
// point to plot.
template <typename Plot> void WalkCircle(int r, Plot plot) {
    if (r < 0) {
        return;
    }
    int x = 0;
    int y = r;
    int d = (5 - 4 * r) >> 2; // arithmetic shift on purpose: rounds toward minus infinity
    plot(x, y);
    if (r == 0) {
        return;
    }
    while (x < y) {
        ++x;
        if (d < 0) {
            d += 2 * x + 1;
        } else {
            --y;
            d += 2 * (x - y) + 1;
        }
        plot(x, y);
    }
}

int Outcode(int x, int y) {
    int code = 0;
    if (y < ClipRect.top) {
        code = 8;
    } else if (y > ClipRect.bottom - 1) {
        code = 4;
    }
    if (x < ClipRect.left) {
        code |= 1;
    } else if (x > ClipRect.right - 1) {
        code |= 2;
    }
    return code;
}

struct ClipPoint {
    std::int64_t x;
    std::int64_t y;
};

// Moves the point (x, y) of the line towards (ox, oy) onto the clip edge its outcode names.
// Wide arithmetic keeps the products exact; the caller range-checks the result. A zero
// divisor cannot arrive: when dx or dy is 0 both ends share the outcode bit that would use
// it, and the line was rejected before.
ClipPoint ClipEnd(int code, std::int64_t x, std::int64_t y, std::int64_t ox, std::int64_t oy) {
    const std::int64_t dx = ox - x;
    const std::int64_t dy = oy - y;
    const std::int64_t maxX = ClipRect.right - 1;
    const auto toRow = [&](std::int64_t row) { return ClipPoint{x + (row - y) * dx / dy, row}; };
    const auto toColumn = [&](std::int64_t column) {
        return ClipPoint{column, y + (column - x) * dy / dx};
    };
    if (code == 0) {
        return ClipPoint{x, y};
    }
    if (code & (4 | 8)) {
        const ClipPoint onRow = toRow((code & 8) ? ClipRect.top : ClipRect.bottom - 1);
        if ((code & 3) == 0 || (onRow.x >= ClipRect.left && onRow.x <= maxX)) {
            return onRow;
        }
    }
    return toColumn((code & 1) ? ClipRect.left : maxX);
}

bool ClipContains(const ClipPoint& p) {
    return p.x >= ClipRect.left && p.x <= ClipRect.right - 1 && p.y >= ClipRect.top &&
           p.y <= ClipRect.bottom - 1;
}

int Luminance(int r, int g, int b) {
    return LumaRed * r + LumaGreen * g + LumaBlue * b;
}

// Division by 1024 rounding toward minus infinity, for the signed blend terms.
int FloorDiv1024(int n) {
    return n >= 0 ? n / 1024 : -((-n + 1023) / 1024);
}

// The line colour and its luminance, fixed for one DrawLine.
struct LineInk {
    int r;
    int g;
    int b;
    int luminance;
};

// Rule A moves the pixel towards the line colour from its own side; rule B from the other.
enum class BlendRule { Main, Neighbour };

int BlendChannel(int line, int pixel, int a, BlendRule rule) {
    const bool fromLine = rule == BlendRule::Main ? pixel > line : pixel < line;
    return fromLine ? line + FloorDiv1024((pixel - line) * a)
                    : pixel + FloorDiv1024((line - pixel) * a);
}

void BlendPixel(int x, int y, int w, const LineInk& ink, BlendRule rule) {
    if (!Inside(x, y)) {
        return;
    }
    Color565* pixel = PixelAt(x, y);
    const int pr = (*pixel >> 11) << 3;
    const int pg = ((*pixel >> 5) & 0x3F) << 2;
    const int pb = (*pixel & 0x1F) << 3;
    const int weight = ink.luminance < Luminance(pr, pg, pb) ? w : 255 - w;
    const int a = 4 * weight;
    const int r = BlendChannel(ink.r, pr, a, rule);
    const int g = BlendChannel(ink.g, pg, a, rule);
    const int b = BlendChannel(ink.b, pb, a, rule);
    *pixel = ToColor565(static_cast<ColorRef>(r | (g << 8) | (b << 16)));
}

// The blended body of a line that is neither straight nor diagonal, between its end pixels.
void DrawLineBody(int x, int y, int xdir, int adx, int dy, const LineInk& ink) {
    std::uint16_t error = 0;
    if (dy > adx) {
        const auto step = static_cast<std::uint16_t>((static_cast<std::uint32_t>(adx) << 16) /
                                                     static_cast<std::uint32_t>(dy));
        for (int i = 1; i < dy; ++i) {
            const auto next = static_cast<std::uint16_t>(error + step);
            if (next < error) { // the accumulator wrapped: one whole pixel across
                x += xdir;
            }
            error = next;
            ++y;
            BlendPixel(x, y, error >> 8, ink, BlendRule::Main);
            BlendPixel(x + xdir, y, error >> 8, ink, BlendRule::Neighbour);
        }
        return;
    }
    const auto step = static_cast<std::uint16_t>((static_cast<std::uint32_t>(dy) << 16) /
                                                 static_cast<std::uint32_t>(adx));
    for (int i = 1; i < adx; ++i) {
        const auto next = static_cast<std::uint16_t>(error + step);
        if (next < error) {
            ++y;
        }
        error = next;
        x += xdir;
        BlendPixel(x, y, error >> 8, ink, BlendRule::Main);
        BlendPixel(x, y + 1, error >> 8, ink, BlendRule::Neighbour);
    }
}

} // namespace

void PutPixel(int x, int y, ColorRef colour) {
    if (Inside(x, y)) {
        *PixelAt(x, y) = ToColor565(colour);
    }
}

void HLine(int x0, int y, int x1, ColorRef colour) {
    if (x0 > x1) {
        std::swap(x0, x1);
    }
    if (x0 >= ClipRect.right || x1 < ClipRect.left || y < ClipRect.top || y >= ClipRect.bottom) {
        return;
    }
    const int left = x0 < ClipRect.left ? ClipRect.left : x0;
    const int right = x1 > ClipRect.right - 1 ? ClipRect.right - 1 : x1;
    FillPixels(PixelAt(left, y), static_cast<std::size_t>(right - left + 1), ToColor565(colour));
}

void VLine(int x, int y0, int y1, ColorRef colour) {
    if (y0 > y1) {
        std::swap(y0, y1);
    }
    if (y0 >= ClipRect.bottom || y1 < ClipRect.top || x < ClipRect.left || x >= ClipRect.right) {
        return;
    }
    const int top = y0 < ClipRect.top ? ClipRect.top : y0;
    const int bottom = y1 > ClipRect.bottom - 1 ? ClipRect.bottom - 1 : y1;
    const Color565 pixel = ToColor565(colour);
    Color565* p = PixelAt(x, top);
    for (int y = top; y <= bottom; ++y, p += SurfacePitch) {
        *p = pixel;
    }
}

void FillRect(const Rect* rect, ColorRef colour) {
    if (rect->left >= ClipRect.right || rect->right < ClipRect.left ||
        rect->top >= ClipRect.bottom || rect->bottom < ClipRect.top) {
        return;
    }
    const int left = rect->left < ClipRect.left ? ClipRect.left : rect->left;
    const int top = rect->top < ClipRect.top ? ClipRect.top : rect->top;
    const int right = rect->right > ClipRect.right ? ClipRect.right : rect->right;
    const int bottom = rect->bottom > ClipRect.bottom ? ClipRect.bottom : rect->bottom;
    if (right <= left || bottom < top) {
        return;
    }
    const auto count = static_cast<std::size_t>(right - left);
    Color565* first = PixelAt(left, top);
    FillPixels(first, count, ToColor565(colour));
    // The top row is always filled; later rows are copies of it while above the bottom.
    for (int y = top + 1; y < bottom; ++y) {
        std::copy(first, first + count, PixelAt(left, y));
    }
}

void FrameRect(const Rect* rect, int thickness, ColorRef colour) {
    const int left = rect->left < rect->right ? rect->left : rect->right;
    const int right = rect->left < rect->right ? rect->right : rect->left;
    const int top = rect->top < rect->bottom ? rect->top : rect->bottom;
    const int bottom = rect->top < rect->bottom ? rect->bottom : rect->top;
    for (int i = 0; i < thickness; ++i) {
        HLine(left, top + i, right, colour);
        HLine(left, bottom - i, right, colour);
        VLine(left + i, top, bottom, colour);
        VLine(right - i, top, bottom, colour);
    }
}

void FillBox(int x, int y, int w, int h, ColorRef colour) {
    const Rect box{x, y, x + w, y + h};
    FillRect(&box, colour);
}

void DrawBox(int x, int y, int w, int h, ColorRef outline, int thickness, ColorRef fill) {
    if (WatchBoxes != nullptr) {
        WatchBoxes(x, y, w, h, thickness);
    }
    const Rect box{x, y, x + w, y + h};
    if (fill != NoColor) {
        FillRect(&box, fill);
    }
    FrameRect(&box, thickness, outline);
}

void SetBoxObserver(BoxObserver observer) {
    WatchBoxes = observer;
}

void FillCircle(int cx, int cy, int r, ColorRef colour) {
    WalkCircle(r, [&](int x, int y) { FillCircleOctants(cx, cy, x, y, colour); });
}

void DrawCircle(int cx, int cy, int r, ColorRef colour) {
    WalkCircle(r, [&](int x, int y) { PlotCircleOctants(cx, cy, x, y, colour); });
}

int ClipLine(int* x0, int* y0, int* x1, int* y1) {
    const int startCode = Outcode(*x0, *y0);
    const int endCode = Outcode(*x1, *y1);
    if ((startCode & endCode) != 0) {
        return LineRejected;
    }
    if (startCode == 0 && endCode == 0) {
        return LineInside;
    }
    const ClipPoint start = ClipEnd(startCode, *x0, *y0, *x1, *y1);
    const ClipPoint end = ClipEnd(endCode, *x1, *y1, *x0, *y0);
    if (!ClipContains(start) || !ClipContains(end)) {
        return LineRejected;
    }
    *x0 = static_cast<int>(start.x);
    *y0 = static_cast<int>(start.y);
    *x1 = static_cast<int>(end.x);
    *y1 = static_cast<int>(end.y);
    return LineClipped;
}

void DrawLine(int x0, int y0, int x1, int y1, ColorRef colour) {
    if (ClipLine(&x0, &y0, &x1, &y1) == LineRejected) {
        return;
    }
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    PutPixel(x0, y0, colour);
    const int dx = x1 - x0;
    const int xdir = dx >= 0 ? 1 : -1;
    const int adx = dx >= 0 ? dx : -dx;
    const int dy = y1 - y0;
    if (dy == 0) {
        HLine(x0, y0, x1, colour);
        return;
    }
    if (adx == 0) {
        VLine(x0, y0, y1, colour);
        return;
    }
    if (adx == dy) {
        for (int i = 1; i <= dy; ++i) {
            PutPixel(x0 + i * xdir, y0 + i, colour);
        }
        return;
    }
    const int r = static_cast<int>(colour & 0xFF);
    const int g = static_cast<int>((colour >> 8) & 0xFF);
    const int b = static_cast<int>((colour >> 16) & 0xFF);
    DrawLineBody(x0, y0, xdir, adx, dy, LineInk{r, g, b, Luminance(r, g, b)});
    PutPixel(x1, y1, colour);
}

void DrawLineWidth(int x0, int y0, int x1, int y1, float, ColorRef colour) {
    DrawLine(x0, y0, x1, y1, colour);
}
