// Frame benchmark: the real game in a 640 x 480, a 1280 x 960 and a 1920 x 1080 window, driven
// to each screen, renders it many times through Application::Render (clear, draw, present)
// and prints per screen the median and 99th-percentile frame time in microseconds, the share
// of the 25 ms period the median uses and the pixels the last present copied; with the clock
// stopped the frames repeat, so nothing is copied, and play is timed again with its clock
// text changing every frame. Each size starts with the floors (a clear and an unchanged
// present, a clear and a whole present); a summary compares the medians with 640 x 480's.
// Fixed seed, a driven clock, no sound; the progress screen has 200 sample games behind it,
// the most its game list keeps.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "render/back_buffer.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/history_builder.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"
#include "ui/widget.h"

namespace {

// Timed frames per screen, after this many untimed ones.
constexpr int TimedFrames = 400;
constexpr int WarmUpFrames = 20;
constexpr double FramePeriodUs = 25000.0;
// How much slower than at 640 x 480 a larger window's frame may be.
constexpr double AllowedSlowdown = 4.0;

struct WindowSize {
    int width;
    int height;
};

constexpr WindowSize Sizes[] = {{640, 480}, {1280, 960}, {1920, 1080}};
constexpr int SizeCount = sizeof(Sizes) / sizeof(Sizes[0]);

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

// One row of the summary: a timed frame's name and its median at each size.
struct SummaryRow {
    std::string name;
    double medianUs[SizeCount];
};

// The medians of every size run so far, rows in the order first timed.
struct Summary {
    std::vector<SummaryRow> rows;
    int size = 0;

    void Record(const char* name, double medianUs) {
        for (SummaryRow& row : rows) {
            if (row.name == name) {
                row.medianUs[size] = medianUs;
                return;
            }
        }
        SummaryRow row{name, {}};
        row.medianUs[size] = medianUs;
        rows.push_back(row);
    }
};

// A row of the size's table; a frame that was not presented (null buffer) copies nothing.
void PrintRow(Summary& summary, const char* name, const FrameTimes& t, const BackBuffer* buffer) {
    summary.Record(name, t.medianUs);
    std::printf("%-18s %8d %12.1f %12.1f %13.2f%% %10d\n", name, TimedFrames, t.medianUs, t.p99Us,
                100.0 * t.medianUs / FramePeriodUs, buffer != nullptr ? CopiedPixels(*buffer) : 0);
}

void TimeFloors(ScriptedGame& game, Summary& summary) {
    BackBuffer& buffer = *game.backBuffer;
    PrintRow(summary, "clear+present", TimeFrames([&] {
                 game.ClearToBackground();
                 buffer.Present(0);
             }),
             &buffer);
    PrintRow(summary, "clear+whole", TimeFrames([&] {
                 game.ClearToBackground();
                 buffer.PresentWholeNext();
                 buffer.Present(0);
             }),
             &buffer);
}

// Times the game's current screen, whole frames and then the clear and drawing alone (no
// present), so a slow frame shows whether drawing or presenting takes the time; the tour's
// hook is held meanwhile so the nested frames do not move the game on. Play is timed a
// second time with the clock moving one second forward and back on alternate frames, so
// each frame changes the clock's text.
void TimeScreen(ScriptedGame& game, FakeClock& clock, const TourStop& stop, Summary& summary,
                bool& floorDone) {
    game.holdScript = true;
    if (!floorDone) {
        TimeFloors(game, summary);
        floorDone = true;
    }
    PrintRow(summary, stop.name.c_str(), TimeFrames([&] { game.Render(false); }), game.backBuffer);
    PrintRow(summary, (stop.name + ", draw").c_str(), TimeFrames([&] {
                 ClearInputList();
                 game.ClearToBackground();
                 game.DrawFrame();
             }),
             nullptr);
    if (stop.name == "play") {
        bool forward = true;
        PrintRow(summary, "play, clock text", TimeFrames([&] {
                     clock.Advance(forward ? 1000u : 0u - 1000u);
                     forward = !forward;
                     game.Render(false);
                 }),
                 game.backBuffer);
    }
    game.holdScript = false;
}

// Runs the tour in a window of one size, timing every screen; false when a screen was
// missed or the tour did not finish.
bool TimeEveryScreen(const WindowSize& size, Summary& summary) {
    TemporaryDataFolder data("frame-bench");
    SoundRecorder silence;
    FakeClock clock;
    ScriptedGame game(TourOptions);
    game.width = size.width;
    game.height = size.height;
    SampleHistoryMaker(20261208).Fill(game.progress.history, MaxProgressGames);
    bool floorDone = false;
    std::printf("%d x %d\n%-18s %8s %12s %12s %14s %10s\n", size.width, size.height, "screen",
                "frames", "median us", "p99 us", "median/25ms", "copied px");
    ScreenTour tour(game, EveryScreen(game, clock), [&](const TourStop& stop) {
        TimeScreen(game, clock, stop, summary, floorDone);
    });
    game.Run();
    for (const std::string& name : tour.missed) {
        std::printf("%s: the screen shown was not the one expected\n", name.c_str());
    }
    std::printf("\n");
    return tour.Finished() && tour.missed.empty();
}

// The medians side by side, each larger size also as a multiple of 640 x 480's; a row over
// the allowed slowdown is marked.
void PrintSummary(const Summary& summary) {
    std::printf("%-18s", "median us");
    for (const WindowSize& size : Sizes) {
        const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
        std::printf(size.width == Sizes[0].width ? " %10s" : " %18s", name.c_str());
    }
    std::printf("\n");
    for (const SummaryRow& row : summary.rows) {
        const double base = row.medianUs[0];
        std::printf("%-18s %10.1f", row.name.c_str(), base);
        bool over = false;
        for (int i = 1; i < SizeCount; ++i) {
            const double ratio = base > 0.0 ? row.medianUs[i] / base : 0.0;
            over = over || ratio > AllowedSlowdown;
            std::printf(" %10.1f (%4.2fx)", row.medianUs[i], ratio);
        }
        std::printf("%s\n", over ? "  slower than allowed" : "");
    }
}

} // namespace

int main() {
    Summary summary;
    bool complete = true;
    for (const WindowSize& size : Sizes) {
        complete = TimeEveryScreen(size, summary) && complete;
        ++summary.size;
    }
    PrintSummary(summary);
    std::fflush(stdout);
    return complete ? 0 : 1;
}
