// A small in-memory drawing surface for renderer tests. While it exists it is the
// program-wide surface (with no device context, so GDI text output is skipped); guard
// pixels around it and in its row padding catch stores outside the surface or rows
// addressed by width instead of pitch. The previous surface is restored when it goes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/color.h"
#include "render/surface.h"

class TestSurface {
  public:
    // A width x height surface filled with background, rows width + padding pixels apart.
    explicit TestSurface(int width, int height, ColorRef background = 0xFFFFFF, int padding = 3)
        : w(width), h(height), pitch(width + padding), ground(ToColor565(background)),
          savedPixels(SurfacePixels), savedWidth(SurfaceWidth), savedHeight(SurfaceHeight),
          savedPitch(SurfacePitch), savedDC(SurfaceDC) {
        memory.assign(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(h + 2 * GuardRows),
                      Guard);
        Fill(background);
        SetSurface(Row(0), w, h, pitch);
        SurfaceDC = nullptr;
    }
    ~TestSurface() {
        SetSurface(savedPixels, savedWidth, savedHeight, savedPitch);
        SurfaceDC = savedDC;
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    // Sets every pixel of the surface (not the guards) to the colour.
    void Fill(ColorRef colour) {
        ground = ToColor565(colour);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                Row(y)[x] = ground;
            }
        }
    }
    Color565 At(int x, int y) const { return Row(y)[x]; }
    int Width() const { return w; }
    int Height() const { return h; }

    // Number of pixels no longer the background colour.
    int InkCount() const {
        int count = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                count += Row(y)[x] != ground ? 1 : 0;
            }
        }
        return count;
    }

    // The surface as text, one line per row: '.' for background, '#' for anything else.
    std::string Picture() const {
        std::string text;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                text += Row(y)[x] == ground ? '.' : '#';
            }
            text += '\n';
        }
        return text;
    }

    // True while nothing was written above, below or beside the surface.
    bool GuardsIntact() const {
        for (int y = -GuardRows; y < h + GuardRows; ++y) {
            const bool outsideRow = y < 0 || y >= h;
            for (int x = outsideRow ? 0 : w; x < pitch; ++x) {
                if (Row(y)[x] != Guard) {
                    return false;
                }
            }
        }
        return true;
    }

  private:
    // Rows of guard pixels above and below the surface.
    static constexpr int GuardRows = 2;
    // A value no test draws with.
    static constexpr Color565 Guard = 0x1234;

    Color565* Row(int y) {
        return memory.data() + static_cast<std::ptrdiff_t>(y + GuardRows) * pitch;
    }
    const Color565* Row(int y) const {
        return memory.data() + static_cast<std::ptrdiff_t>(y + GuardRows) * pitch;
    }

    int w;
    int h;
    int pitch;
    Color565 ground;
    std::vector<Color565> memory;
    Color565* savedPixels;
    int savedWidth;
    int savedHeight;
    int savedPitch;
    DeviceContext savedDC;
};
