// Sprite set-up and drawing: a palette lookup per pixel, the key compared on the converted
// 16-bit value, and clipping that shortens rows and columns instead of moving the sprite.
#include "render/sprite.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "render/surface.h"

namespace {

// A run of pixels: where it lands, where it comes from, and how many.
struct Span {
    int dest;
    int source;
    int length;
};

// Cuts a run to the destination range [destLow, destHigh) and the source range
// [0, sourceSize); a length of 0 or less means nothing is left.
Span ClipSpan(Span span, int destLow, int destHigh, int sourceSize) {
    const int skip = std::max({destLow - span.dest, -span.source, 0});
    span.dest += skip;
    span.source += skip;
    span.length -= skip;
    span.length = std::min({span.length, destHigh - span.dest, sourceSize - span.source});
    return span;
}

void DrawRow(const std::uint8_t* source, Color565* dest, int count, const Color565* palette,
             bool keyed, Color565 key) {
    for (int i = 0; i < count; ++i) {
        const Color565 pixel = palette[source[i]];
        if (keyed && pixel == key) {
            continue;
        }
        dest[i] = pixel;
    }
}

} // namespace

Sprite::Sprite(Image* source, int srcX, int srcY, int w, int h, int frames) {
    Setup(source, srcX, srcY, w, h, frames);
}

void Sprite::Setup(Image* source, int srcX, int srcY, int w, int h, int frames) {
    image = source;
    frameCount = frames > 0 ? frames : 1;
    visible = true;
    transparent = true;
    x = 0;
    y = 0;
    frame = 0;
    srcLeft = srcX;
    srcTop = srcY;
    srcRight = srcX + w;
    srcBottom = srcY + h;
    stripWidth = w;
    height = h;
    frameWidth = w / frameCount;
}

void Sprite::SetPosition(int newX, int newY) {
    x = newX;
    y = newY;
}

void Sprite::GetBounds(Rect* out) const {
    *out = Rect{x, y, x + frameWidth, y + height};
}

void Sprite::Draw() {
    if (visible) {
        Blit(frameWidth * frame, frameWidth * frame + frameWidth, 0);
    }
}

void Sprite::Blit(int columnStart, int columnEnd, int rowOffset) {
    if (image == nullptr || !image->IsDrawable() || SurfacePixels == nullptr) {
        return;
    }
    const int left = std::max(ClipRect.left, 0);
    const int right = std::min(ClipRect.right, SurfaceWidth);
    const int top = std::max(ClipRect.top, 0);
    const int bottom = std::min(ClipRect.bottom, SurfaceHeight);
    const Span columns =
        ClipSpan({x, srcLeft + columnStart, columnEnd - columnStart}, left, right, image->width);
    const Span rows =
        ClipSpan({y, srcTop + rowOffset, srcBottom - srcTop}, top, bottom, image->height);
    if (columns.length <= 0 || rows.length <= 0) {
        return;
    }
    const bool keyed = transparent && image->HasKey();
    const Color565 key = ToColor565(image->GetKeyColor());
    const std::ptrdiff_t sourcePitch = image->RowBytes();
    for (int r = 0; r < rows.length; ++r) {
        const std::uint8_t* source =
            image->pixelData + (rows.source + r) * sourcePitch + columns.source;
        Color565* dest = SurfacePixels + static_cast<std::ptrdiff_t>(rows.dest + r) * SurfacePitch +
                         columns.dest;
        DrawRow(source, dest, columns.length, image->palette, keyed, key);
    }
}
