// The real window's size, activation and session-end handling under Xvfb: a size message
// that changes nothing, a resize to a new buffer with the old one freed, minimise and
// restore without a rebuild, a rebuild that fails and is retried, a maximise and its echo,
// reactivation, and the end of a Windows session saving once.
#include <gtest/gtest.h>

#include "base/platform_win32.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "support/client_size.h"
#include "support/probe_app.h"

namespace {

HWND Hwnd(const Application& app) {
    return static_cast<HWND>(app.window);
}

// A resizable probe window; each test scripts what happens from its first frame on.
struct ResizableProbe : ProbeApp {
    explicit ResizableProbe(const char* name) : ProbeApp(name) { resizable = true; }
};

void SendSize(const Application& app, WPARAM kind) {
    RECT client = {};
    GetClientRect(Hwnd(app), &client);
    SendMessageA(Hwnd(app), WM_SIZE, kind, MAKELPARAM(client.right, client.bottom));
}

} // namespace

TEST(WindowSize, ASizeMessageThatChangesNothingKeepsTheBuffer) {
    ResizableProbe app("Size Same");
    const BackBuffer* before = nullptr;
    const BackBuffer* after = nullptr;
    app.script = [&](ProbeApp& a) {
        before = a.backBuffer;
        SendSize(a, SIZE_RESTORED);
        after = a.backBuffer;
        a.RequestQuit();
    };
    app.Run();
    EXPECT_EQ(before, after);
    EXPECT_EQ(app.resizes, 0);
}

TEST(WindowSize, AResizeBuildsANewBufferAndFreesTheOldContexts) {
    ResizableProbe app("Size Grow");
    HDC oldMemoryDC = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    Rect clip = {};
    int bufferWidth = 0;
    int bufferHeight = 0;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            oldMemoryDC = static_cast<HDC>(a.backBuffer->memoryDC);
            oldBitmap = static_cast<HGDIOBJ>(a.backBuffer->bitmap);
            SetClientSize(a, 800, 600);
        } else {
            GetClipRect(&clip);
            bufferWidth = a.backBuffer->width;
            bufferHeight = a.backBuffer->height;
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.resizes, 1);
    EXPECT_EQ(bufferWidth, 800);
    EXPECT_EQ(bufferHeight, 600);
    EXPECT_EQ(clip.right, 800);
    EXPECT_EQ(clip.bottom, 600);
    EXPECT_EQ(GetObjectType(oldMemoryDC), 0u) << "the old memory context was deleted";
    EXPECT_EQ(GetObjectType(oldBitmap), 0u) << "the old DIB section was deleted";
}

TEST(WindowSize, MinimiseAndRestoreKeepTheBufferAndSize) {
    ResizableProbe app("Size Minimise");
    const BackBuffer* before = nullptr;
    int widthWhileMinimised = 0;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            before = a.backBuffer;
            ShowWindow(Hwnd(a), SW_MINIMIZE);
        } else if (a.frames == 2) {
            a.Render(false); // a frame drawn while minimised
            widthWhileMinimised = a.width;
            ShowWindow(Hwnd(a), SW_RESTORE);
        } else if (a.frames >= 4) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(widthWhileMinimised, 640) << "a minimised window keeps its last real size";
    EXPECT_GE(app.deactivations, 1) << "minimising tells the application the player is away";
    EXPECT_EQ(app.backBuffer, nullptr) << "freed at exit";
    EXPECT_EQ(app.resizes, 0);
    EXPECT_NE(before, nullptr);
}

