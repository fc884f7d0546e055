// A real game in a real window, driven from screen to screen by its own keys and operations
// after each drawn frame: the gallery, the frame benchmark and the soak test share it.
// The frame loop runs without sleeping and every timer reads a FakeClock, so what each
// screen shows depends only on the seed and the steps, not on the machine's speed.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "base/key_translation.h"
#include "support/fake_clock.h"
#include "support/game_driver.h"

// Tours deal the same problems on every run, never sleep, and may take long.
inline const ScriptOptions TourOptions{20240601u, true, 100000};

// One screen of a tour: how to get there, how many frames it needs to settle (layouts
// that read last frame's positions, fading answers) and how to tell it is up.
struct TourStop {
    std::string name;
    std::function<void()> enter;
    int settleFrames = 2;
    std::function<bool()> isShown;
};

// Walks the stops one after another, a step per frame, calling onArrive on each settled
// screen; quits the game after the last stop.
class ScreenTour {
  public:
    ScreenTour(ScriptedGame& g, std::vector<TourStop> s,
               std::function<void(const TourStop&)> arrive)
        : game(g), stops(std::move(s)), onArrive(std::move(arrive)) {
        game.script = [this] { Step(); };
    }
    ~ScreenTour() { game.script = nullptr; }
    ScreenTour(const ScreenTour&) = delete;
    ScreenTour& operator=(const ScreenTour&) = delete;

    void Step() {
        if (next >= stops.size()) {
            game.RequestQuit();
            return;
        }
        TourStop& stop = stops[next];
        if (waiting < 0) {
            if (stop.enter) {
                stop.enter();
            }
            waiting = stop.settleFrames;
        } else if (waiting > 0) {
            --waiting;
        } else {
            if (stop.isShown && !stop.isShown()) {
                missed.push_back(stop.name);
            }
            onArrive(stop);
            ++next;
            waiting = -1;
        }
    }

    bool Finished() const { return next == stops.size(); }
    // Names of the stops whose screen was not the one expected when they were reached.
    std::vector<std::string> missed;

  private:
    ScriptedGame& game;
    std::vector<TourStop> stops;
    std::function<void(const TourStop&)> onArrive;
    std::size_t next = 0;
    int waiting = -1;
};

