// Colours as readers with the common colour-vision deficiencies see them, and how far apart
// two colours look. The simulation is Machado, Oliveira and Fernandes (2009) at severity
// 1.0 (full protanopia, deuteranopia or tritanopia), applied to linear RGB; the distance is
// CIE76 Delta E: the Euclidean distance in CIELAB under D65, where about 2.3 is a just
// noticeable difference and 10 an obvious one.
#pragma once

#include <algorithm>
#include <cmath>

#include "base/color.h"

enum class ColourVision { Typical, Protanopia, Deuteranopia, Tritanopia };
constexpr ColourVision ColourVisions[] = {ColourVision::Typical, ColourVision::Protanopia,
                                          ColourVision::Deuteranopia, ColourVision::Tritanopia};

inline const char* ColourVisionName(ColourVision vision) {
    switch (vision) {
    case ColourVision::Protanopia: return "protanopia";
    case ColourVision::Deuteranopia: return "deuteranopia";
    case ColourVision::Tritanopia: return "tritanopia";
    default: return "typical";
    }
}

struct LabColour {
    double l = 0.0;
    double a = 0.0;
    double b = 0.0;
};

namespace colour_vision_detail {

using Matrix = double[3][3];

inline const Matrix& SimulationMatrix(ColourVision vision) {
    static const Matrix Typical = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
    static const Matrix Protanopia = {{0.152286, 1.052583, -0.204868},
                                      {0.114503, 0.786281, 0.099216},
                                      {-0.003882, -0.048116, 1.051998}};
    static const Matrix Deuteranopia = {{0.367322, 0.860646, -0.227968},
                                        {0.280085, 0.672501, 0.047413},
                                        {-0.011820, 0.042940, 0.968881}};
    static const Matrix Tritanopia = {{1.255528, -0.076749, -0.178779},
                                      {-0.078411, 0.930809, 0.147602},
                                      {0.004733, 0.691367, 0.303900}};
    switch (vision) {
    case ColourVision::Protanopia: return Protanopia;
    case ColourVision::Deuteranopia: return Deuteranopia;
    case ColourVision::Tritanopia: return Tritanopia;
    default: return Typical;
    }
}

// An sRGB channel (0 to 255) as linear light (0 to 1).
inline double Linear(unsigned channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double LabF(double t) {
    constexpr double Epsilon = 216.0 / 24389.0;
    constexpr double Kappa = 24389.0 / 27.0;
    return t > Epsilon ? std::cbrt(t) : (Kappa * t + 16.0) / 116.0;
}

} // namespace colour_vision_detail

// The colour (0x00BBGGRR) in CIELAB as a reader with that vision sees it.
inline LabColour SeenAs(ColorRef colour, ColourVision vision) {
    using namespace colour_vision_detail;
    const double rgb[3] = {Linear(colour & 0xFFu), Linear(colour >> 8 & 0xFFu),
                           Linear(colour >> 16 & 0xFFu)};
    const Matrix& m = SimulationMatrix(vision);
    double seen[3];
    for (int i = 0; i < 3; ++i) {
        seen[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
    }
    // Linear sRGB to XYZ, each divided by the D65 white's.
    const double x = (0.4124564 * seen[0] + 0.3575761 * seen[1] + 0.1804375 * seen[2]) / 0.95047;
    const double y = 0.2126729 * seen[0] + 0.7151522 * seen[1] + 0.0721750 * seen[2];
    const double z = (0.0193339 * seen[0] + 0.1191920 * seen[1] + 0.9503041 * seen[2]) / 1.08883;
    return {116.0 * LabF(y) - 16.0, 500.0 * (LabF(x) - LabF(y)), 200.0 * (LabF(y) - LabF(z))};
}

inline double DeltaE76(const LabColour& p, const LabColour& q) {
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) +
                     (p.b - q.b) * (p.b - q.b));
}

// How far apart two colours look to a reader with that vision.
inline double SeenDistance(ColorRef p, ColorRef q, ColourVision vision) {
    return DeltaE76(SeenAs(p, vision), SeenAs(q, vision));
}

// The colour as the back buffer shows it: each channel cut to 5 or 6 bits, then widened.
inline ColorRef AsShownOnScreen(ColorRef colour) {
    const Color565 pixel = ToColor565(colour);
    const unsigned r = (pixel >> 11 & 0x1Fu) << 3;
    const unsigned g = (pixel >> 5 & 0x3Fu) << 2;
    const unsigned b = (pixel & 0x1Fu) << 3;
    return r | g << 8 | b << 16;
}
