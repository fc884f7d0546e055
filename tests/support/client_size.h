// Resizes a test's real window so that its client area is exactly width x height, through
// the system's own resize path (the window procedure sees WM_SIZE as after a drag).
#pragma once

#include "app/application.h"
#include "base/platform_win32.h"

inline void SetClientSize(const Application& app, int width, int height) {
    const HWND window = static_cast<HWND>(app.window);
    RECT outer = {0, 0, width, height};
    const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
