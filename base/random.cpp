// The shared random sequence: state = state * 214013 + 2531011, output bits 16..30.
#include "base/random.h"

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

namespace {

// The 32-bit two's-complement value with these bits, without relying on how a compiler
// converts out-of-range unsigned values.
std::int64_t AsSigned32(std::uint32_t bits) {
    return bits <= 0x7FFFFFFFu ? static_cast<std::int64_t>(bits)
                               : static_cast<std::int64_t>(bits) - 0x100000000LL;
}

} // namespace

int RandomInRange(int lo, int hi) {
    // The range size and the sum wrap in 32 bits like the original's arithmetic instead of
    // overflowing; a size of 0 (lo = hi + 1, or the whole int range) draws nothing.
    const auto n = static_cast<std::uint32_t>(hi) - static_cast<std::uint32_t>(lo) + 1u;
    if (n == 0) {
        return 0;
    }
    // The remainder is taken as signed integers; with a non-negative draw it is never negative.
    const std::int64_t offset = Random15() % AsSigned32(n);
    const auto sum = static_cast<std::uint32_t>(lo) + static_cast<std::uint32_t>(offset);
    return static_cast<int>(AsSigned32(sum));
}
