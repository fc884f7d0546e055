// Practice beyond the timed game: the setup screen's "Weak facts" and "Show the answer"
// switches (kept in progress.dat with the history they draw on), the right result shown
// for a second after a miss, and the untimed round over a finished game's misses that
// "Practise misses" starts from the game-over screen.
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

void ArithmeticGame::PlacePracticeControls() {
    const int f = FontHeight();
    const int area = SetupArea();
    const int line = SetupLineHeight();
    const int bottom = width < height ? keypad.y : height;
    const int startRight = startGameButton.x + startGameButton.GetWidth();
    const int startBottom = startGameButton.y + startGameButton.GetHeight();
    // Clear of the no-operation hint's line and of the keypad or the window's edge.
    int top = startBottom + 2 * f + f / 2;
    const auto widthOf = [](CheckBox& toggle) {
        return toggle.GetWidth() + 2 * SpaceWidth() + TextWidth(toggle.label.c_str());
    };
    // The second switch starts in the second column of switches, or further left as its
    // longer label needs, as long as it stays clear of the first one's label.
    const int secondX = std::min(multiplyToggle.x, area - SpaceWidth() - widthOf(showAnswerToggle));
    weakFactsToggle.SetPosition(addToggle.x, top);
    showAnswerToggle.SetPosition(secondX, top);
    practiceTogglesShown = secondX >= addToggle.x + widthOf(weakFactsToggle) + SpaceWidth() &&
                           top + line + f / 2 <= bottom;
    if (practiceTogglesShown) {
        top += line + f / 2;
    }
    setupControlsBottom = practiceTogglesShown ? top - f / 2 : startBottom;

    const int needed = TextWidth(progressButton.label.c_str()) + f;
    if (area - startRight >= needed + f) {
        progressButton.SetSize(needed, 2 * f);
        progressButton.SetPosition(startRight + CenterOffset(area - startRight, needed),
                                   startGameButton.y +
                                       CenterOffset(startGameButton.GetHeight(), 2 * f));
        progressButtonShown = true;
        return;
    }
    if (!practiceTogglesShown) {
        top = startBottom + 4 * f; // below the hint's band, where nothing else goes
    }
    progressButton.SetSize(std::max(needed, startGameButton.GetWidth() / 2), 2 * f);
    progressButton.SetPosition(CenterOffset(area, progressButton.GetWidth()), top);
    progressButtonShown = top + 2 * f + f / 2 <= bottom;
    if (progressButtonShown) {
        setupControlsBottom = top + 2 * f;
    }
}

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
