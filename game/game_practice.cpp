// The game's side of the practice feature: what a miss leaves where the answer goes (the
// right result until the next digit, or the typed digits fading out in red), and the
// review round that "Practise misses" starts from the game-over screen (review_screen.cpp).
#include <vector>

#include "base/number_text.h"
#include "game/arithmetic_game.h"
#include "text/text.h"

void ArithmeticGame::ShowMiss(int result, bool reveal) {
    if (reveal || progress.history.options.showAnswer) {
        practice.shownAnswer.clear();
        AppendDecimal(practice.shownAnswer, result);
        fadeLevel = 0; // the result alone, not over an answer fading out
    } else {
        StartFade(true);
    }
}

bool ArithmeticGame::SkipOffered() const {
    return typedAnswer.empty() && (shownScreen == GameScreen::Review || dealer.ChallengeActive());
}

void ArithmeticGame::EndMissShown() {
    practice.shownAnswer.clear();
    if (practice.fadingMiss) {
        fadeLevel = 0;
    }
}

void ArithmeticGame::StartReview() {
    const std::vector<Problem> missed = progress.answers.misses;
    DismissGameOver(); // the score goes into the table and the files first, as OK does
    BeginReview(missed);
}

void ArithmeticGame::BeginReview(const std::vector<Problem>& missed) {
    practice.review.round.Start(missed);
    shownScreen = GameScreen::Review;
    setupMode = false;
    challengeActive = false;
    typedAnswer.clear();
    practice.shownAnswer.clear();
    fadeLevel = 0;
}

void ArithmeticGame::DrawGameOverControls(int top) {
    if (progress.answers.misses.empty()) {
        return;
    }
    Button& button = practice.practiseButton;
    if (button.WasClicked()) {
        StartReview();
        return;
    }
    const int f = FontHeight();
    button.SetSize(TextWidth(button.ShownLabel()) + 2 * f, 2 * f);
    if (top + button.GetHeight() > height || button.GetWidth() > width) {
        return; // the key still starts the round
    }
    button.SetPosition(CenterOffset(width, button.GetWidth()), top);
    button.Draw();
}
