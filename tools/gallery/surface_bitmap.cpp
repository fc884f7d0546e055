// 24-bit BMP output of the drawing surface: a 54-byte header, then bottom-up rows of blue,
// green and red bytes padded to four bytes. Each 5- or 6-bit channel is widened by
// repeating its top bits, so white stays 255 and black 0.
#include "tools/gallery/surface_bitmap.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "render/surface.h"

namespace {

constexpr int FileHeaderBytes = 14;
constexpr int InfoHeaderBytes = 40;

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint8_t Widen5(int v) {
    return static_cast<std::uint8_t>((v << 3) | (v >> 2));
}

std::uint8_t Widen6(int v) {
    return static_cast<std::uint8_t>((v << 2) | (v >> 4));
}

std::vector<std::uint8_t> BitmapHeader(int width, int height, int rowBytes) {
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, FileHeaderBytes + InfoHeaderBytes + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, FileHeaderBytes + InfoHeaderBytes, 4);
    PutLittleEndian(out, InfoHeaderBytes, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height), 4); // positive: bottom-up rows
    PutLittleEndian(out, 1, 2);                                  // planes
    PutLittleEndian(out, 24, 2);                                 // bits per pixel
    PutLittleEndian(out, 0, 4);                                  // no compression
    PutLittleEndian(out, imageBytes, 4);
    PutLittleEndian(out, 2835, 4); // 72 dots per inch, both ways
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    return out;
}

} // namespace

bool SaveSurfaceBitmap(const std::string& path) {
    if (SurfacePixels == nullptr || SurfaceWidth <= 0 || SurfaceHeight <= 0) {
        return false;
    }
    const int rowBytes = (SurfaceWidth * 3 + 3) & ~3;
    std::vector<std::uint8_t> out = BitmapHeader(SurfaceWidth, SurfaceHeight, rowBytes);
    for (int y = SurfaceHeight - 1; y >= 0; --y) {
        const Color565* row = SurfacePixels + static_cast<std::ptrdiff_t>(y) * SurfacePitch;
        for (int x = 0; x < SurfaceWidth; ++x) {
            const int p = row[x];
            out.push_back(Widen5(p & 0x1F));
            out.push_back(Widen6((p >> 5) & 0x3F));
            out.push_back(Widen5((p >> 11) & 0x1F));
        }
        out.resize(out.size() + static_cast<std::size_t>(rowBytes - SurfaceWidth * 3), 0);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