TEST(WindowSize, AFailedRebuildKeepsTheOldBufferAndIsRetried) {
    ResizableProbe app("Size Fail");
    const BackBuffer* old = nullptr;
    const BackBuffer* afterFailure = nullptr;
    const Color565* pixelsAfterFailure = nullptr;
    int retriedWidth = 0;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            old = a.backBuffer;
            FailNextBackBuffersForTests(2); // the size message's and the next frame's tries
            SetClientSize(a, 700, 500);
            afterFailure = a.backBuffer;
            pixelsAfterFailure = SurfacePixels;
        } else if (a.frames == 3) {
            retriedWidth = a.backBuffer->width;
            a.RequestQuit();
        }
    };
    app.Run();
    FailNextBackBuffersForTests(0);
    EXPECT_EQ(afterFailure, old) << "the old buffer stays until a new one exists";
    EXPECT_NE(pixelsAfterFailure, nullptr) << "and stays the drawing surface";
    EXPECT_EQ(retriedWidth, 700) << "a later frame builds the buffer at the new size";
    EXPECT_EQ(app.frames, 3) << "frames went on while the rebuild failed";
}

TEST(WindowSize, OnlyTheMaximiseEchoIsPassedOver) {
    ResizableProbe app("Size Maximise");
    bool echoPending = true;
    int resizesAtMaximise = 0;
    int resizesAfterRestore = 0;
    int widthAfterRestore = 0;
    bool buttonHeld = true;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            ShowWindow(Hwnd(a), SW_MAXIMIZE);
            echoPending = a.maximizeEcho;
            resizesAtMaximise = a.resizes;
            buttonHeld = a.leftButtonHeld;
            SetClientSize(a, 500, 400); // no mouse move in between: still handled at once
            resizesAfterRestore = a.resizes;
            widthAfterRestore = a.backBuffer->width;
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_FALSE(echoPending) << "the echo was taken and passed over";
    EXPECT_EQ(resizesAtMaximise, 1);
    EXPECT_FALSE(buttonHeld) << "a maximise is not a held mouse button";
    EXPECT_EQ(resizesAfterRestore, 2);
    EXPECT_EQ(widthAfterRestore, 500);
}

TEST(WindowSize, DeactivationAndReactivationAreEachReportedOnce) {
    ResizableProbe app("Size Activate");
    bool inactive = false;
    int activationsBefore = 0;
    int deactivationsBefore = 0;
    app.script = [&](ProbeApp& a) {
        activationsBefore = a.activations; // the system may have activated it already
        deactivationsBefore = a.deactivations;
        SendMessageA(Hwnd(a), WM_ACTIVATE, WA_INACTIVE, 0);
        inactive = !a.active;
        SendMessageA(Hwnd(a), WM_ACTIVATE, WA_ACTIVE, 0);
        SendMessageA(Hwnd(a), WM_ACTIVATE, WA_ACTIVE, 0); // already active: no second call
        a.RequestQuit();
    };
    app.Run();
    EXPECT_TRUE(inactive);
    EXPECT_EQ(app.activations - activationsBefore, 1);
    EXPECT_EQ(app.deactivations - deactivationsBefore, 1);
}

TEST(WindowSession, TheEndOfASessionRunsOnExitOnceAndDrawsNoMore) {
    ResizableProbe app("Session End");
    LRESULT query = FALSE;
    int framesAtEnd = 0;
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            query = SendMessageA(Hwnd(a), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
            SendMessageA(Hwnd(a), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            framesAtEnd = a.frames;
            PostMessageA(Hwnd(a), WM_KEYDOWN, 'A', 0); // input after the end reaches nothing
        }
    };
    app.Run();
    EXPECT_EQ(query, TRUE) << "the program lets the session end";
    EXPECT_EQ(app.exits, 1) << "once at the session's end, not again when the loop stops";
    EXPECT_EQ(app.frames, framesAtEnd);
    EXPECT_EQ(app.lastKey, 0);
}

TEST(WindowSession, ACancelledSessionEndChangesNothing) {
    ResizableProbe app("Session Cancel");
    app.script = [&](ProbeApp& a) {
        if (a.frames == 1) {
            SendMessageA(Hwnd(a), WM_QUERYENDSESSION, 0, 0);
            SendMessageA(Hwnd(a), WM_ENDSESSION, FALSE, 0);
        } else if (a.frames == 3) {
            a.RequestQuit();
        }
    };
    app.Run();
    EXPECT_EQ(app.frames, 3);
    EXPECT_EQ(app.exits, 1);
}
