// The frame loop and the partial present in a real window: an unchanged frame copies
// nothing, a changed pixel copies its own area, a repaint of the window makes the next
// present whole, and a key is answered with a frame at once even when the period is long.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "base/platform_win32.h"
#include "render/back_buffer.h"
#include "render/surface.h"
#include "support/printers.h"
#include "support/probe_app.h"

namespace {

// A probe whose every frame records what the previous frame's present copied.
class PresentProbe : public ProbeApp {
  public:
    explicit PresentProbe(const char* name) : ProbeApp(name) {}
    void OnStart() override {
        ProbeApp::OnStart();
        framePeriodMs = periodMs;
    }
    void DrawFrame() override {
        presented.push_back(backBuffer->lastPresented);
        ProbeApp::DrawFrame();
    }
    HWND Hwnd() const { return static_cast<HWND>(window); }

    int periodMs = 25;
    // Entry i: what the present of frame i copied (frame 0 is the one before the first).
    std::vector<ChangedAreas> presented;
};

bool IsWhole(const ChangedAreas& changed) {
    return changed.count == 1 && changed.areas[0] == Rect{0, 0, 640, 480};
}

} // namespace

TEST(WindowPresent, CopiesOnlyWhatChangedAndAllAfterARepaint) {
    PresentProbe app("Present Probe");
    // The first frames may follow the repaint of the newly shown window; from frame 4 on
    // the window is settled.
    app.script = [](ProbeApp& a) {
        if (a.frames == 5) {
            SurfacePixels[10 + 20 * SurfacePitch] = 0; // a black pixel on white
        } else if (a.frames == 7) {
            InvalidateRect(static_cast<HWND>(a.window), nullptr, FALSE);
        } else if (a.frames == 9) {
            a.RequestQuit();
        }
    };
    app.Run();
    ASSERT_EQ(app.presented.size(), 9u);
    EXPECT_TRUE(IsWhole(app.presented[1])) << "the first frame";
    EXPECT_EQ(app.presented[4].count, 0) << "an unchanged frame copies nothing";
    ASSERT_EQ(app.presented[5].count, 1);
    EXPECT_EQ(app.presented[5].areas[0], (Rect{10, 20, 11, 21}));
    EXPECT_EQ(app.presented[6].count, 1) << "the cleared pixel";
    EXPECT_EQ(app.presented[7].count, 0);
    EXPECT_TRUE(IsWhole(app.presented[8])) << "the repainted window is presented whole";
}

TEST(WindowPresent, AKeyIsAnsweredWithAFrameAtOnce) {
    PresentProbe app("Prompt Probe");
    app.periodMs = 60000; // a periodic frame would take a minute
    app.script = [](ProbeApp& a) {
        if (a.frames == 2) {
            PostMessageA(static_cast<HWND>(a.window), WM_KEYDOWN, 'A', 0);
        } else if (a.frames == 3) {
            a.RequestQuit();
        }
    };
    const auto start = std::chrono::steady_clock::now();
    app.Run();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(app.frames, 3);
    EXPECT_EQ(app.lastKey, 'A');
    EXPECT_LT(took, std::chrono::seconds(20)) << "the key waited for the period's frame";
}
