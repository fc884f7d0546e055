// The facts screen and its setup control in a real window at every size of the layout grid:
// the screen with tables chosen and a refused typed table, or with x and / switched off,
// shows every control and what it says (in a smaller font where the window is small), and
// the setup screen shows its "Facts" button and the summary line, or the warning in its
// place, without breaking the rules of every frame.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/layout_sizes.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"

namespace {

// Frames drawn after each resize: the setup screen places its captions from the frame before.
constexpr int SettleFrames = 3;
// The sizes where the setup screen's line under "Start Game" has room for a summary.
constexpr ClientSize SummarySizes[] = {{640, 480}, {480, 640}, {800, 600}, {1920, 1080}};

class FactsGame : public ScriptedGame {
  public:
    FactsGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

bool IsSummarySize(ClientSize size) {
    for (const ClientSize& s : SummarySizes) {
        if (s.width == size.width && s.height == size.height) {
            return true;
        }
    }
    return false;
}

bool Drew(const FactsGame& game, const std::string& text) {
    for (const DrawnText& drawn : game.recorder.Texts()) {
        if (drawn.text == text) {
            return true;
        }
    }
    return false;
}

// What the stop must show at this size besides keeping the frame rules.
std::vector<std::string> CheckContents(FactsGame& game, const std::string& stop, ClientSize size) {
    std::vector<std::string> problems;
    if (stop.compare(0, 5, "facts") == 0) {
        std::vector<Widget*> controls;
        for (Button& item : game.facts.items) {
            controls.push_back(&item);
        }
        problems = CheckControlsDrawn(controls);
        const std::string said = game.facts.typing ? "Type a table from 13 to 99."
                                                   : "The tables need x or \x89 switched on.";
        if (!Drew(game, said)) {
            problems.push_back("\"" + said + "\" is not shown");
        }
        return problems;
    }
    if (size.width > 240 && size.height > 240) {
        problems = CheckControlsDrawn({&game.facts.setupButton});
    }
    const std::string line = FactsSummary(game.progress.history.options.facts, game.operations);
    if (IsSummarySize(size) && !Drew(game, line)) {
        problems.push_back("\"" + line + "\" is not shown");
    }
    return problems;
}

std::vector<std::string> CheckAtSize(FactsGame& game, const std::string& stop, ClientSize size) {
    SetClientSize(game, size.width, size.height);
    for (int i = 0; i < SettleFrames; ++i) {
        game.Render(false);
    }
    char where[64];
    std::snprintf(where, sizeof where, "%dx%d %s: ", size.width, size.height, stop.c_str());
    LayoutAllowances allowances;
    allowances.underlays.push_back(&game.answerPad);
    std::vector<std::string> problems =
        CheckFrameLayout(game.recorder, game.width, game.height, allowances);
    const std::vector<std::string> contents = CheckContents(game, stop, size);
    problems.insert(problems.end(), contents.begin(), contents.end());
    for (std::string& problem : problems) {
        problem = where + problem;
    }
    return problems;
}

bool SetupShown(const ArithmeticGame& game) {
    return game.setupMode && game.shownScreen == GameScreen::SetupOrPlay;
}

// The facts screen with the tables 7 and 9 and 12 refused as the typed table, then the setup
// screen with that choice at the calm pace, then with x and / switched off, and the facts
// screen again saying so.
std::vector<TourStop> FactsStops(FactsGame& game) {
    FactsGame* g = &game;
    return {
        {"facts",
         [g] {
             PressKeys(*g, {'1', 'F', '7', '9', 'T', '1', '2', KeyCode::Return});
         },
         3, [g] { return g->shownScreen == GameScreen::Facts && g->facts.typing; }},
        {"setup_summary",
         [g] {
             PressKeys(*g, {KeyCode::Escape, KeyCode::Escape, 'K'});
         },
         3, [g] { return SetupShown(*g) && g->progress.history.options.facts.Calm(); }},
        {"setup_warning",
         [g] {
             PressKeys(*g, {'7', '8'});
         },
         3, [g] { return SetupShown(*g) && !g->operations.multiplyEnabled; }},
        {"facts_warning", [g] { PressKey(*g, 'F'); }, 3,
         [g] { return g->shownScreen == GameScreen::Facts && !g->facts.typing; }},
    };
}

} // namespace

TEST(WindowFactsScreen, ItAndItsSetupControlFitAtEverySize) {
    TemporaryDataFolder data("facts-window");
    SoundRecorder silence;
    FakeClock clock;
    FactsGame game;
    std::vector<std::string> failures;
    ScreenTour tour(game, FactsStops(game), [&](const TourStop& stop) {
        game.holdScript = true; // the frames drawn here must not step the tour
        for (const ClientSize& size : LayoutGridSizes) {
            const std::vector<std::string> found = CheckAtSize(game, stop.name, size);
            failures.insert(failures.end(), found.begin(), found.end());
        }
        SetClientSize(game, 640, 480);
        game.Render(false);
        game.holdScript = false;
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_TRUE(tour.missed.empty()) << "not the screen expected at " << tour.missed[0];
    EXPECT_TRUE(failures.empty()) << failures.size() << " failures\n" << FailureLines(failures);
}
