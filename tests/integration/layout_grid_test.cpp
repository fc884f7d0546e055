// The layout grid: a real game in a real window goes to every screen once (setup also with
// every operation off), and on each the window is resized by the system's resize path
// through client sizes of both orientations from 240 x 240 to 3840 x 2160. Each settled
// frame is checked from what it drew (support/layout_checks.h); failures are printed by
// size, screen and item.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"

namespace {

struct ClientSize {
    int width;
    int height;
};

// Both orientations of the common shapes, the nearly-square 500 x 480, squares, windows
// just taller than wide, and the extremes of the allowed range (largest 3840 x 2160,
// smallest side 240).
constexpr ClientSize Grid[] = {
    {240, 240},  {320, 240},  {240, 320},   {400, 240},   {240, 400},   {480, 320},   {320, 480},
    {640, 480},  {480, 640},  {500, 480},   {640, 640},   {640, 360},   {360, 640},   {800, 480},
    {800, 600},  {600, 800},  {1024, 768},  {768, 1024},  {1280, 720},  {720, 1280},  {1280, 1024},
    {1600, 900}, {900, 1600}, {1920, 1080}, {1080, 1920}, {2560, 1440}, {1215, 2160}, {3840, 2160},
    {1920, 240}, {240, 960},  {2160, 2160}, {3840, 240},  {480, 520},   {720, 760},
};

// Frames drawn after each resize before the check: the setup screen places its captions
// from the positions of the frame before.
constexpr int SettleFrames = 3;
// The size the tour goes on at between screens.
constexpr ClientSize TourSize = {640, 480};

bool IsGameScreen(const std::string& stop) {
    return stop.compare(0, 5, "setup") == 0 || stop == "play" || stop == "challenge";
}

// The tour's game, with the recorder emptied at the start of every frame so a check sees
// exactly the last frame.
class GridGame : public TourGame {
  public:
    void DrawFrame() override {
        recorder.Clear();
        TourGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

// Draws the window at the size and returns the rules its frame breaks, each prefixed with
// the size and the screen.
std::vector<std::string> CheckAtSize(GridGame& game, const std::string& stop, ClientSize size) {
    SetClientSize(game, size.width, size.height);
    for (int i = 0; i < SettleFrames; ++i) {
        game.Render(false);
    }
    char where[64];
    std::snprintf(where, sizeof where, "%dx%d %s: ", size.width, size.height, stop.c_str());
    if (game.width != size.width || game.height != size.height) {
        return {where + std::string("the window did not take this size (it is ") +
                std::to_string(game.width) + "x" + std::to_string(game.height) + ")"};
    }
    LayoutAllowances allowances;
    allowances.underlays.push_back(&game.answerPad);
    std::vector<std::string> problems =
        CheckFrameLayout(game.recorder, game.width, game.height, allowances);
    if (IsGameScreen(stop)) {
        const std::vector<std::string> keys = CheckKeypad(game.keypad, game.width, game.height);
        problems.insert(problems.end(), keys.begin(), keys.end());
    }
    for (std::string& problem : problems) {
        problem = where + problem;
    }
    return problems;
}

// One line per failing size and screen with its count, then every failure.
std::string Summarise(const std::vector<std::string>& failures) {
    std::map<std::string, int> perScreen;
    for (const std::string& failure : failures) {
        ++perScreen[failure.substr(0, failure.find(':'))];
    }
    std::string text = std::to_string(failures.size()) + " layout failures\n";
    for (const auto& entry : perScreen) {
        text += "  " + entry.first + ": " + std::to_string(entry.second) + "\n";
    }
    for (const std::string& failure : failures) {
        text += failure + "\n";
    }
    return text;
}

} // namespace

TEST(WindowLayoutGrid, EveryScreenFitsAtEverySize) {
    TemporaryDataFolder data("layout-grid");
    SoundRecorder silence;
    FakeClock clock;
    GridGame game;
    std::vector<std::string> failures;
    int screensChecked = 0;
    const auto walkGrid = [&](const std::string& screen) {
        for (const ClientSize& size : Grid) {
            const std::vector<std::string> found = CheckAtSize(game, screen, size);
            failures.insert(failures.end(), found.begin(), found.end());
        }
    };
    ScreenTour tour(game, EveryScreen(game, clock), [&](const TourStop& stop) {
        game.holdScript = true; // the frames drawn here must not step the tour
        walkGrid(stop.name);
        if (stop.name == "setup") {
            // Once more with every operation off, which adds a hint under "Start Game".
            const OperationChoice chosen = game.operations;
            game.operations = OperationChoice{false, false, false, false};
            walkGrid("setup_without_operations");
            game.operations = chosen;
        }
        SetClientSize(game, TourSize.width, TourSize.height);
        game.Render(false);
        game.holdScript = false;
        ++screensChecked;
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_TRUE(tour.missed.empty()) << "a screen was not the one expected: " << tour.missed[0];
    EXPECT_EQ(screensChecked, static_cast<int>(EveryScreen(game, clock).size()));
    EXPECT_TRUE(failures.empty()) << Summarise(failures);
}
