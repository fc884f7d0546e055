// The players' screens on the layout grid: a real game in a real window with 2, 9 and 40
// players of the longest, widest names shows "Who is playing?" (on the chosen player's page
// and on the first), the name entry, the removal's question and the setup screen, each at
// every client size of the grid. Each settled frame keeps the rules of every frame
// (support/layout_checks.h) and draws the screen's controls: the chosen player's button and
// the actions, or the setup screen's name. Failures are printed by players, size and screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/layout_sizes.h"
#include "support/sample_players.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"

namespace {

// Frames drawn after each resize before the check, as on the layout grid.
constexpr int SettleFrames = 3;

class PlayersGridGame : public ScriptedGame {
  public:
    PlayersGridGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

// The first count players of the fullest roster, the last of them playing.
PlayerRoster LongNamedRoster(int count) {
    PlayerRoster roster = FullRoster();
    roster.players.resize(static_cast<std::size_t>(count));
    roster.current = count - 1;
    return roster;
}

bool PlayersShown(const ArithmeticGame& game, PlayersScreen::Mode mode) {
    return game.setupMode && game.shownScreen == GameScreen::Players && game.players.mode == mode;
}

// The setup screen, then the players' screens by their keys, the roster set in memory only
// (no player's files are made); the last stop puts the one default player back.
std::vector<TourStop> PlayersStops(PlayersGridGame& game, int count) {
    PlayersGridGame* g = &game;
    const auto list = [g] { return PlayersShown(*g, PlayersScreen::Mode::List); };
    return {
        {"setup",
         [g, count] {
             g->roster = LongNamedRoster(count);
             PressKey(*g, '1');
         },
         3, [g] { return g->setupMode && g->shownScreen == GameScreen::SetupOrPlay; }},
        {"who_is_playing", [g] { PressKey(*g, 'P'); }, 2, list},
        {"who_is_playing_first_page",
         [g, count] {
             PressKeys(*g, std::vector<int>(static_cast<std::size_t>(count), KeyCode::Left));
         },
         2, [g, list] { return list() && g->players.chosen == 0; }},
        {"name_entry", [g] { PressKey(*g, 'R'); }, 2,
         [g] { return PlayersShown(*g, PlayersScreen::Mode::Entry); }},
        {"remove_question",
         [g] {
             PressKeys(*g, {KeyCode::Escape, KeyCode::Delete});
         },
         2, [g] { return PlayersShown(*g, PlayersScreen::Mode::Confirm); }},
        {"who_is_playing_alone",
         [g] {
             PressKey(*g, KeyCode::Escape);
             g->roster = PlayerRoster();
         },
         2, list},
    };
}

// What the stop must draw besides keeping the rules of every frame.
std::vector<Widget*> ControlsOf(ArithmeticGame& game, const std::string& stop) {
    PlayersScreen& screen = game.players;
    if (stop == "setup") {
        return {&screen.setupButton};
    }
    std::vector<Widget*> controls = {&screen.actions[0], &screen.actions[1]};
    if (screen.mode == PlayersScreen::Mode::List) {
        controls.push_back(&screen.actions[2]);
        controls.push_back(&screen.playerButtons[screen.chosen]);
    }
    return controls;
}

std::vector<std::string> CheckAtSize(PlayersGridGame& game, const std::string& stop,
                                     ClientSize size) {
    SetClientSize(game, size.width, size.height);
    for (int i = 0; i < SettleFrames; ++i) {
        game.Render(false);
    }
    if (game.width != size.width || game.height != size.height) {
        return {"the window did not take this size"};
    }
    LayoutAllowances allowances;
    allowances.underlays.push_back(&game.answerPad);
    std::vector<std::string> problems =
        CheckFrameLayout(game.recorder, game.width, game.height, allowances);
    const std::vector<std::string> missing = CheckControlsDrawn(ControlsOf(game, stop));
    problems.insert(problems.end(), missing.begin(), missing.end());
    return problems;
}

} // namespace

TEST(WindowLayoutGrid, PlayersScreensFitAtEverySizeWithTwoNineAndFortyPlayers) {
    for (const int count : {2, 9, 40}) {
        TemporaryDataFolder data("layout-grid-players");
        SoundRecorder silence;
        FakeClock clock;
        PlayersGridGame game;
        std::vector<std::string> failures;
        ScreenTour tour(game, PlayersStops(game, count), [&](const TourStop& stop) {
            game.holdScript = true; // the frames drawn here must not step the tour
            for (const ClientSize& size : LayoutGridSizes) {
                char where[80];
                std::snprintf(where, sizeof where, "%d players, %dx%d %s: ", count, size.width,
                              size.height, stop.name.c_str());
                for (const std::string& problem : CheckAtSize(game, stop.name, size)) {
                    failures.push_back(where + problem);
                }
            }
            SetClientSize(game, 640, 480);
            game.Render(false);
            game.holdScript = false;
        });
        game.Run();
        EXPECT_TRUE(tour.Finished()) << count << " players";
        EXPECT_TRUE(tour.missed.empty())
            << count << " players: not the screen expected at " << tour.missed[0];
        std::string report;
        for (const std::string& failure : failures) {
            report += failure + "\n";
        }
        EXPECT_TRUE(failures.empty()) << failures.size() << " layout failures\n" << report;
    }
}
