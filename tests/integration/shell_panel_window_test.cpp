// The shell's panel where its standard size does not hold its contents: the main menu,
// options and high-score screens in a real window resized to sizes with a small font and
// large artwork, a large font and small artwork, or a short window, and at the screen
// scalings from 100 % to 200 % in both orientations and the layout grid's sizes. Every text
// but the web link lies inside the panel's frame, the panel inside the window and clear of
// the link and of the chalkboard picture, and the high-score screen's Back button stays
// between one and one and a half lines high.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "render/sprite.h"
#include "shell/shell_artwork.h"
#include "support/client_size.h"
#include "support/data_folder.h"
#include "support/fake_clock.h"
#include "support/layout_checks.h"
#include "support/layout_sizes.h"
#include "support/screen_tour.h"
#include "support/sound_recorder.h"
#include "text/font.h"

namespace {

constexpr ClientSize Sizes[] = {{240, 240},   {321, 240},   {640, 240}, {959, 719},
                                {1920, 1080}, {3840, 2160}, {240, 960}};
// Screen scalings in thousandths: the window opens at 640 x 480 (or 480 x 640) times these.
constexpr int Scales[] = {1000, 1250, 1500, 1750, 2000};

std::vector<ClientSize> SizesToCheck() {
    std::vector<ClientSize> sizes(std::begin(Sizes), std::end(Sizes));
    sizes.insert(sizes.end(), std::begin(LayoutGridSizes), std::end(LayoutGridSizes));
    for (int scale : Scales) {
        const int longSide = 640 * scale / 1000;
        const int shortSide = 480 * scale / 1000;
        sizes.push_back({longSide, shortSide});
        sizes.push_back({shortSide, longSide});
    }
    return sizes;
}

// The tour's game, with the recorder emptied at the start of every frame.
class PanelGame : public ScriptedGame {
  public:
    PanelGame() : ScriptedGame(TourOptions) {}
    void DrawFrame() override {
        recorder.Clear();
        ScriptedGame::DrawFrame();
    }
    FrameLayoutRecorder recorder;
};

// The panel as its frame was drawn: from the top-left corner to the bottom-right one.
Rect DrawnPanel(GameShell& shell) {
    const Sprite* topLeft = shell.frameCorners[0];
    const Sprite* bottomRight = shell.frameCorners[3];
    return Rect{topLeft->x, topLeft->y, bottomRight->x + bottomRight->GetFrameWidth(),
                bottomRight->y + bottomRight->GetHeight()};
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The chalkboard of the side picture, where the last frame drew it.
Rect ChalkboardArea(const GameShell& shell) {
    const SheetRect& board = shell.artwork->chalkboard;
    const Sprite* picture = shell.sidePictureUpper;
    return Rect{picture->x + board.x, picture->y + board.y, picture->x + board.x + board.width,
                picture->y + board.y + board.height};
}

std::string Describe(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// The panel rules broken by the last frame, one line each.
std::vector<std::string> CheckPanel(PanelGame& game) {
    std::vector<std::string> problems;
    const Rect panel = DrawnPanel(game);
    if (!Inside(panel, Rect{0, 0, game.width, game.height})) {
        problems.push_back("panel " + Describe(panel) + " leaves the window");
    }
    if (Overlap(panel, ChalkboardArea(game))) {
        problems.push_back("panel " + Describe(panel) + " covers the chalkboard " +
                           Describe(ChalkboardArea(game)));
    }
    // Texts stay off the frame's corners and the lines between them.
    Rect paper = panel;
    InflateRect(paper, -game.frameCorners[0]->GetFrameWidth());
    for (const DrawnText& text : game.recorder.Texts()) {
        if (text.text == game.webLink.label) {
            if (Overlap(text.area, panel)) {
                problems.push_back("the link " + Describe(text.area) + " overlaps the panel " +
                                   Describe(panel));
            }
        } else if (!Inside(text.area, paper)) {
            problems.push_back("\"" + text.text + "\" " + Describe(text.area) +
                               " is not inside the panel " + Describe(paper));
        }
    }
    const int lineHeight = game.shellFont->Height();
    const int backHeight = game.backButton.GetHeight();
    if (game.screen == ScreenState::HighScores &&
        (backHeight < lineHeight || backHeight > lineHeight + (lineHeight >> 1))) {
        problems.push_back("Back is " + std::to_string(backHeight) + " high for a font of " +
                           std::to_string(lineHeight));
    }
    return problems;
}

bool IsPanelScreen(const std::string& stop) {
    return stop == "main_menu" || stop == "options" || stop == "high_scores";
}

} // namespace

TEST(WindowShellPanel, HoldsItsContentsInsideTheWindowAndClearOfTheLink) {
    TemporaryDataFolder data("shell-panel");
    SoundRecorder silence;
    FakeClock clock;
    PanelGame game;
    std::string report;
    std::vector<std::string> checked;
    ScreenTour tour(game, EveryScreen(game, clock), [&](const TourStop& stop) {
        if (!IsPanelScreen(stop.name)) {
            return;
        }
        game.holdScript = true; // the frames drawn here must not step the tour
        for (const ClientSize& size : SizesToCheck()) {
            SetClientSize(game, size.width, size.height);
            game.Render(false);
            game.Render(false); // and a frame that starts from the positions of the first
            for (const std::string& problem : CheckPanel(game)) {
                report += std::to_string(game.width) + "x" + std::to_string(game.height) + " " +
                          stop.name + ": " + problem + "\n";
            }
        }
        SetClientSize(game, 640, 480);
        game.Render(false);
        game.holdScript = false;
        checked.push_back(stop.name);
    });
    game.Run();
    EXPECT_TRUE(tour.Finished());
    EXPECT_EQ(checked, (std::vector<std::string>{"main_menu", "options", "high_scores"}));
    EXPECT_EQ(report, "");
}
