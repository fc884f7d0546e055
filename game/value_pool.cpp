// ValuePool: the deck operations. Empty pools yield 0 without consuming a random draw.
#include "game/value_pool.h"

#include "base/random.h"

void ValuePool::Push(int v) {
    if (count >= ValuePoolCapacity) {
        return;
    }
    entries[count] = v;
    ++count;
}

int ValuePool::At(int index) const {
    return index >= 0 && index < count ? entries[index] : 0;
}

void ValuePool::FillRange(int lo, int hi) {
    count = 0;
    if (lo > hi) {
        return;
    }
    // Stop at hi itself rather than at hi + 1, which would overflow for hi = INT_MAX.
    for (int v = lo;; ++v) {
        Push(v);
        if (v == hi || count == ValuePoolCapacity) {
            return;
        }
    }
}

int ValuePool::TakeRandom() {
    if (count <= 0) {
        return 0;
    }
    const int index = RandomInRange(0, count - 1);
    const int value = entries[index];
    for (int i = index + 1; i < count; ++i) {
        entries[i - 1] = entries[i];
    }
    --count;
    return value;
}

int ValuePool::PickRandom() const {
    if (count < 1) {
        return 0;
    }
    return entries[RandomInRange(0, count - 1)];
}
