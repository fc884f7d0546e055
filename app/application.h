// Application: the root of the framework. It owns the one window, the back buffer and
// the frame loop (40 frames a second), and turns window messages into its 17 virtual
// operations, whose slot order is fixed: derived classes override by slot and only ever
// append new slots after them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/window_placement.h"
#include "base/color.h"
#include "base/key_bindings.h"
#include "base/platform_types.h"
#include "base/tick_timer.h"

class BackBuffer;
class FramePacer;

class Application {
  public:
    Application();
    // Slot 0: frees the back buffer (the window goes with the process).
    virtual ~Application();

    // Slot 1: the colour every frame starts from.
    virtual ColorRef GetBackgroundColor();
    // Slot 2: once, after the window and back buffer exist, before the first frame.
    virtual void OnStart() {}
    // Slot 3: once, after the frame loop has ended.
    virtual void OnExit() {}
    // Slot 4: draws one frame into the back buffer.
    virtual void DrawFrame() {}
    // Slot 5 (the framework's spare slot): the window was deactivated or minimised, so the
    // player is away; a game pauses here.
    virtual void OnDeactivate() {}
    // Slot 6: the window was activated while inactive.
    virtual void OnActivate() {}
    // Slot 7: the client area changed size (the back buffer is already rebuilt).
    virtual void OnResize(int newWidth, int newHeight);
    // Slot 8: never called by the program.
    virtual void DrawAlternateFrame() { DrawFrame(); }
    // Slots 9 to 14: mouse events in client pixels.
    virtual void OnMouseDown(int x, int y);
    virtual void OnMouseUp(int x, int y);
    virtual void OnDoubleClick(int x, int y);
    // The default only advances the shared random sequence; callers ignore the result.
    virtual int OnRightMouseDown(int x, int y);
    virtual void OnRightDoubleClick(int x, int y);
    virtual void OnMouseMove(int x, int y);
    // Slot 15: a key press, translated (see key_translation.h); returns whether handled.
    virtual bool OnKeyDown(int key, KeyBindings* bindings);
    // Slot 16: a key release, raw virtual-key code.
    virtual bool OnKeyUp(int key, KeyBindings* bindings);

    // Start-up, frame loop and shutdown; 0 when start-up failed, else the last message's
    // wParam.
    int Run();
    // Draws and presents one frame if allowed. onEvent: an input or window event asks.
    void Render(bool onEvent);
    void ClearToBackground();
    // Ends the frame loop at its next idle point.
    void RequestQuit() { quitRequested = true; }
    // Ends the run: OnExit once, however many ways the end arrives (the loop ending, the
    // session ending); no frame is drawn after it.
    void Shutdown();
    // Window creation (window_win32.cpp); false after reporting the failure in a message box.
    bool CreateAppWindow(const std::string& caption, int x, int y, int clientWidth,
                         int clientHeight, int bitsPerPixel, bool fullscreenMode);
    // The window procedure's work for one message (window_win32.cpp).
    std::intptr_t HandleMessage(WindowHandle hwnd, unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam);
    // After every render: the frame time and the frames-per-second window.
    void UpdateFrameStatistics();
    // A typed character from the window (a Windows-1252 code): handed to onCharacter
    // unless it is a control code, which arrives as a key instead.
    void DeliverCharacter(std::uintptr_t code);

    bool IsCompactScreen() const { return width <= 320; }
    // How large to draw for the client size, in thousandths of the 640 x 480 layout.
    int DisplayScale() const;
    bool IsTinyScreen() const { return width <= 176 && height <= 220; }
    bool IsNearlySquare() const {
        return width == height || (width > height && width < height + (width >> 3));
    }

    int Width() const { return width; }
    int Height() const { return height; }
    ModuleHandle Instance() const { return instance; }

