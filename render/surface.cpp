// The program-wide drawing surface and the pixel fill the back buffer clears with.
#include "render/surface.h"

#include <cstdint>
#include <cstring>

Color565* SurfacePixels = nullptr;
int SurfaceWidth = 0;
int SurfaceHeight = 0;
int SurfacePitch = 0;
Rect ClipRect;
DeviceContext SurfaceDC = nullptr;

void SetSurface(Color565* pixels, int width, int height, int pitch) {
    SurfacePixels = pixels;
    SurfaceWidth = width;
    SurfaceHeight = height;
    SurfacePitch = pitch;
    ClipRect = Rect{0, 0, width, height};
}

Color565* GetSurfacePixels() {
    return SurfacePixels;
}

void GetClipRect(Rect* out) {
    *out = ClipRect;
}

void FillPixels(Color565* pixels, std::size_t count, Color565 value) {
    const std::uint32_t pair = (static_cast<std::uint32_t>(value) << 16) | value;
    std::size_t i = 0;
    // memcpy keeps the paired store free of alignment and aliasing assumptions.
    for (; i + 1 < count; i += 2) {
        std::memcpy(pixels + i, &pair, sizeof pair);
    }
    if (i < count) {
        pixels[i] = value;
    }
}
