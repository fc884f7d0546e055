// Application: construction, start-up, the 25 ms frame loop (a frame at once for an input,
// otherwise one a period), rendering and frame statistics.
#include "app/application.h"

#include <new>

#include "app/display_scale.h"
#include "app/frame_pacer.h"
#include "app/window.h"
#include "base/random.h"
#include "base/system_clock.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "text/text.h"
#include "text/translate.h"
#include "ui/widget.h"

Application* CurrentApplication = nullptr;

namespace {

// Client size used when none was configured.
constexpr int FallbackWidth = 480;
constexpr int FallbackHeight = 640;
constexpr int FramePeriodMs = 25;
// Where the window is placed; it is not centred.
constexpr int WindowX = 100;
constexpr int WindowY = 100;
constexpr int FullscreenBitsPerPixel = 16;

} // namespace

Application::Application() {
    CurrentApplication = this;
    ResetCurrentFont();
}

Application::~Application() {
    FreeBackBuffer();
    // Nothing may reach a destroyed application through the program-wide pointer.
    if (CurrentApplication == this) {
        CurrentApplication = nullptr;
    }
}

ColorRef Application::GetBackgroundColor() {
    return 0xFFFFFF;
}

void Application::OnResize(int, int) {}

int Application::DisplayScale() const {
    return ::DisplayScale(width, height);
}
void Application::OnMouseDown(int, int) {}
void Application::OnMouseUp(int, int) {}
void Application::OnDoubleClick(int, int) {}
int Application::OnRightMouseDown(int, int) {
    return RandomInRange(1000, 10000000);
}
void Application::OnRightDoubleClick(int, int) {}
void Application::OnMouseMove(int, int) {}
bool Application::OnKeyDown(int, KeyBindings*) {
    return false;
}
bool Application::OnKeyUp(int, KeyBindings*) {
    return false;
}

void Application::DeliverCharacter(std::uintptr_t code) {
    // Backspace, Enter, Esc and the other control codes come as keys; Delete is 0x7F.
    constexpr std::uintptr_t FirstPrintable = 0x20;
    constexpr std::uintptr_t DeleteCode = 0x7F;
    constexpr std::uintptr_t LastCode = 0xFF;
    if (code < FirstPrintable || code == DeleteCode || code > LastCode || !onCharacter) {
        return;
    }
    onCharacter(static_cast<unsigned char>(code));
}

int Application::Run() {
    SeedRandom(CalendarSeconds());
    if (fullscreen) {
        ReadScreenSize(width, height);
    }
    if (width == 0 || height == 0) {
        width = FallbackWidth;
        height = FallbackHeight;
    }
    if (loadPlacement) {
        placement = ChooseSavedPlacement(loadPlacement());
    }
    if (!fullscreen) {
        // The size is given for a 96 DPI screen; on a scaled screen the window grows with it
        // and the game draws larger instead of being stretched.
        const int dotsPerInch = ScreenDotsPerInch(placement);
        width = ScaledForDotsPerInch(width, dotsPerInch);
        height = ScaledForDotsPerInch(height, dotsPerInch);
    }
    keys = KeyBindings{};
    if (!CreateAppWindow(title, WindowX, WindowY, width, height, FullscreenBitsPerPixel,
                         fullscreen)) {
        DestroyAppWindow(); // the class may already be registered
        return 0;
    }
    displayModeChanged = fullscreen;
    if (!CreateBackBuffer()) {
        ShowErrorBox(Tr("Failed To Create The Drawing Surface."));
        DestroyAppWindow();
        return 0;
    }
    lastFrameMs = msThisSecond = framesPerSecond = framesThisSecond = frameCount = 0;
    frameTimer.Restart();
    loopTimer.Restart();
    framePeriodMs = FramePeriodMs;
    ClearToBackground();
    OnStart();
    active = true;
    running = true;
    Render(true);

    std::uintptr_t lastWParam = 0;
    BeginFineTimer();
    RunFrameLoop(lastWParam);
    EndFineTimer();
    Shutdown();
    // The buffer's device contexts belong to the window, so they go before it.
    FreeBackBuffer();
    DestroyAppWindow();
    return static_cast<int>(lastWParam);
}

void Application::Shutdown() {
    running = false;
    quitRequested = true;
    if (!exited) {
        exited = true;
        // With the other files, so a session's end, which may end the process, saves it too.
        if (savePlacement) {
            savePlacement(CurrentPlacement());
        }
        OnExit();
    }
}

