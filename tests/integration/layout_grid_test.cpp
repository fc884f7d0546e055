// The layout grid: a real game in a real window, with weeks of play behind it, goes to every
// screen once (setup also with every operation off), and on each the window is resized by
// the system's resize path through client sizes of both orientations from 240 x 240 to
// 3840 x 2160. Each settled frame is checked from what it drew (support/layout_checks.h):
// besides the rules of every frame, every setup control is drawn, and the progress screen
// draws its count's lines, its grid's numbers, each listed fact's wrong count and, where it
// has the room of 640 x 480, the newest badge; once more after an export, with the folder's
// note and its button. The players' screens their
// actions and the chosen player's button. The players' screens are walked again with 2, 9
// and 40 players of the longest names: the list on the chosen player's page and on the
// first, the name entry, the removal's question and the setup screen's name. Every screen is
// walked again at every size in the pseudo-language, where no English word may be left, and
// in each language up to 480 on the narrower side. Failures are printed by size, screen and
// item.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "progress/fluency_count.h"
#include "progress/milestones.h"
#include "progress/progress_summary.h"
#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/history_builder.h"
#include "support/layout_checks.h"
#include "support/layout_sizes.h"
#include "support/sample_players.h"
#include "support/screen_tour.h"
#include "support/shown_language.h"
#include "support/sound_recorder.h"

