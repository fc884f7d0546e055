// The real game with a test's script run after every frame, and posting helpers that put
// keys and clicks into its window's message queue as the window system would.
#pragma once

#include <functional>

#include "base/platform_win32.h"
#include "game/arithmetic_game.h"

class ScriptedGame : public ArithmeticGame {
  public:
    // Scripts count frames, so every period draws one, still screen or not.
    ScriptedGame() { restWhenStill = false; }

    void DrawFrame() override {
        ArithmeticGame::DrawFrame();
        ++frames;
        if (script) {
            script();
        }
        if (frames > frameLimit) {
            RequestQuit(); // a stuck script ends its test instead of hanging it
        }
    }

    std::function<void()> script;
    int frames = 0;
    int frameLimit = 4000;
};

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
