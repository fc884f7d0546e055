// FactsScreen: the facts to practise and the pace, over the whole window. The times tables 1
// to 12 each switched on or off, the quick choices "2, 5, 10" and "All", one further table
// typed into a field, the other factor's reach, the band of + and -, and the clock or a calm
// round of a chosen length. Keys: 1 to 9 and 0 switch the tables 1 to 10, C switches every
// table off, K the pace, T starts typing the further table (digits, Enter takes it,
// Backspace erases, Esc leaves the field), Esc or "Back" returns to the setup screen. The
// screen edits the choice it is handed; the game keeps and saves it. Laid out from the
// window's width and the shell font, which shrinks with the window. It also keeps the setup
// screen's "Facts" button.
#pragma once

#include <string>

#include "game/game_layout.h"
#include "game/problem_dealer.h"
#include "progress/fact_choice.h"
#include "ui/button.h"

// The screen's controls, in the order they are laid out.
enum FactsItem {
    BackItem,
    FirstTableItem,
    QuickTablesItem = FirstTableItem + LastListedTable,
    AllTablesItem,
    TypedTableItem,
    ShortFactorItem,
    LongFactorItem,
    FirstBandItem,
    ClockItem = FirstBandItem + SumBandCount,
    CalmItem,
    FirstRoundItem,
    FactsItemCount = FirstRoundItem + 3
};

// The sections under the title: the tables, the sums, the pace.
constexpr int FactsSections = 3;

struct FactsLayout {
    Box title;
    Box message;
    Box captions[FactsSections];
    Box items[FactsItemCount];
};

// Where the parts go, from the top down, in a window width wide for a font height and the
// widths the controls need; the tables share one width and form a grid of 12, 6, 4, 3 or 2
// columns, the other controls of a section follow in rows.
FactsLayout ComputeFactsLayout(int width, int fontHeight, const int (&itemWidths)[FactsItemCount]);

// The pace switched between the clock and a calm round (key K here and on the setup screen).
void SwitchPace(FactChoice& choice);

// The choice as these operations use it: the tables left out without x and /, the band
// without + and -.
FactChoice ChoiceInUse(const FactChoice& choice, const OperationChoice& operations);

// Why the choice is not in use with these operations: the tables without x and /, a band
// without + and -; empty when it is.
std::string FactsWarning(const FactChoice& choice, const OperationChoice& operations);

// The setup screen's line: empty at the levels against the clock, else the warning, else
// "Facts: " with the facts and the pace ("Facts: 7; Calm").
std::string FactsSummary(const FactChoice& choice, const OperationChoice& operations);

class FactsScreen {
  public:
    FactsScreen();
    // Opens with the field left and no message.
    void Open();
    // True when the player asks to leave the screen.
    bool OnKey(int key, FactChoice& choice);
    // The clicks on what the last frame drew; true for "Back".
    bool ReadLatches(FactChoice& choice);
    void Draw(const FactChoice& choice, const OperationChoice& operations, int width, int height);

    // The setup screen's button at room's right end; false where it has no room.
    bool DrawSetupButton(const Box& room);

    Button items[FactsItemCount];
    Button setupButton;
    // The field is being typed into, and what is typed.
    bool typing = false;
    std::string typed;
    // The refusal of a typed table.
    std::string message;
    const FactsLayout& LastLayout() const { return lastLayout; }

  private:
    bool OnFieldKey(int key, FactChoice& choice);
    void StartTyping();
    void TakeTyped(FactChoice& choice);
    void Choose(int item, FactChoice& choice);
    void MeasureItems(int (&widths)[FactsItemCount]);
    void DrawCaptions();
    void DrawItems(const FactChoice& choice);
    void DrawField(const FactChoice& choice);
    void DrawMessage(const FactChoice& choice, const OperationChoice& operations);
    // The keys in one quiet line at the bottom, where there is room below the controls.
    void DrawKeysHelp(int width, int height);

    FactsLayout lastLayout;
};