    // Fields in the framework's declaration order; derived constructors configure them.
    bool animating = false;
    KeyBindings keys;
    std::string title = "Bramblewood Apps";
    int iconId = 101;
    int lastFrameMs = 0;
    int msThisSecond = 0;
    int framesPerSecond = 0;
    int frameCount = 0;
    int framesThisSecond = 0;
    int framePeriodMs = 25;
    TickTimer loopTimer;
    TickTimer frameTimer;
    bool resizable = true;
    WindowHandle window = nullptr;
    ModuleHandle instance = nullptr;
    bool doubleClickEvents = true;
    int width = 480;
    int height = 640;
    int minWidth = 240;
    int minHeight = 320;
    bool fullscreen = false;
    bool quitRequested = false;
    // Set by a maximise until its echoed size message has been passed over.
    bool maximizeEcho = false;
    bool active = false;
    bool running = false;
    char className[101] = {};
    BackBuffer* backBuffer = nullptr;
    bool leftButtonHeld = false;
    // Set by DrawFrame when what it drew changes only with input (no clock, no fade): once
    // such a frame presents nothing new, the loop rests until the next message.
    bool stillScreen = false;
    // Whether the loop may rest on a still screen; tests whose scripts count frames turn it
    // off so that every period still draws one.
    bool restWhenStill = true;
    // Set by DrawFrame when only a clock moves: milliseconds until it next shows a change.
    // The loop then rests that long (a message still draws at once); 0 draws every period.
    int quietMs = 0;
    // Called with each typed character (a Windows-1252 code, never below 0x20 nor 0x7F),
    // for text entry; keys still arrive through OnKeyDown. Empty: typing is ignored.
    std::function<void(unsigned char code)> onCharacter;
    // Where the window stood at the last exit (unknown when never saved), asked for before
    // the window opens; and where it stands as the loop ends, handed over to be kept.
    std::function<WindowPlacement()> loadPlacement;
    std::function<void(const WindowPlacement&)> savePlacement;

  private:
    bool CreateBackBuffer();
    void FreeBackBuffer();
    // Whether the back buffer (if any) has the client size.
    bool BackBufferFits() const;
    // Replaces the back buffer with one of the client size; on failure the old one stays
    // in use and false is returned, so a later size message or frame can try again.
    bool RebuildBackBuffer();
    // Takes the client size read from the window: a new size rebuilds the back buffer and
    // tells the game (OnResize); a minimised window's 0 x 0 is ignored.
    void AdoptClientSize(int clientWidth, int clientHeight);
    void RunFrameLoop(std::uintptr_t& lastWParam);
    // Whether the last present found nothing that differed from the frame before.
    bool LastFrameChangedNothing() const;
    // Lets the pacer rest after a still or quiet frame begun at frameUs; returns whether the
    // loop now rests for a quiet screen's own next change.
    bool RestAfterFrame(FramePacer& pacer, std::int64_t frameUs, bool restedQuietly);
    void HandleSize(WindowHandle hwnd, std::uintptr_t wParam, std::intptr_t lParam);
    void HandlePaint(WindowHandle hwnd);
    void HandleLeftPress(int x, int y);
    void HandleLeftRelease(int x, int y);
    void CloseWindow();
    // Destroys the window, unregisters its class and restores a changed display mode.
    void DestroyAppWindow();
    // The window's placement now (window_win32.cpp); in full screen, the one it left.
    WindowPlacement CurrentPlacement() const;
    // Puts the window where placement says (window_win32.cpp): its normal rectangle and
    // maximised state when known, then full screen when it was.
    void ApplyPlacement();
    // Switches between the window and a borderless full screen on its monitor
    // (window_win32.cpp); the way back restores the style and placement it left.
    void ToggleFullScreen();
    // ToggleFullScreen for a key press, but not for the key's auto-repeat.
    void ToggleFullScreenOnce(std::intptr_t lParam);

    // The display mode was switched for a full-screen run and must be restored.
    bool displayModeChanged = false;
    // The placement to open with, then the one a switch to full screen left.
    WindowPlacement placement;
    // Set while the window is the borderless full screen.
    bool fullScreenWindow = false;
    // Set once OnExit has run; the window then only takes the system's default handling.
    bool exited = false;
};

// The one application object, set by its constructor and cleared by its destructor.
extern Application* CurrentApplication;

// Allocates the one application object (game/arithmetic_game.cpp); null on failure.
Application* CreateApplication();

WindowHandle GetMainWindow();
int GetClientWidth();
int GetClientHeight();
