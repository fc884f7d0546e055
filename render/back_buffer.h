// The off-screen 16-bit surface every frame is drawn into, held in a GDI DIB section so
// that presenting is a block copy to the window with no format conversion. Presenting
// copies only the areas that differ from the frame last presented.
// Rows are PitchForWidth(width) pixels apart, so odd client widths address correctly.
#pragma once

#include "base/color.h"
#include "base/platform_types.h"
#include "render/changed_rows.h"

class BackBuffer {
  public:
    // Creates the DIB section and memory context for the window; pixels stays null on failure.
    BackBuffer(WindowHandle window, int width, int height);
    // Gives back every GDI object; the owner calls it before deleting the buffer.
    void Destroy();
    // Sets every pixel (row padding included) to value.
    bool Clear(Color565 value);
    // Copies to the window what changed since the last present (nothing when nothing did).
    bool Present(int unused);
    // Makes the next present copy the whole surface: the window lost what it showed.
    void PresentWholeNext() { presented.Forget(); }
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
    // What the last present copied.
    ChangedAreas lastPresented;

  private:
    PresentedFrame presented;
};

// Test seam, off by default: the next count back buffers are made without pixels, as a
// DIB section the system refused would be.
void FailNextBackBuffersForTests(int count);
