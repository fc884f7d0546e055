// Image: reads a bitmap's header and palette in place; the resource it lives in is found
// and loaded in image_win32.cpp.
#include "render/image.h"

#include <cstring>

namespace {

constexpr std::size_t HeaderBytes = 40;
constexpr int PaletteEntries = 256;
constexpr std::size_t PaletteBytes = PaletteEntries * 4;

template <typename T> T ReadField(const std::uint8_t* data, std::size_t offset) {
    T value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

// One palette entry (blue, green, red, unused) as a 16-bit pixel.
Color565 ConvertEntry(const std::uint8_t* entry) {
    const ColorRef colour = entry[2] | (entry[1] << 8) | (static_cast<ColorRef>(entry[0]) << 16);
    return ToColor565(colour);
}

} // namespace

Image::Image(ModuleHandle module, int id, ColorRef keyColour) {
    Load(module, id, keyColour);
}

bool Image::Attach(const std::uint8_t* data, std::size_t sizeBytes) {
    if (data == nullptr || sizeBytes < HeaderBytes) {
        Clear();
        return false;
    }
    width = ReadField<std::int32_t>(data, 4);
    height = ReadField<std::int32_t>(data, 8);
    bitsPerPixel = ReadField<std::uint16_t>(data, 12) * ReadField<std::uint16_t>(data, 14);
    if (bitsPerPixel > 8) {
        // Kept for completeness; Blit draws palette images only.
        pixelData = data + HeaderBytes;
        return true;
    }
    // Refuses a bitmap whose rows would run past the end of its data.
    if (width <= 0 || height <= 0 || sizeBytes < HeaderBytes + PaletteBytes + RowsBytes()) {
        Clear();
        return false;
    }
    for (int i = 0; i < PaletteEntries; ++i) {
        palette[i] = ConvertEntry(data + HeaderBytes + 4 * i);
    }
    pixelData = data + HeaderBytes + PaletteBytes;
    return true;
}

std::size_t Image::RowsBytes() const {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    return rowBytes * static_cast<std::size_t>(height);
}

ColorRef Image::GetKeyColor() const {
    if (!HasKey()) {
        return NoColor;
    }
    return static_cast<ColorRef>(keyRed) | (static_cast<ColorRef>(keyGreen) << 8) |
           (static_cast<ColorRef>(keyBlue) << 16);
}

void Image::StoreKey(ColorRef keyColour) {
    if (keyColour == NoColor) {
        keyRed = keyGreen = keyBlue = -1;
        return;
    }
    keyRed = static_cast<int>(keyColour & 0xFFu);
    keyGreen = static_cast<int>((keyColour >> 8) & 0xFFu);
    keyBlue = static_cast<int>((keyColour >> 16) & 0xFFu);
}

void Image::Clear() {
    width = 0;
    height = 0;
    bitsPerPixel = 0;
    pixelData = nullptr;
}
