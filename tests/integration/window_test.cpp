// The real window and message loop under Xvfb: creation, class name and caption, client
// size, the first frame's background, a double click taken as a second press, and the
// three ways the loop ends (WM_CLOSE, the close box, RequestQuit) each calling OnExit once.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/application.h"
#include "base/mouse_state.h"
#include "base/platform_win32.h"
#include "game/arithmetic_game.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "support/data_folder.h"
#include "support/probe_app.h"
#include "text/font.h"

namespace {

HWND Hwnd(const Application& app) {
    return static_cast<HWND>(app.window);
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

} // namespace

TEST(WindowApplication, CreatesTheNamedWindowAndEndsOnClose) {
    ProbeApp app("Probe One");
    std::string className;
    std::string caption;
    RECT client = {};
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            char buffer[128] = {};
            GetClassNameA(Hwnd(a), buffer, sizeof buffer);
            className = buffer;
            GetWindowTextA(Hwnd(a), buffer, sizeof buffer);
            caption = buffer;
            GetClientRect(Hwnd(a), &client);
            PostMessageA(Hwnd(a), WM_CLOSE, 0, 0);
        }
    };
    EXPECT_EQ(app.Run(), 0) << "the quit message's exit code";
    EXPECT_EQ(className, "Probe One by Bramblewood Apps");
    EXPECT_EQ(caption, "Probe One");
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    EXPECT_EQ(app.starts, 1);
    EXPECT_EQ(app.exits, 1);
    EXPECT_FALSE(app.animating) << "WM_CLOSE stops the animation";
}

TEST(WindowApplication, CloseBoxEndsTheLoopWithoutAQuitMessage) {
    ProbeApp app("Probe Two");
    app.script = [](ProbeApp& a) {
        if (a.frames == 2) {
            PostMessageA(Hwnd(a), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    };
    app.Run();
    EXPECT_TRUE(app.quitRequested);
    EXPECT_EQ(app.exits, 1);
    EXPECT_LT(app.frames, 10);
}

TEST(WindowApplication, RequestQuitDuringAFrameRunsOnExitOnce) {
    ProbeApp app("Probe Three");
    app.script = [](ProbeApp& a) {
        if (a.frames == 3) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.frames, 3);
    EXPECT_EQ(app.exits, 1);
}

TEST(WindowApplication, FontsMeasureOnTheWindowsContextOnlyWhileItLives) {
    ProbeApp app("Probe Fonts");
    DeviceContext given = nullptr;
    HDC windows = nullptr;
    app.script = [&](ProbeApp& a) {
        given = FontMeasuringContext();
        windows = GetDC(Hwnd(a));
        ReleaseDC(Hwnd(a), windows);
        a.RequestQuit();
    };
    EXPECT_EQ(FontMeasuringContext(), nullptr) << "no window yet: the screen";
    app.Run();
    EXPECT_NE(given, nullptr);
    EXPECT_EQ(given, windows);
    EXPECT_EQ(FontMeasuringContext(), nullptr) << "the window is gone";
}

TEST(WindowApplication, DoubleClickIsASecondPressWhenDoubleClickEventsAreOff) {
    ProbeApp app("Probe Four");
    app.doubleClickEvents = false;
    app.script = [](ProbeApp& a) {
        if (a.frames == 1) {
            PostMessageA(Hwnd(a), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 30));
            PostMessageA(Hwnd(a), WM_LBUTTONUP, 0, At(20, 30));
            PostMessageA(Hwnd(a), WM_LBUTTONDBLCLK, MK_LBUTTON, At(21, 31));
            PostMessageA(Hwnd(a), WM_LBUTTONUP, 0, At(21, 31));
        } else if (a.frames == 2) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.downs, 2);
    EXPECT_EQ(app.ups, 2);
    EXPECT_EQ(app.doubleClicks, 0);
    EXPECT_FALSE(MouseState.buttonDown);
}

TEST(WindowApplication, DoubleClickEventWhenEnabled) {
    ProbeApp app("Probe Five");
    app.script = [](ProbeApp& a) {
        if (a.frames == 1) {
            PostMessageA(Hwnd(a), WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 6));
        } else if (a.frames == 2) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.doubleClicks, 1);
    EXPECT_EQ(app.downs, 0);
}

TEST(WindowApplication, KeypadKeysArriveTranslated) {
    ProbeApp app("Probe Six");
    app.script = [](ProbeApp& a) {
        if (a.frames == 1) {
            PostMessageA(Hwnd(a), WM_KEYDOWN, VK_ADD, 0);
        } else if (a.frames == 2) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.lastKey, '+');
}

TEST(WindowApplication, AHeldKeyActsOnceButClearingKeysRepeat) {
    ProbeApp app("Probe Repeat");
    int keyAfterRepeats = -1;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            constexpr LPARAM Repeated = 1L << 30; // the previous-state bit
            SendMessageA(Hwnd(a), WM_KEYDOWN, '7', 0);
            a.lastKey = 0;
            SendMessageA(Hwnd(a), WM_KEYDOWN, '7', Repeated);
            SendMessageA(Hwnd(a), WM_KEYDOWN, VK_ESCAPE, Repeated);
            keyAfterRepeats = a.lastKey;
            SendMessageA(Hwnd(a), WM_KEYDOWN, VK_BACK, Repeated);
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(keyAfterRepeats, 0) << "auto-repeated digits and Escape are dropped";
    EXPECT_EQ(app.lastKey, VK_BACK);
}

TEST(WindowApplication, MinimumTrackingSizeKeepsTheMinimumClientArea) {
    ProbeApp app("Probe Seven");
    app.resizable = true;
    app.minWidth = 240;
    app.minHeight = 240;
    MINMAXINFO limits = {};
    RECT outer = {0, 0, 240, 240};
    app.script = [&](ProbeApp& a) {
        SendMessageA(Hwnd(a), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(Hwnd(a), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(Hwnd(a), GWL_EXSTYLE)));
        a.RequestQuit();
    };
    app.Run();
    EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
    EXPECT_GT(limits.ptMinTrackSize.x, 240) << "the frame is added to the client area";
}

namespace {

// The real game, ended after its first frames, with the back buffer read before exit.
class FirstFramesGame : public ArithmeticGame {
  public:
    void DrawFrame() override {
        ArithmeticGame::DrawFrame();
        if (++frames == 3) {
            corner = SurfacePixels[SurfaceWidth - 1];
            panel = SurfacePixels[335 * SurfacePitch + 200];
            hadBackBuffer = backBuffer != nullptr;
            RequestQuit();
        }
    }
    int frames = 0;
    Color565 corner = 0;
    Color565 panel = 0;
    bool hadBackBuffer = false;
};

} // namespace

TEST(WindowGame, FirstFramesShowTheMenuOnItsBackground) {
    TemporaryDataFolder folder("first-frames");
    FirstFramesGame game;
    game.Run();
    EXPECT_EQ(game.frames, 3);
    EXPECT_EQ(game.corner, ToColor565(0xFFE7DB));
    EXPECT_EQ(game.panel, 0xFFFF) << "inside the white menu panel, below the entries";
    EXPECT_TRUE(game.hadBackBuffer);
    EXPECT_EQ(game.backBuffer, nullptr) << "freed with the window at the end of the run";
}
