// Deletes an owned object and nulls its pointer, so a second free, or a use after the
// owner let it go, finds nothing instead of freed memory.
#pragma once

template <typename T> void DeleteAndClear(T*& pointer) {
    delete pointer;
    pointer = nullptr;
}