// Every screen once, in an order the keys can reach: the menu, options, setup, a game in
// play, its challenge, the pause and game-over screens, the high-score table holding
// the finished game, the progress screen with both of its grids, the setup screen with
// the practice options on, a miss with its right result shown, the game-over screen that
// offers the misses again and their review round, the name entry of a second player and
// "Who is playing?" with both, then her facts screen with a few tables chosen, the setup
// screen that sums them up, a calm round of them in play and its summary, then a second
// round of the same facts, whose summary names the facts it made fluent. Stop names are
// file-name friendly.
inline std::vector<TourStop> EveryScreen(ScriptedGame& game, FakeClock& clock) {
    ScriptedGame* g = &game;
    FakeClock* c = &clock;
    const auto inGame = [g] { return g->IsInGame() && !g->paused && !g->gameOver; };
    return {
        {"main_menu", nullptr, 2, [g] { return g->screen == ScreenState::MainMenu; }},
        {"options", [g] { PressKey(*g, '2'); }, 2,
         [g] { return g->screen == ScreenState::Options; }},
        {"setup",
         [g] {
             PressKeys(*g, {'0', '1'});
         },
         3, [g, inGame] { return inGame() && g->setupMode; }},
        // Two right answers, then time for the faded answer to go.
        {"play",
         [g] {
             PressKey(*g, '1');
             AnswerProblem(*g);
             AnswerProblem(*g);
         },
         30, [g, inGame] { return inGame() && !g->setupMode && g->dealer.problemNumber == 3; }},
        {"challenge", [g] { AnswerUntilChallenge(*g); }, 30,
         [g, inGame] { return inGame() && g->challengeActive; }},
        {"pause", [g] { g->Pause(); }, 2, [g] { return g->paused; }},
        {"game_over",
         [g, c] {
             g->OnMouseDown(0, 0); // any press resumes
             c->Advance(ClockRunOutMs);
         },
         3, [g] { return g->gameOver && !g->paused; }},
        {"high_scores",
         [g] {
             PressKeys(*g, {KeyCode::Space, '0', '3'});
         },
         2, [g] { return g->screen == ScreenState::HighScores && g->highScores[0].score > 0; }},
        {"progress",
         [g] {
             PressKeys(*g, {'0', '1', '9'});
         },
         2,
         [g] {
             return g->setupMode && g->shownScreen == GameScreen::Progress &&
                    !g->progress.history.games.empty();
         }},
        {"progress_addition", [g] { PressKey(*g, '1'); }, 2,
         [g] {
             return g->shownScreen == GameScreen::Progress &&
                    g->progress.screen.gridOperation == OpAdd;
         }},
        {"setup_practice",
         [g] {
             PressKeys(*g, {'0', 'W', 'A'});
         },
         2,
         [g] {
             return g->setupMode && g->shownScreen != GameScreen::Progress &&
                    g->progress.history.options.weakFacts && g->progress.history.options.showAnswer;
         }},
        // The driven clock stands still, so the right result stays at its first red.
        {"show_answer",
         [g] {
             PressKey(*g, '1');
             AnswerProblem(*g);
             AnswerProblemWrong(*g);
         },
         30, [g] { return g->practice.ShownAnswerVisible(); }},
        {"game_over_misses",
         [g, c] {
             AnswerProblem(*g);
             c->Advance(ClockRunOutMs);
         },
         3, [g] { return g->gameOver && !g->progress.answers.misses.empty(); }},
        {"review", [g] { PressKey(*g, 'P'); }, 30,
         [g] { return g->shownScreen == GameScreen::Review; }},
        // Esc ends the round, P opens "Who is playing?" from the setup screen and N its name
        // entry, where a name with an accented letter is typed.
        {"name_entry",
         [g] {
             PressKeys(*g, {KeyCode::Escape, 'P', 'N'});
             for (const char typed : std::string("Zo\xEB")) {
                 g->onCharacter(static_cast<unsigned char>(typed));
             }
         },
         2,
         [g] {
             return g->shownScreen == GameScreen::Players &&
                    g->players.mode == PlayersScreen::Mode::Entry && g->players.typed == "Zo\xEB";
         }},
        // Enter adds her and the setup screen returns; P shows both players, her chosen.
        {"who_is_playing",
         [g] {
             PressKeys(*g, {KeyCode::Return, 'P'});
         },
         2,
         [g] {
             return g->shownScreen == GameScreen::Players && g->roster.players.size() == 2 &&
                    g->players.chosen == 1;
         }},
        // Enter takes her, F opens the facts screen: the tables 3 and 7, 13 typed, calm.
        {"facts",
         [g] {
             PressKeys(*g, {KeyCode::Return, 'F', '3', '7', 'T', '1', '3', KeyCode::Return, 'K'});
         },
         2,
         [g] {
             return g->shownScreen == GameScreen::Facts &&
                    g->progress.history.options.facts.Tables() == std::vector<int>{3, 7, 13};
         }},
        {"setup_facts", [g] { PressKey(*g, KeyCode::Escape); }, 3,
         [g] {
             return g->setupMode && g->shownScreen == GameScreen::SetupOrPlay &&
                    g->progress.history.options.facts.Calm();
         }},
        // A calm round of those facts: two answered, the count in the clock's place.
        {"calm_play",
         [g] {
             PressKey(*g, '1');
             AnswerProblem(*g);
             AnswerProblem(*g);
         },
         30, [g] { return !g->setupMode && !g->gameOver && g->problemsFinished == 2; }},
        // The rest of the round, one missed at first, ends on its summary.
        {"round_summary",
         [g, c] {
             AnswerProblemWrong(*g);
             // Thinking times of 1.2 to 3.0 s, so the figures read like a child's round.
             for (int i = 0; g->shownScreen != GameScreen::RoundSummary && !g->setupMode; ++i) {
                 c->Advance(1200 + 300 * static_cast<std::uint32_t>(i * 5 % 7));
                 AnswerProblem(*g);
             }
         },
         2,
         [g] {
             return g->shownScreen == GameScreen::RoundSummary &&
                    !g->roundSummary.summary.missed.empty();
         }},
        // A second round of the same facts, each answered in 1.5 s: the facts asked again
        // turn fluent, and the summary names them.
        {"round_summary_fluent",
         [g, c] {
             PressKeys(*g, {KeyCode::Return, '1'});
             for (int i = 0; i < 100 && g->shownScreen != GameScreen::RoundSummary; ++i) {
                 c->Advance(1500);
                 AnswerProblem(*g);
             }
         },
         2,
         [g] {
             return g->shownScreen == GameScreen::RoundSummary &&
                    !g->roundSummary.summary.nowFluent.empty();
         }},
    };
}
