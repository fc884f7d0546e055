// Where the window stands between runs: its normal (not maximised) outer rectangle, whether
// it was maximised and whether it was full screen; and the choice, made at start, of
// putting it back there or opening it in the default place.
#pragma once

#include <vector>

#include "base/geometry.h"

struct WindowPlacement {
    bool known = false; // clear: nothing was saved, the window opens in the default place
    Rect normal;        // the outer rectangle when neither maximised nor full screen
    bool maximised = false;
    bool fullScreen = false;
};

// Whether a rectangle that is wider and taller than nothing.
bool HasArea(const Rect& r);

// Whether the strip of titleBarHeight at the top of window lies whole inside one of the
// work areas, so the player can reach the title bar to move the window.
bool TitleBarVisible(const Rect& window, int titleBarHeight, const std::vector<Rect>& workAreas);

// What the window opens with: saved as it is when its title bar is visible on a monitor there
// now; otherwise the default place, keeping the maximised and full-screen choices, which
// then apply to the monitor the default place is on.
WindowPlacement ChoosePlacement(const WindowPlacement& saved, int titleBarHeight,
                                const std::vector<Rect>& workAreas);
