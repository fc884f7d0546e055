// Colour values and the 16-bit pixel format of the back buffer.
// A colour value is 0x00BBGGRR (red in the low byte, as Windows colour references);
// a Color565 pixel has red in bits 11-15, green in 5-10 and blue in 0-4.
#pragma once

#include <cstdint>

using ColorRef = std::uint32_t;
using Color565 = std::uint16_t;

// "No colour" where an operation allows one (fills, transparency keys).
constexpr ColorRef NoColor = 0xFFFFFFFFu;

// Converts a colour value to a pixel by dropping the low bits of each channel (no rounding).
constexpr Color565 ToColor565(ColorRef c) {
    return static_cast<Color565>(((c & 0xF8u) << 8) | ((c >> 5) & 0x7E0u) | ((c >> 19) & 0x1Fu));
}

// The colour share t (0 to 1) of the way from one colour to another, channel by channel.
inline ColorRef BlendColour(ColorRef from, ColorRef to, float t) {
    const auto mix = [&](int shift) {
        const float a = static_cast<float>((from >> shift) & 0xFFu);
        const float b = static_cast<float>((to >> shift) & 0xFFu);
        return static_cast<ColorRef>(a + (b - a) * t + 0.5f) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}
