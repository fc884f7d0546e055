// The game's side of the players: "Who is playing?" at start when more than one player
// plays here, opened from the setup screen by its control or P, and what its requests do
// to the roster and the players' files.
#include <string>

#include "game/arithmetic_game.h"

void ArithmeticGame::OnStart() {
    GameShell::OnStart();
    if (roster.players.size() > 1) {
        screen = ScreenState::Game;
        StartNewGame();
        OpenPlayers(true);
    }
}

void ArithmeticGame::OpenPlayers(bool atStart) {
    shownScreen = GameScreen::Players;
    players.Open(roster, atStart);
}

void ArithmeticGame::LeavePlayers(bool toMenu) {
    shownScreen = GameScreen::SetupOrPlay;
    if (toMenu) {
        ReturnToMenu();
    }
}

void ArithmeticGame::CarryOut(const PlayersRequest& request) {
    switch (request.kind) {
    case PlayersRequestKind::None: return;
    case PlayersRequestKind::Choose:
        if (request.index != roster.current) {
            SwitchPlayer(request.index);
        }
        LeavePlayers(players.backToMenu);
        return;
    case PlayersRequestKind::Add:
        // A new player goes straight to their setup screen.
        if (AddPlayer(request.name)) {
            LeavePlayers(false);
        } else {
            players.Fail(TrMark("The new player's folder could not be made."));
        }
        return;
    case PlayersRequestKind::Rename:
        if (RenamePlayer(request.index, request.name)) {
            players.ShowList(roster);
        } else {
            players.Fail(TrMark("The name could not be saved."));
        }
        return;
    case PlayersRequestKind::Remove:
        if (RemovePlayer(request.index)) {
            players.ShowList(roster);
        } else {
            players.Fail(TrMark("The player's files could not be moved."));
        }
        return;
    case PlayersRequestKind::ToMenu: LeavePlayers(true); return;
    }
}

void ArithmeticGame::ReadPlayersLatches() {
    if (players.setupButton.WasClicked() && shownScreen == GameScreen::SetupOrPlay) {
        OpenPlayers(false);
        return;
    }
    if (shownScreen == GameScreen::Players) {
        CarryOut(players.ReadLatches(roster));
    }
}

void ArithmeticGame::DrawPlayersFrame() {
    SelectShellFont();
    players.Draw(roster, width, height);
}
