// ValuePool: a fixed deck of up to 100 integers that problems are dealt from, so that a
// value is not repeated until the deck is used up. Every random choice comes from the
// shared sequence (base/random.h), one draw per TakeRandom or PickRandom of a non-empty pool.
#pragma once

#include <cstdint>

// How many values one pool holds; a Push beyond it is dropped.
constexpr int ValuePoolCapacity = 100;

class ValuePool {
  public:
    // Empties the pool.
    void Clear() { count = 0; }
    // Appends v; dropped when the pool is already full, so no write ever leaves the array.
    void Push(int v);
    int Count() const { return count; }
    // The value at index, or 0 outside 0 .. Count() - 1.
    int At(int index) const;
    // Empties the pool, then pushes lo, lo + 1, ..., hi (nothing when lo > hi).
    void FillRange(int lo, int hi);
    // Removes and returns a random entry, keeping the order of the rest; 0 when empty.
    int TakeRandom();
    // Returns a random entry and leaves the pool unchanged; 0 when empty.
    int PickRandom() const;

  private:
    std::int32_t entries[ValuePoolCapacity] = {};
    std::int32_t count = 0;
};
