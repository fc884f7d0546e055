// The start-up choice of where the window opens, kept free of the window system so it can be
// tried against any arrangement of monitors.
#include "app/window_placement.h"

namespace {

bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

} // namespace

bool HasArea(const Rect& r) {
    return r.left < r.right && r.top < r.bottom;
}

bool TitleBarVisible(const Rect& window, int titleBarHeight, const std::vector<Rect>& workAreas) {
    const Rect titleBar{window.left, window.top, window.right, window.top + titleBarHeight};
    for (const Rect& area : workAreas) {
        if (Contains(area, titleBar)) {
            return true;
        }
    }
    return false;
}

WindowPlacement ChoosePlacement(const WindowPlacement& saved, int titleBarHeight,
                                const std::vector<Rect>& workAreas) {
    WindowPlacement chosen = saved;
    chosen.known = saved.known && HasArea(saved.normal) &&
                   TitleBarVisible(saved.normal, titleBarHeight, workAreas);
    if (!chosen.known) {
        chosen.normal = Rect();
    }
    return chosen;
}

int OpeningDotsPerInch(const WindowPlacement& chosen, const DotsPerInchReadings& readings) {
    const int monitor =
        chosen.known ? readings.monitorUnder(chosen.normal) : readings.primaryMonitor();
    return monitor > 0 ? monitor : readings.system();
}
