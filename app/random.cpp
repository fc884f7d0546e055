// The shared random sequence: state = state * 214013 + 2531011, output bits 16..30.
#include "app/random.h"

namespace {
std::uint32_t State = 0;
}

void SeedRandom(std::uint32_t seed) {
    State = seed;
}

std::uint32_t RandomState() {
    return State;
}

int Random15() {
    State = State * 214013u + 2531011u;
    return static_cast<int>((State >> 16) & 0x7FFFu);
}

int RandomInRange(int lo, int hi) {
    // Unsigned arithmetic: the range size wraps like the 32-bit original instead of
    // overflowing, and a size of 0 (lo = hi + 1) draws nothing.
    const auto n = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
    if (n == 0) {
        return 0;
    }
    const int size = static_cast<int>(n);
    return lo + Random15() % size;
}
