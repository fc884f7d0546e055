// Frame benchmark: the real game in a 640 x 480 window, driven to each screen, renders that
// screen many times through Application::Render (clear, draw, present to the window) and
// prints per screen the median and 99th-percentile frame time in microseconds, the share of
// the 25 ms frame period the median uses and the pixels the last present copied. With the
// clock stopped the frames repeat, so nothing is copied; the play screen is timed again
// with its clock text changing every frame. First come the floors: a clear and an unchanged
// present, and a clear and a whole present. Fixed seed, a driven clock, no sound.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "render/back_buffer.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"

namespace {

// Timed frames per screen, after this many untimed ones.
constexpr int TimedFrames = 400;
constexpr int WarmUpFrames = 20;
constexpr double FramePeriodUs = 25000.0;

struct FrameTimes {
    double medianUs;
    double p99Us;
};

template <typename Frame> FrameTimes TimeFrames(Frame frame) {
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < WarmUpFrames; ++i) {
        frame();
    }
    std::vector<double> us;
    us.reserve(TimedFrames);
    for (int i = 0; i < TimedFrames; ++i) {
        const Clock::time_point start = Clock::now();
        frame();
        const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        us.push_back(elapsed.count());
    }
    std::sort(us.begin(), us.end());
    const std::size_t p99 = std::min(us.size() * 99 / 100, us.size() - 1);
    return FrameTimes{us[us.size() / 2], us[p99]};
}

// Pixels the last present copied to the window.
int CopiedPixels(const BackBuffer& buffer) {
    int pixels = 0;
    for (int i = 0; i < buffer.lastPresented.count; ++i) {
        const Rect& r = buffer.lastPresented.areas[i];
        pixels += (r.right - r.left) * (r.bottom - r.top);
    }
    return pixels;
}

void PrintRow(const char* name, const FrameTimes& t, const BackBuffer& buffer) {
    std::printf("%-18s %8d %12.1f %12.1f %13.2f%% %10d\n", name, TimedFrames, t.medianUs, t.p99Us,
                100.0 * t.medianUs / FramePeriodUs, CopiedPixels(buffer));
}

void TimeFloors(TourGame& game) {
    BackBuffer& buffer = *game.backBuffer;
    PrintRow("clear+present", TimeFrames([&] {
                 game.ClearToBackground();
                 buffer.Present(0);
             }),
             buffer);
    PrintRow("clear+whole", TimeFrames([&] {
                 game.ClearToBackground();
                 buffer.PresentWholeNext();
                 buffer.Present(0);
             }),
             buffer);
}

// Times the game's current screen; the tour's hook is held meanwhile so the nested frames
// do not move the game on. Play is timed a second time with the clock moving one second
// forward and back on alternate frames, so each frame changes the clock's text.
void TimeScreen(TourGame& game, FakeClock& clock, const TourStop& stop, bool& floorDone) {
    game.holdScript = true;
    if (!floorDone) {
        TimeFloors(game);
        floorDone = true;
    }
    PrintRow(stop.name.c_str(), TimeFrames([&] { game.Render(false); }), *game.backBuffer);
    if (stop.name == "play") {
        bool forward = true;
        PrintRow("play, clock text", TimeFrames([&] {
                     clock.Advance(forward ? 1000u : 0u - 1000u);
                     forward = !forward;
                     game.Render(false);
                 }),
                 *game.backBuffer);
    }
    game.holdScript = false;
}

} // namespace

int main() {
    TemporaryDataFolder data("frame-bench");
    SoundRecorder silence;
    FakeClock clock;
    TourGame game;
    bool floorDone = false;
    std::printf("%-18s %8s %12s %12s %14s %10s\n", "screen", "frames", "median us", "p99 us",
                "median/25ms", "copied px");
    ScreenTour tour(game, EveryScreen(game, clock),
                    [&](const TourStop& stop) { TimeScreen(game, clock, stop, floorDone); });
    game.Run();
    for (const std::string& name : tour.missed) {
        std::printf("%s: the screen shown was not the one expected\n", name.c_str());
    }
    std::fflush(stdout);
    return tour.Finished() && tour.missed.empty() ? 0 : 1;
}
