// The game's side of the progress feature: progress.dat loaded and saved with the other
// two files, a finished game's record, and the progress screen over the setup screen.
#include "base/system_clock.h"
#include "game/arithmetic_game.h"

void ArithmeticGame::LoadGameFiles() {
    progress.Load(dataFileState);
}

void ArithmeticGame::SaveGameFiles() {
    progress.Save();
}

void ArithmeticGame::RecordFinishedGame() {
    GameRecord game = progress.answers.Result();
    game.when = LocalDateTimeText();
    game.difficulty = dealer.difficulty;
    game.operations = DescribeOperations(dealer.ops);
    game.score = score;
    game.level = level;
    game.facts = DescribeFacts(dealer.facts);
    game.calm = dealer.facts.Calm();
    progress.RecordGame(game);
}

void ArithmeticGame::OpenProgress() {
    shownScreen = GameScreen::Progress;
    // Named only where there is more than one player to tell apart.
    progress.screen.playerName = roster.players.size() > 1 ? roster.Current().name : "";
    progress.OpenScreen();
}

void ArithmeticGame::CloseProgress() {
    shownScreen = GameScreen::SetupOrPlay;
}

void ArithmeticGame::ReadProgressLatches() {
    if (progress.button.WasClicked()) {
        OpenProgress();
    }
    if (progress.ReadScreenLatches()) {
        CloseProgress();
    }
}

void ArithmeticGame::DrawProgressFrame() {
    SelectShellFont();
    progress.screen.Draw(width, height);
}
