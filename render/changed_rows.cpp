// PresentedFrame: row-by-row comparison of a frame with the one last presented. A row is
// first compared as one block of memory (fast when, as usual, nothing changed); only a row
// that differs is scanned for its first and last changed pixel and copied.
#include "render/changed_rows.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

std::size_t RowBytes(int width) {
    return static_cast<std::size_t>(width) * sizeof(Color565);
}

// Adds the changed pixels left..right - 1 of row y to the areas.
void AddChangedRow(ChangedAreas& changed, int y, int left, int right) {
    if (changed.count > 0) {
        Rect& last = changed.areas[changed.count - 1];
        if (y - last.bottom <= MergeGapRows || changed.count == MaxChangedAreas) {
            last.left = std::min(last.left, left);
            last.right = std::max(last.right, right);
            last.bottom = y + 1;
            return;
        }
    }
    changed.areas[changed.count++] = Rect{left, y, right, y + 1};
}

} // namespace

ChangedAreas PresentedFrame::Update(const Color565* pixels, int width, int height, int pitch) {
    if (width <= 0 || height <= 0) {
        return ChangedAreas{};
    }
    if (!known || width != copyWidth || height != copyHeight) {
        return TakeWhole(pixels, width, height, pitch);
    }
    ChangedAreas changed;
    for (int y = 0; y < height; ++y) {
        const Color565* row = pixels + static_cast<std::size_t>(y) * pitch;
        Color565* kept = copy.data() + static_cast<std::size_t>(y) * width;
        if (std::memcmp(row, kept, RowBytes(width)) == 0) {
            continue;
        }
        int left = 0;
        while (row[left] == kept[left]) {
            ++left;
        }
        int right = width;
        while (row[right - 1] == kept[right - 1]) {
            --right;
        }
        std::memcpy(kept + left, row + left, RowBytes(right - left));
        AddChangedRow(changed, y, left, right);
    }
    return changed;
}

ChangedAreas PresentedFrame::TakeWhole(const Color565* pixels, int width, int height, int pitch) {
    copyWidth = width;
    copyHeight = height;
    copy.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::memcpy(copy.data() + static_cast<std::size_t>(y) * width,
                    pixels + static_cast<std::size_t>(y) * pitch, RowBytes(width));
    }
    known = true;
    ChangedAreas changed;
    changed.areas[changed.count++] = Rect{0, 0, width, height};
    return changed;
}
