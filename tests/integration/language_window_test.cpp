// The options screen's language button in a real window: at every size of the layout grid,
// in English and in the testers' language (its texts longer, accented, and once with a sound
// switch too wide to leave the button room beside it), it is drawn inside
// the panel's frame, overlaps no other control or text and holds its label; at 640 x 480 in
// English it sits right of the sound switch on its row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/sprite.h"
#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/layout_sizes.h"
#include "support/screen_tour.h"
#include "support/shown_language.h"
#include "support/sound_recorder.h"

namespace {

// The tour's game, with the recorder emptied at the start of every frame.
class OptionsGame : public ScriptedGame {
  public:
    OptionsGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

// The main menu, then the options screen.
std::vector<TourStop> OptionsStops(OptionsGame& game) {
    OptionsGame* g = &game;
    return {{"options", [g] { PressKey(*g, '2'); }, 2,
             [g] { return g->screen == ScreenState::Options; }}};
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The panel's paper: inside its drawn frame corners.
Rect Paper(GameShell& shell) {
    const Sprite* topLeft = shell.frameCorners[0];
    const Sprite* bottomRight = shell.frameCorners[3];
    Rect paper{topLeft->x, topLeft->y, bottomRight->x + bottomRight->GetFrameWidth(),
               bottomRight->y + bottomRight->GetHeight()};
    InflateRect(paper, -topLeft->GetFrameWidth());
    return paper;
}

// The rules the options frame at the size breaks, each prefixed with the size.
std::vector<std::string> CheckOptionsAt(OptionsGame& game, ClientSize size) {
    SetClientSize(game, size.width, size.height);
    game.Render(false);
    game.Render(false); // and a frame that starts from the positions of the first
    std::vector<std::string> problems =
        CheckFrameLayout(game.recorder, game.width, game.height, LayoutAllowances{});
    const std::vector<std::string> drawn =
        CheckControlsDrawn({&game.languageButton, &game.soundCheckbox});
    problems.insert(problems.end(), drawn.begin(), drawn.end());
    if (!Inside(game.languageButton.HitRect(), Paper(game))) {
        problems.push_back("the language button leaves the panel");
    }
    if (game.languageButton.GetWidth() < TextWidth(game.languageButton.ShownLabel())) {
        problems.push_back("the language button is narrower than its label");
    }
    const std::string where = std::to_string(size.width) + "x" + std::to_string(size.height) + " " +
                              ShownLanguage().code + ": ";
    for (std::string& problem : problems) {
        problem = where + problem;
    }
    return problems;
}

// english with its vowels accented and as many more letters as make it 40 % longer, in
// UTF-8, as the testers' language makes every text.
std::string Longer(const std::string& english) {
    std::string text;
    for (const char c : english) {
        const std::string accented = c == 'a'   ? "\xC3\xA1"
                                     : c == 'e' ? "\xC3\xA9"
                                     : c == 'o' ? "\xC3\xB6"
                                                : "";
        text += accented.empty() ? std::string(1, c) : accented;
    }
    return text + std::string(english.size() * 2 / 5 + 1, 'W');
}

// The options screen's texts made longer; with wideSwitch, the sound switch's labels as
// wide as the line under them, so the button has no room beside the switch.
TextPairs LongerOptionsTexts(bool wideSwitch) {
    TextPairs pairs;
    for (const char* english :
         {"Back", "Quick answers score more!", "Quickfigure by", "Bramblewood Apps"}) {
        pairs.push_back({english, Longer(english)});
    }
    for (const char* english : {"Sound On", "Sound Off"}) {
        pairs.push_back(
            {english, Longer(wideSwitch ? english + std::string(" every game") : english)});
    }
    return pairs;
}

std::string Lines(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) {
        text += problem + "\n";
    }
    return text;
}

} // namespace

TEST(WindowLanguageButton, FitsInTheOptionsPanelAtEverySizeInEveryLanguage) {
    TemporaryDataFolder data("language-button");
    SoundRecorder silence;
    OptionsGame game;
    std::vector<std::string> failures;
    bool besideTheSwitch = false;
    ScreenTour tour(game, OptionsStops(game), [&](const TourStop&) {
        game.holdScript = true; // the frames drawn here must not step the tour
        for (const bool wideSwitch : {false, true}) {
            for (const Language* language : {&English(), &PseudoLanguage()}) {
                ShownLanguageGuard shown(*language, LongerOptionsTexts(wideSwitch));
                for (const ClientSize& size : LayoutGridSizes) {
                    const std::vector<std::string> found = CheckOptionsAt(game, size);
                    failures.insert(failures.end(), found.begin(), found.end());
                }
            }
        }
        SetClientSize(game, 640, 480);
        game.Render(false);
        CheckBox& box = game.soundCheckbox;
        Button& button = game.languageButton;
        besideTheSwitch = button.x > box.x + box.GetWidth() && button.y < box.y + box.GetHeight() &&
                          box.y < button.y + button.GetHeight();
        game.holdScript = false;
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_TRUE(tour.missed.empty()) << "the options screen was not shown";
    EXPECT_TRUE(besideTheSwitch) << "at 640 x 480 the button is not on the sound switch's row";
    EXPECT_TRUE(failures.empty()) << Lines(failures);
}
