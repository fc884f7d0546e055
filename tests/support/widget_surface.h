// An in-memory drawing surface for tests: published as the program-wide surface while it
// exists (rows PitchForWidth(width) apart, so odd widths have a padding column), and
// withdrawn again when it goes.
#pragma once

#include <vector>

#include "base/color.h"
#include "render/surface.h"

class WidgetSurface {
  public:
    WidgetSurface(int width, int height, Color565 background)
        : pitch(PitchForWidth(width)),
          pixels(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height), background) {
        SetSurface(pixels.data(), width, height, pitch);
    }
    ~WidgetSurface() { SetSurface(nullptr, 0, 0, 0); }
    WidgetSurface(const WidgetSurface&) = delete;
    WidgetSurface& operator=(const WidgetSurface&) = delete;

    // The pixel at (x, y); x may reach into the padding column.
    Color565 At(int x, int y) const {
        return pixels[static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * pitch];
    }
    int Pitch() const { return pitch; }

  private:
    int pitch;
    std::vector<Color565> pixels;
};