void Application::RunFrameLoop(std::uintptr_t& lastWParam) {
    FramePacer pacer;
    // Set while the loop rests for a quiet screen; any message clears it.
    bool restedQuietly = false;
    for (;;) {
        active = true;
        const PumpResult pumped = PumpOneMessage(lastWParam);
        if (pumped == PumpResult::Quit) {
            return;
        }
        if (pumped != PumpResult::Empty) {
            pacer.OnMessage();
            restedQuietly = false;
            if (pumped == PumpResult::Prompt) {
                pacer.RequestPromptFrame();
            }
            continue; // all waiting messages are handled before the next frame
        }
        if (quitRequested) {
            return;
        }
        if (fullscreen) {
            animating = true;
        }
        if (!active || !animating) {
            WaitForMessages(framePeriodMs);
            continue;
        }
        const std::int64_t nowUs = PreciseMicroseconds();
        if (!pacer.FrameDue(nowUs)) {
            // Woken early by a message, the loop takes it and waits again for the rest.
            WaitForMessages(pacer.WaitMs(nowUs));
            continue;
        }
        loopTimer.Restart();
        stillScreen = false;
        quietMs = 0;
        Render(false);
        pacer.OnFrame(nowUs, std::int64_t{framePeriodMs} * 1000);
        restedQuietly = RestAfterFrame(pacer, nowUs, restedQuietly);
    }
}

bool Application::RestAfterFrame(FramePacer& pacer, std::int64_t frameUs, bool restedQuietly) {
    if (!restWhenStill) {
        return false;
    }
    const bool settled = LastFrameChangedNothing();
    if (stillScreen) {
        if (settled) {
            pacer.Rest();
        }
        return false;
    }
    // A frame answering input may leave a change for the next one to show, so a quiet
    // screen first waits for a frame that changed nothing; after a rest no message broke,
    // nothing is pending. The rest runs from now, when the screen measured its time.
    if (quietMs <= 0 || !(settled || restedQuietly)) {
        return false;
    }
    pacer.Rest(PreciseMicroseconds() - frameUs + std::int64_t{quietMs} * 1000);
    return true;
}

void Application::Render(bool onEvent) {
    // While animating, the loop draws every period and event redraws are left to it.
    if (!active || !running || quitRequested || (onEvent && animating)) {
        return;
    }
    int clientWidth = width;
    int clientHeight = height;
    ReadClientSize(window, clientWidth, clientHeight);
    AdoptClientSize(clientWidth, clientHeight);
    ClearInputList();
    ClearToBackground();
    if (backBuffer != nullptr) {
        DrawFrame();
        backBuffer->Present(0);
    }
    UpdateFrameStatistics();
}

void Application::AdoptClientSize(int clientWidth, int clientHeight) {
    // A minimised window reads 0 x 0; keeping the last real size means a restore to it
    // needs no new back buffer.
    if (clientWidth <= 0 || clientHeight <= 0) {
        return;
    }
    const bool changed = clientWidth != width || clientHeight != height;
    width = clientWidth;
    height = clientHeight;
    if (!BackBufferFits()) {
        RebuildBackBuffer(); // also retries a rebuild that failed earlier
    }
    if (changed) {
        OnResize(clientWidth, clientHeight);
    }
}

bool Application::LastFrameChangedNothing() const {
    return backBuffer != nullptr && backBuffer->lastPresented.count == 0;
}

void Application::ClearToBackground() {
    if (backBuffer != nullptr) {
        backBuffer->Clear(ToColor565(GetBackgroundColor()));
    }
}

void Application::UpdateFrameStatistics() {
    lastFrameMs = static_cast<int>(frameTimer.Elapsed());
    frameTimer.Restart();
    msThisSecond += lastFrameMs;
    ++frameCount;
    // The frame that closes a one-second window is not counted in it.
    if (msThisSecond > 1000) {
        framesPerSecond = framesThisSecond;
        msThisSecond = 0;
        framesThisSecond = 0;
    } else {
        ++framesThisSecond;
    }
}

namespace {

// A back buffer of the given size, or null when it cannot be made: drawing into a DIB
// section without pixels would write through null.
BackBuffer* MakeBackBuffer(WindowHandle window, int width, int height) {
    auto* made = new (std::nothrow) BackBuffer(window, width, height);
    if (made != nullptr && made->pixels == nullptr) {
        made->Destroy();
        delete made;
        made = nullptr;
    }
    return made;
}

} // namespace

bool Application::CreateBackBuffer() {
    backBuffer = MakeBackBuffer(window, width, height);
    if (backBuffer == nullptr) {
        return false;
    }
    backBuffer->Publish();
    ClearToBackground();
    return true;
}

bool Application::BackBufferFits() const {
    return backBuffer == nullptr || (backBuffer->width == width && backBuffer->height == height);
}

bool Application::RebuildBackBuffer() {
    BackBuffer* rebuilt = MakeBackBuffer(window, width, height);
    if (rebuilt == nullptr) {
        backBuffer->Publish(); // the failed attempt unpublished its context; keep the old one
        return false;
    }
    FreeBackBuffer();
    backBuffer = rebuilt;
    backBuffer->Publish();
    ClearToBackground();
    return true;
}

void Application::FreeBackBuffer() {
    if (backBuffer != nullptr) {
        backBuffer->Destroy();
        delete backBuffer;
        backBuffer = nullptr;
    }
}

WindowHandle GetMainWindow() {
    return CurrentApplication != nullptr ? CurrentApplication->window : nullptr;
}

int GetClientWidth() {
    int w = 0;
    int h = 0;
    ReadClientSize(GetMainWindow(), w, h);
    return w;
}

int GetClientHeight() {
    int w = 0;
    int h = 0;
    ReadClientSize(GetMainWindow(), w, h);
    return h;
}