namespace {

// The one size too small for every setup control, and for legible numbers on the progress
// screen's grid (its cells are 5 pixels).
constexpr ClientSize Cramped = {240, 240};

// A folder as long as a per-user one with a long user name.
constexpr char ExportFolder[] =
    "C:\\Users\\Alexandra Montgomery-Smith\\AppData\\Roaming\\Quickfigure\\Players\\Zo\xEB\\";

// A word of the export folder's path, which is shown as it is in every language.
bool ExportFolderWord(const std::string& word) {
    return std::string(ExportFolder).find(word) != std::string::npos;
}

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
class GridGame : public ScriptedGame {
  public:
    GridGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

bool IsSetupScreen(const std::string& stop) {
    return stop.compare(0, 5, "setup") == 0;
}

bool IsProgressScreen(const std::string& stop) {
    return stop.compare(0, 8, "progress") == 0;
}

std::vector<Widget*> SetupControls(ArithmeticGame& game) {
    std::vector<Widget*> controls = {&game.difficultyChoice,
                                     &game.addToggle,
                                     &game.subtractToggle,
                                     &game.multiplyToggle,
                                     &game.divideToggle,
                                     &game.startGameButton,
                                     &game.practice.weakFactsToggle,
                                     &game.practice.showAnswerToggle,
                                     &game.progress.button,
                                     &game.players.setupButton};
    for (int i = 0; i < game.difficultyChoice.count; ++i) {
        controls.push_back(&game.difficultyChoice.items[i]);
    }
    return controls;
}

bool IsPlayersScreen(const std::string& stop) {
    return stop.compare(0, 14, "who_is_playing") == 0 || stop == "name_entry" ||
           stop == "remove_question";
}

// The actions of the players' screen in its mode, and on the list the chosen player's button.
std::vector<Widget*> PlayersControls(ArithmeticGame& game) {
    PlayersScreen& screen = game.players;
    std::vector<Widget*> controls = {&screen.actions[0], &screen.actions[1]};
    if (screen.mode == PlayersScreen::Mode::List) {
        controls.push_back(&screen.actions[2]);
        controls.push_back(&screen.playerButtons[screen.chosen]);
    }
    return controls;
}

// The numbers 1 to 10 beside each row and above each column of the grid.
std::vector<ExpectedText> GridLabels(const Box& grid) {
    const int cell = grid.width / 11;
    std::vector<ExpectedText> labels;
    for (int i = 1; i <= 10; ++i) {
        const int start = i * cell;
        labels.push_back({std::to_string(i), Rect{grid.x - cell, grid.y + start, grid.x + cell,
                                                  grid.y + start + cell}});
        labels.push_back({std::to_string(i), Rect{grid.x + start, grid.y - cell,
                                                  grid.x + start + cell, grid.y + cell}});
    }
    return labels;
}

// A fact's wrong count in the shown language, long ("3 of 9 wrong") or short ("3/9 wrong").
bool ShowsWrongCount(const std::string& line, const FactRecord& fact) {
    const bool skipped = fact.skipped > 0;
    for (const char* pattern : {skipped ? "{1} of {2} wrong, {3} skipped" : "{1} of {2} wrong",
                                skipped ? "{1}/{2} wrong, {3} skipped" : "{1}/{2} wrong"}) {
        const std::string count =
            FormatText(Tr(pattern), {std::to_string(fact.wrong), std::to_string(fact.asked),
                                     std::to_string(fact.skipped)});
        if (line.find(" " + count) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Each fact of both lists drawn on a line of its own with its wrong count.
std::vector<std::string> CheckFactLines(const FrameLayoutRecorder& recorder,
                                        const ProgressHistory& history) {
    std::vector<const FactRecord*> listed = SlowestFacts(history, ListedFacts);
    const std::vector<const FactRecord*> missed = MostMissedFacts(history, ListedFacts);
    listed.insert(listed.end(), missed.begin(), missed.end());
    std::vector<std::string> problems;
    for (const FactRecord* fact : listed) {
        const std::string start = FactText(*fact) + "  ";
        const auto& texts = recorder.Texts();
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const DrawnText& drawn) {
            return drawn.text.compare(0, start.size(), start) == 0 &&
                   ShowsWrongCount(drawn.text, *fact);
        });
        if (!found) {
            problems.push_back("no line shows \"" + FactText(*fact) + "\" with its wrong count");
        }
    }
    return problems;
}

// The count's lines, each drawn whole.
std::vector<ExpectedText> CountLines(const ProgressHistory& history, const Box& counts) {
    std::vector<ExpectedText> lines;
    for (const FluencyCount& count : FluencyCounts(history)) {
        lines.push_back(
            {FluencyLine(count), Rect{counts.x, counts.y, RightOf(counts), BottomOf(counts)}});
    }
    return lines;
}

bool Drawn(const FrameLayoutRecorder& recorder, const std::string& text) {
    const auto& texts = recorder.Texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const DrawnText& drawn) { return drawn.text == text; });
}

// The count, and with badges where the window is at least 640 x 480, the newest one (in
// English: a longer language's title row leaves the badge out before anything overlaps).
std::vector<std::string> CheckFluency(GridGame& game, ClientSize size, bool badges) {
    const ProgressScreen& screen = game.progress.screen;
    const ProgressHistory& history = game.progress.history;
    std::vector<std::string> problems =
        CheckTextsDrawn(game.recorder, CountLines(history, screen.LastLayout().counts));
    const bool roomy = size.width >= 640 && size.height >= 480;
    if (badges && roomy && !history.milestones.empty() &&
        !Drawn(game.recorder, MilestoneText(history.milestones.back()))) {
        problems.push_back("the newest badge is not drawn");
    }
    return problems;
}

// What the screen at the stop must draw besides keeping the rules of every frame.
std::vector<std::string> CheckScreenContents(GridGame& game, const std::string& stop,
                                             ClientSize size) {
    std::vector<std::string> problems;
    const bool cramped = size.width == Cramped.width && size.height == Cramped.height;
    if (IsSetupScreen(stop) && !cramped) {
        problems = CheckControlsDrawn(SetupControls(game));
    }
    if (IsPlayersScreen(stop)) {
        problems = CheckControlsDrawn(PlayersControls(game));
    }
    if (IsProgressScreen(stop)) {
        // After an export the smallest windows (240 on a side) give the grid's room to the
        // note, as low ones do to a longer language's note, and no window is sure to keep room
        // for a badge.
        const bool exported = stop == "progress_exported";
        const bool smallest = std::min(size.width, size.height) == Cramped.width;
        const bool lowAndTranslated = size.height <= 360 && &ShownLanguage() != &English();
        if (!cramped && !(exported && (smallest || lowAndTranslated))) {
            problems =
                CheckTextsDrawn(game.recorder, GridLabels(game.progress.screen.LastLayout().grid));
        }
        if (!cramped) {
            const std::vector<std::string> fluency = CheckFluency(game, size, !exported);
            problems.insert(problems.end(), fluency.begin(), fluency.end());
        }
        if (exported) {
            const std::vector<std::string> note =
                CheckControlsDrawn({&game.progress.screen.openFolderButton});
            problems.insert(problems.end(), note.begin(), note.end());
        }
        const std::vector<std::string> lines = CheckFactLines(game.recorder, game.progress.history);
        problems.insert(problems.end(), lines.begin(), lines.end());
    }
    return problems;
}

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
    const std::vector<std::string> contents = CheckScreenContents(game, stop, size);
    problems.insert(problems.end(), contents.begin(), contents.end());
    if (IsGameScreen(stop)) {
        const std::vector<std::string> keys = CheckKeypad(game.keypad, game.width, game.height);
        problems.insert(problems.end(), keys.begin(), keys.end());
    }
    for (std::string& problem : problems) {
        problem = where + problem;
    }
    return problems;
}

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
std::vector<TourStop> PlayersStops(GridGame& game, int count) {
    GridGame* g = &game;
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
    return text + FailureLines(failures);
}

