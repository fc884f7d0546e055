// PresentedFrame: a copy of the frame last presented, and the comparison that finds which
// areas of a new frame differ from it, so presenting copies only those (and nothing when
// the frame is unchanged). Rows are compared over the visible width only, never the row
// padding. Tunables: at most MaxChangedAreas areas, changed rows MergeGapRows or fewer
// apart joined into one.
#pragma once

#include <vector>

#include "base/color.h"
#include "base/geometry.h"

// Most separate areas one frame reports; further changes widen the last area.
constexpr int MaxChangedAreas = 4;
// Changed rows with at most this many unchanged rows between them make one area: a copy
// to the window costs more than a few unchanged rows in it.
constexpr int MergeGapRows = 8;

struct ChangedAreas {
    int count = 0;
    // Top to bottom, each spanning the leftmost to the rightmost changed pixel of its rows.
    Rect areas[MaxChangedAreas];
};

class PresentedFrame {
  public:
    // Forgets the frame, so the next Update reports the whole surface (a window that was
    // uncovered or restored shows nothing it can rely on).
    void Forget() { known = false; }
    // Compares the frame (rows pitch pixels apart) with the copy, brings the copy up to date
    // and returns what changed. The first frame, one of another size and the first after
    // Forget are reported whole.
    ChangedAreas Update(const Color565* pixels, int width, int height, int pitch);

  private:
    ChangedAreas TakeWhole(const Color565* pixels, int width, int height, int pitch);

    // The presented pixels, rows width apart.
    std::vector<Color565> copy;
    int copyWidth = 0;
    int copyHeight = 0;
    bool known = false;
};
