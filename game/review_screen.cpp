#include "game/review_screen.h"

#include <string>

#include "base/key_translation.h"
#include "game/answer_check.h"
#include "game/arithmetic_game.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"
#include "text/translate.h"

void ReviewScreen::Update(ArithmeticGame& game) {
    if (game.skipButton.WasClicked()) {
        Next(game);
    }
}

void ReviewScreen::Judge(ArithmeticGame& game) {
    const int result = ProblemResult(round.Current());
    switch (JudgeAnswer(result, game.typedAnswer)) {
    case AnswerVerdict::Incomplete: return;
    case AnswerVerdict::Right:
        game.ShowAnswerRight();
        Next(game);
        return;
    case AnswerVerdict::Wrong:
        ArithmeticGame::PlayIfLoaded(game.wrongSound);
        game.ShowMiss(result, round.Wrong()); // shown whatever the option after two tries
        game.typedAnswer.clear();
        return;
    }
}

void ReviewScreen::OnKey(ArithmeticGame& game, int key) {
    if (key == KeyCode::Escape) {
        game.StartNewGame();
    }
}

void ReviewScreen::Next(ArithmeticGame& game) {
    game.typedAnswer.clear();
    game.EndMissShown();
    if (!round.Pass()) {
        game.StartNewGame(); // every miss answered or skipped: back to the setup screen
    }
}

void ReviewScreen::Draw(ArithmeticGame& game) {
    game.SelectShellFont();
    game.DrawCountPanel(game.layout.timePanel, Tr("Review"), round.Number(), round.Count());
    if (const Problem* next = round.Next()) {
        game.DrawProblem(game.layout.previewBox, *next, nullptr, Ink,
                         game.ShortOrLong(TrMark("Next"), TrMark("Next Problem")), true);
    }
    const Box& status = game.layout.statusBox;
    if (!game.IsTinyScreen()) {
        DrawBox(status.x, status.y, status.width, status.height, Ink, 1, ScoreFill);
    }
    DrawBoxedLine(game.ShortOrLong(TrMark("No clock"), TrMark("No clock, no score")), status.x,
                  status.y, status.width, status.height);
    game.DrawAnswerArea(round.Current());
}
