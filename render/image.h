// Image: one 8-bit palette bitmap among the program's resources, used in place (its pixels
// are never copied), with the palette converted once to Color565 and an optional
// transparency key. Rows are taken in storage order, top row first, whatever the header's
// height sign says. A missing or damaged bitmap leaves an empty image that draws nothing.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/color.h"
#include "base/platform_types.h"

class Image {
  public:
    // An empty image (no pixels); Load fills it.
    Image() = default;
    // Loads the bitmap resource resourceId of module (null: this program) with keyColour
    // as its transparency key (NoColor: none).
    Image(ModuleHandle module, int resourceId, ColorRef keyColour);
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Gives back any earlier resource, then loads this one; false when it is missing or
    // too short for its own header, palette and rows.
    bool Load(ModuleHandle module, int resourceId, ColorRef keyColour);
    // Uses a bitmap already in memory (40-byte header, 256-entry palette, rows) in place;
    // the bytes must outlive the image. Same result rules as Load.
    bool Attach(const std::uint8_t* data, std::size_t sizeBytes);
    // The key as a colour value, or NoColor when the image has none.
    ColorRef GetKeyColor() const;
    bool HasKey() const { return keyRed != -1; }
    // True when Blit can draw it: palette pixels are present.
    bool IsDrawable() const { return pixelData != nullptr && bitsPerPixel <= 8; }
    // Bytes from one pixel row to the next: the width padded to 4 bytes.
    int RowBytes() const { return (width + 3) & ~3; }
    // Gives the resource back to the system; the image then draws nothing.
    void Free();

    int width = 0;
    int height = 0;
    // Planes times bits per pixel, from the header.
    int bitsPerPixel = 0;
    int resourceId = 0;
    // The pixels live in the loaded resource (set by every Load).
    bool fromResource = false;
    Color565 palette[256] = {};
    // First byte of the pixel rows inside the resource, or null.
    const std::uint8_t* pixelData = nullptr;
    // Key channels, each -1 when there is no key.
    int keyRed = -1;
    int keyGreen = -1;
    int keyBlue = -1;

  private:
    void StoreKey(ColorRef keyColour);
    // Bytes the pixel rows take, for a positive width and height.
    std::size_t RowsBytes() const;
    void Clear();

    // The loaded resource's handle, given back by Free.
    void* resource = nullptr;
};
