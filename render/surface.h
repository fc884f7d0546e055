// The program-wide drawing surface: the pixels of the current back buffer, its size, its
// row pitch and the clip rectangle, plus the device context text is drawn through.
// Rows are SurfacePitch pixels apart (16-bit DIB rows are padded to 4 bytes, so the pitch
// is the width rounded up to even); pixel (x, y) is SurfacePixels[x + y * SurfacePitch].
#pragma once

#include <cstddef>

#include "base/color.h"
#include "base/geometry.h"
#include "base/platform_types.h"

extern Color565* SurfacePixels;
extern int SurfaceWidth;
extern int SurfaceHeight;
extern int SurfacePitch;
// Always the whole surface: set with it, never narrowed.
extern Rect ClipRect;
// Memory device context holding the current back buffer; glyphs are drawn through it.
extern DeviceContext SurfaceDC;

// Row pitch in pixels of a 16-bit surface of the given width.
constexpr int PitchForWidth(int width) {
    return (width + 1) & ~1;
}

// Publishes pixels as the drawing surface and resets the clip rectangle to cover it.
void SetSurface(Color565* pixels, int width, int height, int pitch);
Color565* GetSurfacePixels();
void GetClipRect(Rect* out);

// Sets count pixels to value, two per 32-bit store and a last single one when count is odd.
void FillPixels(Color565* pixels, std::size_t count, Color565 value);
