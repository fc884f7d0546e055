// PlayersScreen: "Who is playing?", over the whole window. One large button per player in
// columns, and in pages where they do not all fit, the chosen one framed; keys 1 to 9 take
// the first nine of the page, the arrows move the choice, Enter, Space or a click takes it.
// N adds a player and R renames the chosen one through the name entry, Delete removes the
// chosen one after a question, Esc leaves for the main menu. The screen only asks: the game
// carries out each request on the roster and its files, and says when one failed. Names
// are drawn as plain text, so their accented letters are never taken for symbols. It also
// keeps the setup screen's control that shows the current player and opens the screen.
#pragma once

#include <string>

#include "base/geometry.h"
#include "game/progress_screen.h"
#include "shell/player_roster.h"
#include "ui/button.h"

enum class PlayersRequestKind { None, Choose, Add, Rename, Remove, ToMenu };

// What the player asked the screen for: the player index for Choose, Rename and Remove,
// the typed name (already checked against the roster) for Add and Rename.
struct PlayersRequest {
    PlayersRequestKind kind = PlayersRequestKind::None;
    int index = -1;
    std::string name;
};

// Where the list mode's parts go for a window, a font height and the players it shows.
struct PlayersLayout {
    Box title;
    Box previousPage;
    Box nextPage;
    Box message;
    Box actions[3];
    int columns = 1;
    int rows = 1;
    Box firstButton; // the top left player button; the others follow a gap apart
    int gap = 0;
};

// nameWidth: the widest button's content (number and name) in the current font; actionWidths:
// the widths the action buttons' labels need (0 for none).
PlayersLayout ComputePlayersLayout(int width, int height, int fontHeight, int players,
                                   int nameWidth, const int (&actionWidths)[3]);

class PlayersScreen {
  public:
    enum class Mode { List, Entry, Confirm };

    PlayersScreen();
    // Shows the list with the current player chosen; back to the main menu after a choice
    // when opened at the program's start, else back to the setup screen.
    void Open(const PlayerRoster& roster, bool atStart);
    PlayersRequest OnKey(int key, const PlayerRoster& roster);
    // A typed character (Windows-1252) for the name entry.
    void OnCharacter(unsigned char code);
    // The clicks on what the last frame drew, as the keys they stand for.
    PlayersRequest ReadLatches(const PlayerRoster& roster);
    void Draw(const PlayerRoster& roster, int width, int height);
    // The request was carried out, or the entry left: the list again, the choice kept
    // (the one after a removed player, or the last).
    void ShowList(const PlayerRoster& roster);
    // The request could not be carried out: why (English, marked), shown translated where the
    // screen stands.
    void Fail(const char* why);

    // The setup screen's control: the name, in room's right end, the largest font that
    // leaves room for it; nothing drawn where even a cut name has no room.
    void DrawSetupControl(const std::string& name, const Box& room);

    Mode mode = Mode::List;
    int chosen = 0;
    std::string typed;
    bool renaming = false;
    // The refusal, the failure or the question's hint under the players.
    std::string message;
    bool backToMenu = false;
    Button playerButtons[MaxPlayers];
    // Add, Rename and Remove on the list; OK and Cancel on the entry; Yes and No on the
    // question.
    Button actions[3];
    Button previousButton;
    Button nextButton;
    Button setupButton;

  private:
    PlayersRequest OnListKey(int key, const PlayerRoster& roster);
    PlayersRequest OnEntryKey(int key, const PlayerRoster& roster);
    PlayersRequest OnConfirmKey(int key, const PlayerRoster& roster);
    PlayersRequest Choose(int index, const PlayerRoster& roster) const;
    void StartEntry(int key, const PlayerRoster& roster);
    void MoveChoice(int step, const PlayerRoster& roster);
    void TurnPage(int step, const PlayerRoster& roster);
    int PerPage() const { return lastLayout.columns * lastLayout.rows; }
    void DrawList(const PlayerRoster& roster);
    void DrawPlayerButton(const PlayerRoster& roster, int index, const Box& box, Font* font);
    void DrawEntry(const PlayerRoster& roster, int width);
    void DrawConfirm(const PlayerRoster& roster, int width);
    void DrawActions(const PlayersLayout& layout);
    void DrawMessage(int width);

    PlayersLayout lastLayout;
    // The key that opened the entry (N, R): its own character, which the window sends
    // right after it, is dropped if it comes before the entry is drawn, so the key does not
    // type itself into the name.
    int openingKey = 0;
    ShrunkFont nameFont{true};
};
