// BackBuffer on GDI: a top-down 16-bit BI_BITFIELDS DIB section selected into a memory
// context. The masks match Color565, so drawing writes straight into the memory GDI blits
// from; presenting blits only the areas that changed since the last present.
#include "render/back_buffer.h"

#include <cstdint>
#include <cstdlib>

#include "base/platform_win32.h"
#include "render/surface.h"

namespace {

// Header plus room for 256 colour entries; the first three hold the bit-field masks.
struct BitmapInfo565 {
    BITMAPINFOHEADER header;
    DWORD colours[256];
};

// Back buffers still to fail (the test seam); 0 in the program.
int FailuresToInject = 0;

} // namespace

void FailNextBackBuffersForTests(int count) {
    FailuresToInject = count;
}

BackBuffer::BackBuffer(WindowHandle owner, int w, int h) : width(w), height(h) {
    pitch = PitchForWidth(w);
    HDC screen = GetWindowDC(nullptr);
    const bool injectFailure = FailuresToInject > 0;
    if (injectFailure) {
        --FailuresToInject;
    }
    auto* info = injectFailure ? nullptr
                               : static_cast<BitmapInfo565*>(std::calloc(1, sizeof(BitmapInfo565)));
    if (info != nullptr) {
        info->header.biSize = sizeof(BITMAPINFOHEADER);
        info->header.biWidth = w;
        info->header.biHeight = -h; // negative: rows top-down
        info->header.biPlanes = 1;
        info->header.biBitCount = 16;
        info->header.biCompression = BI_BITFIELDS;
        info->colours[0] = 0xF800;
        info->colours[1] = 0x07E0;
        info->colours[2] = 0x001F;
        void* bits = nullptr;
        bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(info), DIB_RGB_COLORS,
                                  &bits, nullptr, 0);
        pixels = static_cast<Color565*>(bits);
        std::free(info);
    }
    ReleaseDC(nullptr, screen);

    window = owner;
    windowDC = GetDC(static_cast<HWND>(owner));
    memoryDC = CreateCompatibleDC(static_cast<HDC>(windowDC));
    previousObject = SelectObject(static_cast<HDC>(memoryDC), static_cast<HBITMAP>(bitmap));
    SetBkMode(static_cast<HDC>(memoryDC), TRANSPARENT);
    SurfaceDC = memoryDC;
}

void BackBuffer::Destroy() {
    if (memoryDC != nullptr) {
        SelectObject(static_cast<HDC>(memoryDC), static_cast<HGDIOBJ>(previousObject));
        DeleteDC(static_cast<HDC>(memoryDC));
    }
    if (windowDC != nullptr) {
        ReleaseDC(static_cast<HWND>(window), static_cast<HDC>(windowDC));
    }
    if (bitmap != nullptr) {
        DeleteObject(static_cast<HGDIOBJ>(bitmap));
    }
    if (SurfaceDC == memoryDC) {
        SurfaceDC = nullptr;
    }
    if (SurfacePixels == pixels) {
        SetSurface(nullptr, 0, 0, 0);
    }
    memoryDC = windowDC = nullptr;
    bitmap = previousObject = nullptr;
    pixels = nullptr;
}

bool BackBuffer::Present(int) {
    if (pixels == nullptr) {
        return true;
    }
    // GDI may still hold batched text drawing for the DIB; its pixels are read directly.
    GdiFlush();
    lastPresented = presented.Update(pixels, width, height, pitch);
    for (int i = 0; i < lastPresented.count; ++i) {
        const Rect& area = lastPresented.areas[i];
        BitBlt(static_cast<HDC>(windowDC), area.left, area.top, area.right - area.left,
               area.bottom - area.top, static_cast<HDC>(memoryDC), area.left, area.top, SRCCOPY);
    }
    // Sends the copies on now rather than with the next batch.
    GdiFlush();
    return true;
}
