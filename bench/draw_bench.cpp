// Drawing benchmark: times the primitives and styled text on a real 640 x 480 16-bit DIB
// section (a BackBuffer over a hidden window, so GDI glyph output is measured too) and
// prints, per operation, the median and 99th-percentile time of one call in microseconds.
// Short calls are timed in batches and divided, so the clock's resolution does not count.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/application.h"
#include "base/platform_win32.h"
#include "render/back_buffer.h"
#include "render/primitives.h"
#include "render/surface.h"
#include "text/text.h"

namespace {

constexpr int SurfaceWidthPx = 640;
constexpr int SurfaceHeightPx = 480;
// Timed samples per operation, after this many untimed warm-up batches.
constexpr int Samples = 400;
constexpr int WarmUpBatches = 20;
// A styled line of 40 visible characters with two colour tags.
constexpr char StyledLine[] = "Level [red]12[/]: (3 + 4) x 5 = [green]35[/] - well done!!";

struct Timing {
    double medianUs;
    double p99Us;
};

// Runs op in batches of callsPerSample and returns the per-call median and 99th percentile.
template <typename Op> Timing Measure(int callsPerSample, Op op) {
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < WarmUpBatches * callsPerSample; ++i) {
        op(i);
    }
    std::vector<double> perCallUs;
    perCallUs.reserve(Samples);
    for (int s = 0; s < Samples; ++s) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < callsPerSample; ++i) {
            op(i);
        }
        const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        perCallUs.push_back(elapsed.count() / callsPerSample);
    }
    std::sort(perCallUs.begin(), perCallUs.end());
    const auto p99 = static_cast<std::size_t>(perCallUs.size() * 99 / 100);
    return Timing{perCallUs[perCallUs.size() / 2], perCallUs[std::min(p99, perCallUs.size() - 1)]};
}

void PrintRow(const char* name, int callsPerSample, const Timing& t) {
    std::printf("%-44s %8d %10.3f %10.3f\n", name, callsPerSample, t.medianUs, t.p99Us);
}

// Colours alternate so that no call writes what is already there.
ColorRef Alternate(int i) {
    return (i & 1) != 0 ? 0x3366CC : 0xFFE7DB;
}

void RunTable(Font& font) {
    std::printf("%-44s %8s %10s %10s\n", "operation (per call)", "batch", "median us", "p99 us");
    PrintRow("HLine across 640 pixels", 1000,
             Measure(1000, [](int i) { HLine(0, i % SurfaceHeightPx, 639, Alternate(i)); }));
    PrintRow("FillRect of the whole 640 x 480 surface", 10, Measure(10, [](int i) {
                 const Rect all{0, 0, SurfaceWidthPx, SurfaceHeightPx};
                 FillRect(&all, Alternate(i));
             }));
    PrintRow("DrawLine (0,40)-(639,200), antialiased", 100,
             Measure(100, [](int i) { DrawLine(0, 40, 639, 200, Alternate(i)); }));
    TextStyle style = MarkupStyle(0x000000);
    PrintRow("DrawText of a 40-character styled line", 1, Measure(1, [&](int i) {
                 style.colour = (i & 1) != 0 ? 0x000000 : 0x802020;
                 DrawText(StyledLine, 10, 100 + (i % 300), style);
             }));
    std::printf("\nstyled line: %d glyphs laid out, %d line(s); Verdana 18: height %d, space %d,"
                " baseline shift %d\n",
                font.layoutCount, style.lineCount, font.height, font.spaceWidth,
                font.baselineShift);
}

} // namespace

int main() {
    Application host; // answers GetClientWidth/Height for layout through its window
    host.window =
        CreateWindowExA(0, "STATIC", "Quickfigure benchmark", WS_POPUP, 0, 0, SurfaceWidthPx,
                        SurfaceHeightPx, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    BackBuffer buffer(host.window, SurfaceWidthPx, SurfaceHeightPx);
    if (host.window == nullptr || buffer.pixels == nullptr) {
        std::fprintf(stderr, "could not create the window or the drawing surface\n");
        return 1;
    }
    buffer.Publish();
    Font font("Verdana", 18);
    font.SetFixedAdvance(font.CharWidth('0'));
    SetCurrentFont(&font);
    RunTable(font);
    ResetCurrentFont();
    font.Destroy();
    buffer.Destroy();
    DestroyWindow(static_cast<HWND>(host.window));
    host.window = nullptr;
    return 0;
}
