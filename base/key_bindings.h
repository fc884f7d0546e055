// The eight key codes handed to the key operations: the arrow keys, then four unused.
#pragma once

#include <cstdint>

struct KeyBindings {
    std::int32_t up = 38;
    std::int32_t down = 40;
    std::int32_t left = 37;
    std::int32_t right = 39;
    std::int32_t spare[4] = {0, 0, 0, 0};
};
