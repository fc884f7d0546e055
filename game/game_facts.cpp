// The game's side of the facts screen: opened over the setup screen by its "Facts" button or
// F, left by "Back" or Esc. The choice it edits is the player's own, kept with the practice
// switches; the setup frames save it once it changes.
#include "game/arithmetic_game.h"

void ArithmeticGame::OpenFacts() {
    shownScreen = GameScreen::Facts;
    facts.Open();
}

void ArithmeticGame::ReadFactsLatches() {
    if (facts.setupButton.WasClicked() && shownScreen == GameScreen::SetupOrPlay) {
        OpenFacts();
        return;
    }
    // The screen's buttons latch only while it is drawn.
    if (facts.ReadLatches(progress.history.options.facts) && shownScreen == GameScreen::Facts) {
        shownScreen = GameScreen::SetupOrPlay;
    }
}

void ArithmeticGame::DrawFactsFrame() {
    SelectShellFont();
    facts.Draw(progress.history.options.facts, operations, width, height);
}
