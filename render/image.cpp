// Image loading: finds, loads and locks a bitmap resource (the program's only resource
// loading) and reads its header and palette in place.
#include "render/image.h"

#include <cstring>

#include "base/platform_win32.h"

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

bool Image::Load(ModuleHandle module, int id, ColorRef keyColour) {
    if (resource != nullptr) {
        Free();
    }
    fromResource = true;
    StoreKey(keyColour);
    resourceId = id;
    const HMODULE owner = static_cast<HMODULE>(module);
    // Type 2 is RT_BITMAP, spelled out so the ANSI call gets an ANSI name.
    HRSRC found = FindResourceA(owner, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
    HGLOBAL loaded = found != nullptr ? LoadResource(owner, found) : nullptr;
    resource = loaded;
    const void* locked = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (locked == nullptr) {
        Clear();
        return false;
    }
    return Attach(static_cast<const std::uint8_t*>(locked), SizeofResource(owner, found));
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

void Image::Free() {
    if (resource != nullptr) {
        // A no-op on 32-bit and later Windows; kept so every load has its release.
        FreeResource(static_cast<HGLOBAL>(resource));
        resource = nullptr;
    }
    pixelData = nullptr;
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
