// Soak: forty whole games through the real window, one step per frame with the driven
// clock: visits to the options and high-score screens, games with a few answers up to the
// challenge and beyond, pauses, the clock running out and Space dismissing the game-over
// screen. Every screen must be the expected one when reached, and neither the process's
// private memory nor (where the system counts them) its GDI and USER objects may grow
// between a warm-up point and the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/platform_win32.h"

#include <psapi.h>

#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"

namespace {

constexpr int Games = 40;
// Resources are first read after these games: fonts, glyph caches and the table are warm.
constexpr int WarmUpGames = 5;
// Frames each step leaves for its screen to settle and be drawn again.
constexpr int SettleFrames = 3;
// Allowed growth from the warm-up point to the end.
constexpr long ObjectSlack = 2;
constexpr long long MemorySlackBytes = 256 * 1024;

struct ResourceUse {
    long gdiObjects = 0;
    long userObjects = 0;
    long long privateBytes = 0;
    long long heapBytes = 0;
};

// Bytes in use in every heap of the process: what the program's allocations hold, counted
// the same way on Windows and under Wine (whose commit charge does not follow the heaps).
long long HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
    long long total = 0;
    for (DWORD i = 0; i < count; ++i) {
        if (!HeapLock(heaps[i])) {
            continue;
        }
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                total += entry.cbData;
            }
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

ResourceUse ReadResourceUse() {
    ResourceUse use;
    use.gdiObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    use.userObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    use.heapBytes = HeapBytesInUse();
    // The commit charge: the process's private memory. Wine fills this field but not the
    // extended PrivateUsage, which on Windows holds the same figure.
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        use.privateBytes = static_cast<long long>(counters.PagefileUsage);
    }
    return use;
}

void PrintUse(const char* when, const ResourceUse& use, int frames) {
    std::printf("[soak] %-8s frame %5d: GDI objects %ld, USER objects %ld, private %.1f KiB, "
                "heaps %.1f KiB\n",
                when, frames, use.gdiObjects, use.userObjects, use.privateBytes / 1024.0,
                use.heapBytes / 1024.0);
}

// Builds the stops of the soak game by game; each round varies what the game does.
class SoakScript {
  public:
    SoakScript(ScriptedGame& g, FakeClock& c) : game(g), clock(c) {}

    void AddMenuVisits(int round) {
        if (round % 3 == 0) {
            Add(
                "options", [this] { Press('2'); },
                [this] { return OnScreen(ScreenState::Options); });
            Add(
                "sound toggled twice",
                [this] {
                    Press('1');
                    Press('1');
                },
                [this] { return OnScreen(ScreenState::Options); });
            Add(
                "menu", [this] { Press('0'); }, [this] { return OnScreen(ScreenState::MainMenu); });
        }
        if (round % 4 == 1) {
            const int entry = '1' + round % 5;
            Add(
                "high scores",
                [this, entry] {
                    Press('3');
                    Press(entry);
                },
                [this, entry] {
                    return OnScreen(ScreenState::HighScores) &&
                           game.highScoreSelector.Selected() == entry - '1';
                });
            Add(
                "menu", [this] { Press('0'); }, [this] { return OnScreen(ScreenState::MainMenu); });
        }
    }

    // A game with round % 13 right answers: ten reach the challenge, eleven answer it.
    void AddGame(int round) {
        Add(
            "setup", [this] { Press('1'); }, [this] { return InPlay() && game.setupMode; });
        Add(
            "play", [this] { Press('1'); }, [this] { return InPlay() && !game.setupMode; });
        for (int i = 0; i < round % 13; ++i) {
            Add(
                "answer", [this] { AnswerProblem(game); }, [this] { return InPlay(); });
        }
        if (round % 5 == 2) {
            Add(
                "pause", [this] { game.Pause(); }, [this] { return game.paused; });
            Add(
                "resume", [this] { game.OnMouseDown(1, 1); },
                [this] { return InPlay() && !game.setupMode; });
        }
        Add(
            "game over", [this] { clock.Advance(ClockRunOutMs); },
            [this] { return game.gameOver && !game.paused; });
        Add(
            "dismissed", [this] { Press(KeyCode::Space); },
            [this] { return InPlay() && game.setupMode; });
        Add(
            "menu", [this] { Press('0'); }, [this] { return OnScreen(ScreenState::MainMenu); });
    }

    // A stop that runs action when reached, without moving the game.
    void AddProbe(const char* name, std::function<void()> action) {
        stops.push_back({name, std::move(action), 0, nullptr});
    }

    std::vector<TourStop> stops;

  private:
    void Add(const char* name, std::function<void()> enter, std::function<bool()> isShown) {
        stops.push_back({name, std::move(enter), SettleFrames, std::move(isShown)});
    }
    void Press(int key) { PressKey(game, key); }
    bool OnScreen(ScreenState s) const { return game.screen == s; }
    bool InPlay() const { return game.IsInGame() && !game.paused && !game.gameOver; }

    ScriptedGame& game;
    FakeClock& clock;
};

} // namespace

TEST(WindowSoak, FortyGamesAcrossEveryScreenLeakNoGdiObjectsOrMemory) {
    TemporaryDataFolder folder("soak");
    SoundRecorder silence;
    FakeClock clock;
    ScriptedGame game(TourOptions);
    ResourceUse warm;
    ResourceUse end;
    int warmFrame = 0;
    SoakScript script(game, clock);
    for (int round = 0; round < Games; ++round) {
        if (round == WarmUpGames) {
            script.AddProbe("warm-up", [&] {
                warm = ReadResourceUse();
                warmFrame = game.frames;
            });
        }
        script.AddMenuVisits(round);
        script.AddGame(round);
    }
    script.AddProbe("end", [&] { end = ReadResourceUse(); });
    ScreenTour tour(game, script.stops, [](const TourStop&) {});
    game.Run();

    PrintUse("warm-up", warm, warmFrame);
    PrintUse("end", end, game.frames);
    ASSERT_TRUE(tour.Finished()) << "stopped after " << game.frames << " frames";
    EXPECT_TRUE(tour.missed.empty())
        << tour.missed.size() << " screens not as expected, first " << tour.missed.front();
    EXPECT_GT(game.frames, 2000);
    EXPECT_GT(game.highScores[0].level, 1) << "a game that answered the challenge ranks first";
    EXPECT_GT(warm.privateBytes, 0) << "the memory counters were read";
    EXPECT_GT(warm.heapBytes, 0) << "the heaps were walked";
    EXPECT_LE(end.privateBytes - warm.privateBytes, MemorySlackBytes);
    EXPECT_LE(end.heapBytes - warm.heapBytes, MemorySlackBytes);
    // Wine answers 0 for every object count; Windows counts them.
    if (warm.gdiObjects == 0) {
        std::printf("[soak] this system does not count GDI or USER objects\n");
        return;
    }
    EXPECT_LE(end.gdiObjects - warm.gdiObjects, ObjectSlack);
    EXPECT_LE(end.userObjects - warm.userObjects, ObjectSlack);
}
