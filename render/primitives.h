// Drawing primitives over the program-wide surface: pixels, spans, rectangles, circles and
// antialiased lines. Colours are 0x00BBGGRR values converted with ToColor565; everything is
// clipped against ClipRect and written straight into SurfacePixels, rows SurfacePitch apart.
// Pure computation: no allocation and no system calls.
#pragma once

#include "base/color.h"
#include "base/geometry.h"

// One pixel, if it lies inside the clip rectangle.
void PutPixel(int x, int y, ColorRef colour);
// Row y from min(x0, x1) to max(x0, x1), both ends included.
void HLine(int x0, int y, int x1, ColorRef colour);
// Column x from min(y0, y1) to max(y0, y1), both ends included.
void VLine(int x, int y0, int y1, ColorRef colour);
// The pixels left <= x < right, top <= y < bottom. A rectangle whose top equals its bottom
// still fills its top row; one with no width, or with bottom above top, draws nothing.
void FillRect(const Rect* rect, ColorRef colour);
// An outline thickness pixels thick whose outer edges are the four coordinates, right and
// bottom included; a thickness of 0 or less draws nothing.
void FrameRect(const Rect* rect, int thickness, ColorRef colour);
// FillRect of (x, y, x + w, y + h).
void FillBox(int x, int y, int w, int h, ColorRef colour);
// Fills (x, y, x + w, y + h) unless fill is NoColor, then frames it: the outline reaches one
// pixel further right and down than the fill.
void DrawBox(int x, int y, int w, int h, ColorRef outline, int thickness, ColorRef fill);
// Test seam, off by default: told of every DrawBox with its position, size and outline
// thickness, so layout tests can see the panels a frame drew.
using BoxObserver = void (*)(int x, int y, int w, int h, int thickness);
void SetBoxObserver(BoxObserver observer);
// A filled disc (midpoint method); a negative radius draws nothing.
void FillCircle(int cx, int cy, int r, ColorRef colour);
// A one-pixel circle (midpoint method); a negative radius draws nothing.
void DrawCircle(int cx, int cy, int r, ColorRef colour);
// An antialiased one-pixel line, both ends included (Wu's method with a luminance rule).
void DrawLine(int x0, int y0, int x1, int y1, ColorRef colour);
// The same line as DrawLine; the width is accepted for callers' sake and not used.
void DrawLineWidth(int x0, int y0, int x1, int y1, float width, ColorRef colour);

// ClipLine results.
constexpr int LineRejected = 0;
constexpr int LineInside = 1;
constexpr int LineClipped = 2;
// Clips the line to ClipRect in place (Cohen-Sutherland outcodes, one pass per end).
// Returns LineRejected, LineInside (unchanged) or LineClipped.
int ClipLine(int* x0, int* y0, int* x1, int* y1);
