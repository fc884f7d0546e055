// Where the window stands between runs: its normal (not maximised) outer rectangle, whether
// it was maximised and whether it was full screen; and the choice, made at start, of
// putting it back there or opening it in the default place.
#pragma once

#include <functional>
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

// Where dots per inch can be read: a monitor's own reading is 0 when it has none.
struct DotsPerInchReadings {
    std::function<int(const Rect&)> monitorUnder; // the monitor a rectangle lies most on
    std::function<int()> primaryMonitor;
    std::function<int()> system;
};

// The dots per inch the window opens with: those of the monitor under the restored normal
// rectangle when the chosen placement is known, else of the primary monitor (the default
// place is on it); the system's when that monitor gives no reading.
int OpeningDotsPerInch(const WindowPlacement& chosen, const DotsPerInchReadings& readings);
