// The scripted game in its real window: keys and clicks posted into the window's message
// queue as the window system would, taken in by the loop before the next frame.
#pragma once

#include <string>

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

// A script's first frames in the window: Play (frame 1), Start Game (3) and, when the result
// has two digits or more, its first digit (5), so a half answer stands from frame 7. True
// while the frame is one of these.
inline bool PostStartWithHalfAnswer(const ScriptedGame& game) {
    switch (game.frames) {
    case 1:
    case 3: PostKey(game, '1'); return true;
    case 5: {
        const std::string result = RightAnswerText(game.dealer.currentProblem);
        if (result.size() > 1) {
            PostKey(game, result[0]);
        }
        return true;
    }
    default: return false;
    }
}
