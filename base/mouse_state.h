// The last mouse position and left-button state seen by the window procedure; the
// controls read it for their hover test.
#pragma once

struct MouseStatus {
    int x = 0;
    int y = 0;
    bool buttonDown = false;
};

extern MouseStatus MouseState;