std::vector<ClientSize> EverySize() {
    return {std::begin(LayoutGridSizes), std::end(LayoutGridSizes)};
}

// Walks every screen of the tour through the sizes in language and returns every rule a frame
// broke, plus what extra finds in the frame each screen settles in at 640 x 480.
std::vector<std::string> FitEveryScreen(
    const Language& language, const std::vector<ClientSize>& sizes,
    const std::function<std::vector<std::string>(const FrameLayoutRecorder&)>& extra = nullptr) {
    TemporaryDataFolder data("layout-grid");
    SoundRecorder silence;
    FakeClock clock;
    GridGame game;
    SampleHistoryMaker(20261208).Fill(game.progress.history, 27);
    std::vector<std::string> failures;
    int screensChecked = 0;
    const auto walkGrid = [&](const std::string& screen) {
        for (const ClientSize& size : sizes) {
            const std::vector<std::string> found = CheckAtSize(game, screen, size);
            failures.insert(failures.end(), found.begin(), found.end());
        }
    };
    ScreenTour tour(game, EveryScreen(game, clock), [&](const TourStop& stop) {
        game.holdScript = true; // the frames drawn here must not step the tour
        // The start showed the Windows language; the walk shows the one asked for.
        if (&ShownLanguage() != &language) {
            ShowLanguage(language);
        }
        walkGrid(stop.name);
        if (stop.name == "setup") {
            // Once more with every operation off, which adds a hint under "Start Game".
            const OperationChoice chosen = game.operations;
            game.operations = OperationChoice{false, false, false, false};
            walkGrid("setup_without_operations");
            game.operations = chosen;
        }
        if (stop.name == "progress") {
            // Once more after an export, which says in which folder under the title.
            game.progress.screen.ShowExportNote(Tr("Saved to"), ExportFolder);
            walkGrid("progress_exported");
            game.progress.screen.ClearExportNote();
        }
        SetClientSize(game, TourSize.width, TourSize.height);
        game.Render(false);
        if (extra) {
            for (const std::string& problem : extra(game.recorder)) {
                failures.push_back(stop.name + ": " + problem);
            }
        }
        game.holdScript = false;
        ++screensChecked;
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_TRUE(tour.missed.empty()) << "a screen was not the one expected: " << tour.missed[0];
    EXPECT_EQ(screensChecked, static_cast<int>(EveryScreen(game, clock).size()));
    return failures;
}

// The words of the pseudo-language's frame that are still English: runs of two or more
// ASCII letters with no accented letter beside them (every translated word of two letters
// or more ends in accented ones), less the names and paths no language translates.
std::vector<std::string> UntranslatedWords(const FrameLayoutRecorder& recorder) {
    static const char* const Untranslated[] = {"Quickfigure", "Bramblewood", "Apps", "www",
                                               "bramblewood", "apps",        "com",  "Zo",
                                               "dat",         "bad"};
    std::vector<std::string> problems;
    for (const DrawnText& drawn : recorder.Texts()) {
        const std::string& text = drawn.text;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t j = i;
            bool accented = false;
            while (j < text.size() && (std::isalpha(static_cast<unsigned char>(text[j])) ||
                                       static_cast<unsigned char>(text[j]) >= 0x8A)) {
                accented = accented || static_cast<unsigned char>(text[j]) >= 0x8A;
                ++j;
            }
            const std::string word = text.substr(i, j - i);
            const bool known = std::find_if(std::begin(Untranslated), std::end(Untranslated),
                                            [&](const char* name) { return word == name; }) !=
                               std::end(Untranslated);
            if (j - i >= 2 && !accented && !known && !ExportFolderWord(word)) {
                problems.push_back("\"" + text + "\" is not translated (\"" + word + "\")");
                break;
            }
            i = j == i ? i + 1 : j;
        }
    }
    return problems;
}

} // namespace

