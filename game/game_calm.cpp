// The game's side of the chosen facts and the calm pace: the choice a game deals from,
// what keeps such a game out of the high scores, the calm round's count in place of the
// clock, and the summary the round ends on.
#include <string>
#include <vector>

#include "game/arithmetic_game.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"
#include "text/translate.h"

namespace {

constexpr const char* ChosenFactsKeptApartLine =
    TrMark("Games with chosen facts stay out of the high scores.");

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
    // Translators: a count of problems, "3 of 20"
    const std::string text =
        FormatText(Tr("{1} of {2}"), {std::to_string(number), std::to_string(count)});
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
