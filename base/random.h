// The one shared pseudo-random sequence of the program (a linear congruential generator
// yielding 15-bit values). Every random number in the program comes from it.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
// One draw: a value from 0 to 32767.
int Random15();
// lo + (one draw mod (hi - lo + 1)); 0 without drawing when the range size is 0.
// Results never exceed lo + 32767, however wide the range.
int RandomInRange(int lo, int hi);
// The generator's state, for tests that check how many draws were made.
std::uint32_t RandomState();
