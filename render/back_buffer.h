// The off-screen 16-bit surface every frame is drawn into, held in a GDI DIB section so
// that presenting is one block copy to the window with no format conversion.
// Rows are PitchForWidth(width) pixels apart, so odd client widths address correctly.
#pragma once

#include "app/platform_types.h"
#include "render/color.h"

class BackBuffer {
  public:
    // Creates the DIB section and memory context for the window; pixels stays null on failure.
    BackBuffer(WindowHandle window, int width, int height);
    // Gives back every GDI object; the owner calls it before deleting the buffer.
    void Destroy();
    // Sets every pixel (row padding included) to value.
    bool Clear(Color565 value);
    // Copies the whole surface to the window.
    bool Present(int unused);
    // Publishes this buffer as the program-wide drawing surface.
    void Publish() const;

    GdiObject bitmap = nullptr;
    GdiObject previousObject = nullptr;
    Color565* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    DeviceContext windowDC = nullptr;
    DeviceContext memoryDC = nullptr;
    WindowHandle window = nullptr;
};

// Test seam, off by default: the next count back buffers are made without pixels, as a
// DIB section the system refused would be.
void FailNextBackBuffersForTests(int count);
