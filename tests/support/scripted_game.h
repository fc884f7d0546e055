// The scripted game in its real window: keys and clicks posted into the window's message
// queue as the window system would, taken in by the loop before the next frame.
#pragma once

#include "base/platform_win32.h"
#include "support/game_driver.h"

inline HWND WindowOf(const Application& app) {
    return static_cast<HWND>(app.window);
}

inline void PostKey(const Application& app, int key) {
    PostMessageA(WindowOf(app), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
}

inline LPARAM CentreOf(const Widget& widget) {
    return MAKELPARAM(widget.x + widget.width / 2, widget.y + widget.height / 2);
}

// A press and release at the widget's centre, both before the next frame.
inline void PostClick(const Application& app, const Widget& widget) {
    PostMessageA(WindowOf(app), WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(widget));
    PostMessageA(WindowOf(app), WM_LBUTTONUP, 0, CentreOf(widget));
}
