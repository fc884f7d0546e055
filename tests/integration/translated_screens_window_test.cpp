// The game's screens in a shown language, from a hand-made catalogue, in a real window: the
// setup screen, play, the facts screen and the progress screen draw the translations where
// the English was, a longer translated label makes its button wider, the patterns place
// their numbers where the translation puts them, and a command button still does its work
// under its translated label. The language changes between two frames, with nothing else.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/screen_tour.h"
#include "support/scripted_game.h"
#include "support/shown_language.h"
#include "support/sound_recorder.h"

namespace {

const TextPairs Translations = {
    {"Difficulty", "Dificultad"},
    {"Options", "Opciones"},
    {"Start Game", "Empezar"},
    {"Facts", "Hechos elegidos"},
    {"Weak facts", "Hechos flojos"},
    {"Time", "Tiempo"},
    {"New", "Nuevo"},
    {"Score: {1}", "{1} puntos"},
    {"Level: {1}", "Nivel {1}"},
    {"Problem: {1}/{2}", "Problema {1} de {2}"},
    {"Pace", "Ritmo"},
    {"Back", "Volver"},
    {"Keys: 1-9 and 0 tables, C none, T type, K pace, Esc back",
     "Teclas: 1-9 y 0 tablas, C ninguna, T teclear, K ritmo, Esc volver"},
    {"Progress", "Progreso"},
};

class TranslatedGame : public ScriptedGame {
  public:
    TranslatedGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

bool SetupShown(const ArithmeticGame& game) {
    return game.setupMode && game.shownScreen == GameScreen::SetupOrPlay;
}

Rect WholeWindow(const ArithmeticGame& game) {
    return {0, 0, game.width, game.height};
}

// The label drawn translated inside its control.
ExpectedText LabelOn(const Widget& widget, const char* translated) {
    return {translated, widget.hitArea};
}

// What each stop must draw in the language shown.
std::vector<ExpectedText> ExpectedOn(const std::string& stop, TranslatedGame& game) {
    const Rect window = WholeWindow(game);
    if (stop == "setup") {
        return {{"Dificultad", window},
                {"Opciones", window},
                {"Hechos flojos", window},
                LabelOn(game.startGameButton, "Empezar"),
                LabelOn(game.facts.setupButton, "Hechos elegidos")};
    }
    if (stop == "play") {
        const std::string problem = "Problema " + std::to_string(game.dealer.problemNumber) +
                                    " de " + std::to_string(game.dealer.problemsPerLevel - 1);
        return {{std::to_string(game.score) + " puntos", window},
                {"Nivel " + std::to_string(game.level), window},
                {problem, window},
                {"Tiempo", window},
                LabelOn(game.commandBar.Item(0), "Nuevo")};
    }
    if (stop == "facts") {
        return {{"Ritmo", window},
                {"Teclas: 1-9 y 0 tablas, C ninguna, T teclear, K ritmo, Esc volver", window},
                LabelOn(game.facts.items[BackItem], "Volver")};
    }
    if (stop == "progress") {
        return {{"Progreso", window}, LabelOn(game.progress.screen.backButton, "Volver")};
    }
    return {};
}

} // namespace

TEST(WindowTranslatedScreens, DrawTheCatalogueMeasuredAndWithTheirNumbersPlaced) {
    TemporaryDataFolder data("translated-screens");
    SoundRecorder silence;
    FakeClock clock;
    std::optional<ShownLanguageGuard> language;
    TranslatedGame game;
    TranslatedGame* g = &game;
    int englishFactsWidth = 0;
    std::vector<TourStop> stops = {
        {"english", [g] { PressKey(*g, '1'); }, 3, [g] { return SetupShown(*g); }},
        {"setup", [&] { language.emplace(PseudoLanguage(), Translations); }, 3,
         [g] { return SetupShown(*g); }},
        {"play",
         [g] {
             PressKey(*g, '1');
             AnswerProblem(*g);
         },
         3, [g] { return !g->setupMode && g->score > 0; }},
        // "New" under its translated label still starts a new game.
        {"new", [g] { PostClick(*g, g->commandBar.Item(0)); }, 3, [g] { return SetupShown(*g); }},
        {"facts", [g] { PressKey(*g, 'F'); }, 3,
         [g] { return g->shownScreen == GameScreen::Facts; }},
        {"progress",
         [g] {
             PressKeys(*g, {KeyCode::Escape, '9'});
         },
         3, [g] { return g->shownScreen == GameScreen::Progress; }},
    };
    std::vector<std::string> failures;
    ScreenTour tour(game, stops, [&](const TourStop& stop) {
        if (stop.name == "english") {
            englishFactsWidth = game.facts.setupButton.width;
        }
        if (stop.name == "setup") {
            EXPECT_GT(game.facts.setupButton.width, englishFactsWidth)
                << "the longer label makes the button wider";
        }
        for (const std::string& failure :
             CheckTextsDrawn(game.recorder, ExpectedOn(stop.name, game))) {
            failures.push_back(stop.name + ": " + failure);
        }
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_TRUE(tour.missed.empty()) << "not the screen expected at " << tour.missed[0];
    EXPECT_TRUE(failures.empty()) << FailureLines(failures);
    language.reset();
    EXPECT_STREQ(Tr("Start Game"), "Start Game") << "English again after the guard";
}
