// BackBuffer's plain side: clearing its pixels and publishing it as the drawing surface.
#include "render/back_buffer.h"

#include <cstddef>

#include "render/surface.h"

bool BackBuffer::Clear(Color565 value) {
    if (pixels != nullptr) {
        FillPixels(pixels, static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height),
                   value);
    }
    return true;
}

void BackBuffer::Publish() const {
    SetSurface(pixels, width, height, pitch);
    SurfaceDC = memoryDC;
}
