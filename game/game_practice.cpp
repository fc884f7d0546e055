// Practice beyond the timed game: the setup screen's "Weak facts" and "Show the answer"
// switches are kept in progress.dat with the history they draw on (their places are in
// setup_screen.cpp); the right result shown for a second after a miss, and the untimed
// round over a finished game's misses that "Practise misses" starts from the game-over
// screen.
#include <algorithm>

#include "game/arithmetic_game.h"
#include "text/number_text.h"
#include "text/text.h"

namespace {

// How long the right result stays after a miss, fading out as it goes.
constexpr std::uint32_t ShownAnswerMs = 1000;
constexpr ColorRef ShownAnswerRed = 0x1E1ED2;
constexpr ColorRef Background = 0xFFFFFF;

} // namespace

void ArithmeticGame::SaveOptionsIfChanged() {
    const ProgressOptions& now = progress.options;
    if (now.weakFacts != savedOptions.weakFacts || now.showAnswer != savedOptions.showAnswer) {
        savedOptions = now;
        SaveGameFiles();
    }
}

void ArithmeticGame::ShowRightAnswer(int result) {
    if (!progress.options.showAnswer) {
        return;
    }
    shownAnswer.clear();
    AppendDecimal(shownAnswer, result);
    shownAnswerTimer.Restart();
}

bool ArithmeticGame::ShownAnswerVisible() const {
    return !shownAnswer.empty() && shownAnswerTimer.Elapsed() < ShownAnswerMs;
}

ColorRef ArithmeticGame::ShownAnswerColour() const {
    const float gone = static_cast<float>(shownAnswerTimer.Elapsed()) / ShownAnswerMs;
    return BlendColour(ShownAnswerRed, Background, std::min(gone, 1.0f));
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
