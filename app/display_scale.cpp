// The display scale of a window size and the sizes that follow from it.
#include "app/display_scale.h"

#include <algorithm>

namespace {

constexpr int LongSide = 640;
constexpr int ShortSide = 480;
constexpr int ReferenceDotsPerInch = 96;

int Ratio(int size, int reference) {
    return static_cast<int>(static_cast<long long>(size) * ScaleUnit / reference);
}

} // namespace

int DisplayScale(int width, int height) {
    const bool tall = width < height;
    const int referenceWidth = tall ? ShortSide : LongSide;
    const int referenceHeight = tall ? LongSide : ShortSide;
    return std::max(1, std::min(Ratio(width, referenceWidth), Ratio(height, referenceHeight)));
}

int ScaledSize(int size, int scale, int minimum) {
    const long long scaled = (static_cast<long long>(size) * scale + ScaleUnit / 2) / ScaleUnit;
    return std::max(minimum, static_cast<int>(scaled));
}

int ScaledForDotsPerInch(int size, int dotsPerInch) {
    if (dotsPerInch <= 0) {
        return size; // no reading: as on a 96 DPI screen
    }
    return static_cast<int>(static_cast<long long>(size) * dotsPerInch / ReferenceDotsPerInch);
}
