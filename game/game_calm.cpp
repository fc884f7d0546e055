// The game's side of the chosen facts and the calm pace: the choice a game deals from,
// what keeps such a game out of the high scores, the calm round's count in place of the
// clock, and the summary the round ends on.
#include <string>
#include <vector>

#include "base/number_text.h"
#include "game/arithmetic_game.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"

namespace {

constexpr char ChosenFactsKeptApartLine[] = "Games with chosen facts stay out of the high scores.";

} // namespace

bool ArithmeticGame::CalmRound() const {
    return dealer.facts.Calm();
}

void ArithmeticGame::KeepApartIfChosen() {
    keptOutOfTableLine.clear();
    if (dealer.facts.KeptApart()) {
        keptOutOfTableLine = CalmRound() ? CalmKeptApartLine : ChosenFactsKeptApartLine;
    }
}

void ArithmeticGame::DrawCountPanel(const Box& panel, const char* caption, int number, int count) {
    int y = panel.y;
    DrawCaption(caption, panel, y);
    DrawBox(panel.x, y, panel.width, panel.height, Ink, 1, PanelFill);
    std::string text;
    AppendDecimal(text, number);
    text += " of ";
    AppendDecimal(text, count);
    DrawBoxedLine(text.c_str(), panel.x, y, panel.width, panel.height);
}

bool ArithmeticGame::CalmRoundFinished() {
    ++problemsFinished;
    if (!CalmRound() || problemsFinished < dealer.facts.calmRound) {
        return false;
    }
    RecordFinishedGame();
    NoteGamePlayed();
    PlayIfLoaded(gameOverSound);
    roundSummary.Open(SummariseRound(progress.answers, dealer.facts.calmRound));
    shownScreen = GameScreen::RoundSummary;
    return true;
}

void ArithmeticGame::LeaveRoundSummary(RoundSummaryRequest request) {
    if (request == RoundSummaryRequest::None) {
        return;
    }
    const std::vector<Problem> missed = progress.answers.misses;
    SaveDataNow(); // the last-played date goes with the round, already in the history
    StartNewGame();
    if (request == RoundSummaryRequest::Practise) {
        BeginReview(missed);
    }
}

void ArithmeticGame::DrawRoundSummaryFrame() {
    SelectShellFont();
    const std::string name = roster.players.size() > 1 ? roster.Current().name : "";
    roundSummary.Draw(width, height, name);
}
