// Practice beyond the timed game: the setup screen's "Weak facts" and "Show the answer"
// switches are kept in progress.dat with the history they draw on (their places are in
// setup_screen.cpp); what a miss leaves on the screen (the right result until the next
// digit, or the typed digits fading out); and the untimed round over a finished game's
// misses that "Practise misses" starts from the game-over screen, where two wrong tries
// show the result and "Skip" moves on.
#include "base/number_text.h"
#include "game/arithmetic_game.h"
#include "text/text.h"

void ArithmeticGame::SaveOptionsIfChanged() {
    const ProgressOptions& now = progress.options;
    if (now.weakFacts != savedOptions.weakFacts || now.showAnswer != savedOptions.showAnswer) {
        savedOptions = now;
        SaveGameFiles();
    }
}

void ArithmeticGame::ShowMiss(int result, bool reveal) {
    if (reveal || progress.options.showAnswer) {
        shownAnswer.clear();
        AppendDecimal(shownAnswer, result);
        fadeLevel = 0; // the result alone, not over an answer fading out
    } else {
        StartFade(true);
    }
}

bool ArithmeticGame::SkipOffered() const {
    return typedAnswer.empty() && (review.Active() || dealer.ChallengeActive());
}

void ArithmeticGame::EndMissShown() {
    shownAnswer.clear();
    if (fadingMiss) {
        fadeLevel = 0;
    }
}

void ArithmeticGame::NextReviewProblem() {
    typedAnswer.clear();
    EndMissShown();
    if (!review.Pass()) {
        StartNewGame(); // every miss answered or skipped: back to the setup screen
    }
}

void ArithmeticGame::StartReview() {
    const std::vector<Problem> missed = answers.misses;
    DismissGameOver(); // the score goes into the table and the files first, as OK does
    review.Start(missed);
    setupMode = false;
    challengeActive = false;
    typedAnswer.clear();
    shownAnswer.clear();
    fadeLevel = 0;
}

void ArithmeticGame::DrawGameOverControls(int top) {
    if (answers.misses.empty()) {
        return;
    }
    if (practiseButton.WasClicked()) {
        StartReview();
        return;
    }
    const int f = FontHeight();
    practiseButton.SetSize(TextWidth(practiseButton.label.c_str()) + 2 * f, 2 * f);
    if (top + practiseButton.GetHeight() > height || practiseButton.GetWidth() > width) {
        return; // the key still starts the round
    }
    practiseButton.SetPosition(CenterOffset(width, practiseButton.GetWidth()), top);
    practiseButton.Draw();
}