TEST(WindowLayoutGrid, EveryScreenFitsAtEverySize) {
    const std::vector<std::string> failures = FitEveryScreen(English(), EverySize());
    EXPECT_TRUE(failures.empty()) << Summarise(failures);
}

// Every word 40 % longer in accented letters, at every size; and at 640 x 480 no word left in
// English, so a text drawn without its translation is caught.
TEST(WindowLayoutGrid, EveryScreenFitsAtEverySizeInThePseudoLanguage) {
    const ShownLanguageGuard pseudo(PseudoLanguage());
    ASSERT_TRUE(pseudo.shown) << "the pseudo-language's catalogue is not in the resources";
    const std::vector<std::string> failures =
        FitEveryScreen(PseudoLanguage(), EverySize(), UntranslatedWords);
    EXPECT_TRUE(failures.empty()) << Summarise(failures);
}

// Each language where room runs short, up to 480 on the narrower side; the larger windows
// are left to the pseudo-language, longer than any.
TEST(WindowLayoutGrid, EveryScreenFitsInEveryLanguage) {
    std::vector<ClientSize> sizes;
    std::copy_if(std::begin(LayoutGridSizes), std::end(LayoutGridSizes), std::back_inserter(sizes),
                 [](ClientSize size) { return std::min(size.width, size.height) <= 480; });
    for (int i = 1; i < ChoosableLanguageCount(); ++i) {
        const Language& language = ChoosableLanguages()[i];
        const ShownLanguageGuard shown(language);
        ASSERT_TRUE(shown.shown) << language.code << "'s catalogue is not in the resources";
        std::vector<std::string> failures = FitEveryScreen(language, sizes);
        for (std::string& failure : failures) {
            failure = std::string(language.code) + " " + failure;
        }
        EXPECT_TRUE(failures.empty()) << Summarise(failures);
    }
}

TEST(WindowLayoutGrid, PlayersScreensFitAtEverySizeWithTwoNineAndFortyPlayers) {
    for (const int count : {2, 9, 40}) {
        TemporaryDataFolder data("layout-grid-players");
        SoundRecorder silence;
        FakeClock clock;
        GridGame game;
        std::vector<std::string> failures;
        ScreenTour tour(game, PlayersStops(game, count), [&](const TourStop& stop) {
            game.holdScript = true; // the frames drawn here must not step the tour
            for (const ClientSize& size : LayoutGridSizes) {
                for (const std::string& problem : CheckAtSize(game, stop.name, size)) {
                    failures.push_back(std::to_string(count) + " players, " + problem);
                }
            }
            SetClientSize(game, TourSize.width, TourSize.height);
            game.Render(false);
            game.holdScript = false;
        });
        game.Run();
        EXPECT_TRUE(tour.Finished()) << count << " players";
        EXPECT_TRUE(tour.missed.empty())
            << count << " players: not the screen expected at " << tour.missed[0];
        EXPECT_TRUE(failures.empty()) << Summarise(failures);
    }
}
