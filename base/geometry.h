// Points and rectangles in client pixels, and the small geometry helpers layouts use.
// Rectangles are left, top, right, bottom with right and bottom exclusive.
#pragma once

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Offset that centres something of size inner in something of size outer. Each term is
// halved on its own by an arithmetic shift, so the rounding is the same everywhere.
constexpr int CenterOffset(int outer, int inner) {
    return (outer >> 1) - (inner >> 1);
}

// Grows the rectangle by n on every side (negative n shrinks it).
inline void InflateRect(Rect& r, int n) {
    r.left -= n;
    r.top -= n;
    r.right += n;
    r.bottom += n;
}

// True when the point lies inside: left and top edges included, right and bottom excluded.
constexpr bool PointInRect(Point p, const Rect& r) {
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}
