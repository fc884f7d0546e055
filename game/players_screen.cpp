#include "game/players_screen.h"

#include <algorithm>
#include <cctype>

#include "base/key_translation.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"
#include "shell/player_names.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef MessageColour = 0x0000C0;
constexpr ColorRef EntryFill = 0xFFFFFF;
constexpr int MostColumns = 4;
constexpr int DigitKeys = 9;

// An action button: its label with its key, the short label where those do not fit, and
// the key a click on it stands for.
struct Action {
    const char* label;
    const char* shortLabel;
    int key;
};

// Each mode's actions, the unused ones without a label.
constexpr Action ModeActions[3][3] = {
    // Translators: in brackets the key that does the same: a letter key stays as it is
    {{TrMark("Add (N)"), TrMark("Add"), 'N'},
     {TrMark("Rename (R)"), TrMark("Rename"), 'R'},
     {TrMark("Remove (Del)"), TrMark("Remove"), KeyCode::Delete}},
    {{TrMark("OK (Enter)"), TrMark("OK"), KeyCode::Return},
     {TrMark("Cancel (Esc)"), TrMark("Cancel"), KeyCode::Escape},
     {}},
    {{TrMark("Yes (Y)"), TrMark("Yes"), 'Y'}, {TrMark("No"), TrMark("No"), KeyCode::Escape}, {}},
};

const Action (&ActionsOf(PlayersScreen::Mode mode))[3] {
    return ModeActions[static_cast<int>(mode)];
}

int Bottom(const Box& box) {
    return box.y + box.height;
}

void PlaceButton(Button& button, const Box& box) {
    button.SetSize(box.width, box.height);
    button.SetPosition(box.x, box.y);
}

// The text's end that fits width: what is being typed shows where it is typed.
std::string TailThatFits(const std::string& text, int width) {
    std::string shown = text;
    while (!shown.empty() && PlainTextWidth(shown.c_str()) > width) {
        shown.erase(0, 1);
    }
    return shown;
}

// The text cut at its end, with "...", until it fits width.
std::string CutToFit(const std::string& text, int width) {
    if (PlainTextWidth(text.c_str()) <= width) {
        return text;
    }
    std::string shown = text;
    while (!shown.empty() && PlainTextWidth((shown + "...").c_str()) > width) {
        shown.pop_back();
    }
    return shown.empty() ? std::string() : shown + "...";
}

// The left column of a player button, where its key's digit goes.
int NumberColumn() {
    return FontHeight() + TextWidth("9");
}

// The widest of the names of players first to last (excluded) in the current font.
std::string WidestName(const PlayerRoster& roster, int first, int last) {
    std::string widest;
    for (int i = first; i < last; ++i) {
        const std::string& name = roster.players[static_cast<std::size_t>(i)].name;
        if (PlainTextWidth(name.c_str()) > PlainTextWidth(widest.c_str())) {
            widest = name;
        }
    }
    return widest;
}

// Room for a whole name in the entry, in the current font.
int LongestNameWidth() {
    return TextWidth(std::string(MaxPlayerNameLength, 'W').c_str());
}

} // namespace

PlayersLayout ComputePlayersLayout(int width, int height, int f, int players, int nameWidth,
                                   const int (&actionWidths)[3]) {
    PlayersLayout layout;
    const int m = std::max(2, f / 2);
    layout.gap = m;
    layout.title = {m, m, width - 2 * m, 2 * f};
    layout.nextPage = {width - m - 2 * f, m, 2 * f, 2 * f};
    layout.previousPage = {layout.nextPage.x - m - 2 * f, m, 2 * f, 2 * f};
    const int actionTop = height - m - 2 * f;
    int x = m;
    for (int i = 0; i < 3; ++i) {
        layout.actions[i] = {x, actionTop, actionWidths[i], 2 * f};
        x += actionWidths[i] + m;
    }
    layout.message = {m, actionTop - m - f, width - 2 * m, f};
    const int top = Bottom(layout.title) + m;
    const int areaWidth = width - 2 * m;
    const int areaHeight = std::max(0, layout.message.y - m - top);
    const int buttonHeight = std::min(2 * f + f / 2, std::max(f + 4, areaHeight));
    const int needed = nameWidth + f;
    layout.rows = std::max(1, (areaHeight + m) / (buttonHeight + m));
    const int columnsFit = std::clamp((areaWidth + m) / (needed + m), 1, MostColumns);
    // No more columns than the players need, so a few players get wide buttons.
    const int columnsUsed = std::max(1, (players + layout.rows - 1) / layout.rows);
    layout.columns = std::min(columnsFit, columnsUsed);
    const int buttonWidth =
        std::min((areaWidth - (layout.columns - 1) * m) / layout.columns, std::max(needed, 12 * f));
    const int gridWidth = layout.columns * buttonWidth + (layout.columns - 1) * m;
    layout.firstButton = {m + CenterOffset(areaWidth, gridWidth), top, buttonWidth, buttonHeight};
    return layout;
}

PlayersScreen::PlayersScreen() {
    previousButton.label = "<";
    nextButton.label = ">";
}

void PlayersScreen::Open(const PlayerRoster& roster, bool atStart) {
    backToMenu = atStart;
    chosen = roster.current;
    ShowList(roster);
}

void PlayersScreen::ShowList(const PlayerRoster& roster) {
    mode = Mode::List;
    chosen = std::min(chosen, static_cast<int>(roster.players.size()) - 1);
    message.clear();
    typed.clear();
}

void PlayersScreen::Fail(const char* why) {
    message = Tr(why);
}

PlayersRequest PlayersScreen::OnKey(int key, const PlayerRoster& roster) {
    switch (mode) {
    case Mode::List: return OnListKey(key, roster);
    case Mode::Entry: return OnEntryKey(key, roster);
    case Mode::Confirm: return OnConfirmKey(key, roster);
    }
    return {};
}

PlayersRequest PlayersScreen::Choose(int index, const PlayerRoster& roster) const {
    if (index < 0 || index >= static_cast<int>(roster.players.size())) {
        return {};
    }
    return {PlayersRequestKind::Choose, index, std::string()};
}

PlayersRequest PlayersScreen::OnListKey(int key, const PlayerRoster& roster) {
    const int page = chosen / PerPage();
    if (key >= '1' && key <= '0' + DigitKeys) {
        const int onPage = key - '1';
        return onPage < PerPage() ? Choose(page * PerPage() + onPage, roster) : PlayersRequest{};
    }
    message.clear();
    switch (key) {
    case KeyCode::Return:
    case KeyCode::Space: return Choose(chosen, roster);
    case KeyCode::Left: MoveChoice(-1, roster); break;
    case KeyCode::Right: MoveChoice(1, roster); break;
    case KeyCode::Up: MoveChoice(-lastLayout.columns, roster); break;
    case KeyCode::Down: MoveChoice(lastLayout.columns, roster); break;
    case 'N':
        if (roster.Full()) {
            message = FormatText(Tr("There are {1} players, the most there can be: remove one "
                                    "first."),
                                 {std::to_string(MaxPlayers)});
        } else {
            StartEntry(key, roster);
        }
        break;
    case 'R': StartEntry(key, roster); break;
    case KeyCode::Delete:
        if (roster.CanRemove(chosen)) {
            mode = Mode::Confirm;
        } else {
            message = Tr("The only player cannot be removed.");
        }
        break;
    case KeyCode::Escape: return {PlayersRequestKind::ToMenu, -1, std::string()};
    default: break;
    }
    return {};
}

PlayersRequest PlayersScreen::OnEntryKey(int key, const PlayerRoster& roster) {
    if (key == KeyCode::Escape) {
        ShowList(roster);
    } else if (key == KeyCode::Backspace && !typed.empty()) {
        typed.pop_back();
    } else if (key == KeyCode::Return) {
        message = roster.RefusalFor(typed, renaming ? chosen : -1);
        if (message.empty()) {
            return {renaming ? PlayersRequestKind::Rename : PlayersRequestKind::Add,
                    renaming ? chosen : -1, typed};
        }
    }
    return {};
}

PlayersRequest PlayersScreen::OnConfirmKey(int key, const PlayerRoster&) {
    mode = Mode::List;
    if (key == 'Y') {
        return {PlayersRequestKind::Remove, chosen, std::string()};
    }
    return {};
}

void PlayersScreen::OnCharacter(unsigned char code) {
    const bool opening = openingKey != 0 && std::toupper(code) == openingKey;
    openingKey = 0;
    if (mode == Mode::Entry && !opening && typed.size() < MaxPlayerNameLength &&
        NameCharacterAllowed(code)) {
        typed += static_cast<char>(code);
    }
}

void PlayersScreen::StartEntry(int key, const PlayerRoster& roster) {
    mode = Mode::Entry;
    renaming = key == 'R';
    typed = renaming ? roster.players[static_cast<std::size_t>(chosen)].name : std::string();
    openingKey = key;
}

void PlayersScreen::MoveChoice(int step, const PlayerRoster& roster) {
    const int last = static_cast<int>(roster.players.size()) - 1;
    chosen = std::clamp(chosen + step, 0, last);
}

void PlayersScreen::TurnPage(int step, const PlayerRoster& roster) {
    const int pages = (static_cast<int>(roster.players.size()) + PerPage() - 1) / PerPage();
    const int page = std::clamp(chosen / PerPage() + step, 0, pages - 1);
    chosen = page * PerPage();
}

PlayersRequest PlayersScreen::ReadLatches(const PlayerRoster& roster) {
    PlayersRequest request;
    for (int i = 0; i < MaxPlayers; ++i) {
        if (playerButtons[i].WasClicked() && mode == Mode::List) {
            request = Choose(i, roster);
        }
    }
    if (previousButton.WasClicked() && mode == Mode::List) {
        TurnPage(-1, roster);
    }
    if (nextButton.WasClicked() && mode == Mode::List) {
        TurnPage(1, roster);
    }
    const Mode shown = mode;
    for (int i = 0; i < 3; ++i) {
        if (actions[i].WasClicked() && mode == shown && ActionsOf(shown)[i].label != nullptr) {
            request = OnKey(ActionsOf(shown)[i].key, roster);
        }
    }
    return request;
}

void PlayersScreen::Draw(const PlayerRoster& roster, int width, int height) {
    const int f = FontHeight();
    const Action(&labels)[3] = ActionsOf(mode);
    int widths[3] = {};
    int total = 0;
    for (int i = 0; i < 3; ++i) {
        widths[i] = labels[i].label != nullptr ? TextWidth(Tr(labels[i].label)) + f : 0;
        total += widths[i] + f;
    }
    const bool shortLabels = total > width;
    for (int i = 0; i < 3; ++i) {
        if (labels[i].label != nullptr) {
            actions[i].label = shortLabels ? labels[i].shortLabel : labels[i].label;
            widths[i] = TextWidth(actions[i].ShownLabel()) + f;
        }
    }
    const int count = static_cast<int>(roster.players.size());
    chosen = std::clamp(chosen, 0, count - 1); // the roster may have changed meanwhile
    const int nameWidth = PlainTextWidth(WidestName(roster, 0, count).c_str());
    lastLayout = ComputePlayersLayout(width, height, f, count, NumberColumn() + nameWidth, widths);
    const Box& title = lastLayout.title;
    DrawPlainText(Tr("Who is playing?"), title.x, title.y + CenterOffset(title.height, f), Ink);
    switch (mode) {
    case Mode::List: DrawList(roster); break;
    case Mode::Entry: DrawEntry(roster, width); break;
    case Mode::Confirm: DrawConfirm(roster, width); break;
    }
    DrawActions(lastLayout);
    DrawMessage(width);
}

void PlayersScreen::DrawList(const PlayerRoster& roster) {
    const int count = static_cast<int>(roster.players.size());
    const int perPage = PerPage();
    const int first = chosen / perPage * perPage;
    const int last = std::min(count, first + perPage);
    if (count > perPage) {
        PlaceButton(previousButton, lastLayout.previousPage);
        previousButton.Draw();
        PlaceButton(nextButton, lastLayout.nextPage);
        nextButton.Draw();
    }
    const Box& cell = lastLayout.firstButton;
    const int room = cell.width - NumberColumn() - FontHeight() / 2;
    const std::string widest = WidestName(roster, first, last);
    // One size for the page's names: the current font, or a smaller one the widest fits.
    Font* font = PlainTextWidth(widest.c_str()) <= room ? CurrentFont()
                                                        : nameFont.Fit(widest, room, FontHeight());
    for (int i = first; i < last; ++i) {
        const int slot = i - first;
        const Box box = {cell.x + slot % lastLayout.columns * (cell.width + lastLayout.gap),
                         cell.y + slot / lastLayout.columns * (cell.height + lastLayout.gap),
                         cell.width, cell.height};
        DrawPlayerButton(roster, i, box, font);
    }
}

void PlayersScreen::DrawPlayerButton(const PlayerRoster& roster, int index, const Box& box,
                                     Font* font) {
    const int f = FontHeight();
    Button& button = playerButtons[index];
    PlaceButton(button, box);
    button.Draw();
    if (index == chosen) {
        const int thickness = std::max(2, f / 6);
        const Rect frame = {box.x + 1, box.y + 1, box.x + box.width - 2, box.y + box.height - 2};
        FrameRect(&frame, thickness, CaptionColour);
    }
    const int slot = index % PerPage();
    if (slot < DigitKeys) {
        const char digit[2] = {static_cast<char>('1' + slot), '\0'};
        DrawPlainText(digit, box.x + f / 2, box.y + CenterOffset(box.height, f), QuietColour);
    }
    const int left = box.x + NumberColumn();
    const int room = box.x + box.width - f / 2 - left;
    const std::string& name = roster.players[static_cast<std::size_t>(index)].name;
    DrawInFont(font, [&] {
        const std::string shown = CutToFit(name, room);
        DrawPlainText(shown.c_str(), left + CenterOffset(room, PlainTextWidth(shown.c_str())),
                      box.y + CenterOffset(box.height, FontHeight()), Ink);
    });
}

void PlayersScreen::DrawEntry(const PlayerRoster& roster, int width) {
    const int f = FontHeight();
    const int m = lastLayout.gap;
    const int top = lastLayout.firstButton.y;
    const std::string prompt =
        renaming ? FormatText(Tr("A new name for {1}:"),
                              {roster.players[static_cast<std::size_t>(chosen)].name})
                 : std::string(Tr("The new player's name:"));
    DrawPlainText(CutToFit(prompt, width - 2 * m).c_str(), m, top, Ink);
    const int boxWidth = std::min(width - 2 * m, LongestNameWidth() + f);
    const int boxTop = top + f + f / 2;
    DrawBox(m, boxTop, boxWidth, 2 * f, Ink, 1, EntryFill);
    const std::string shown = TailThatFits(typed, boxWidth - f);
    const int textX = m + f / 2;
    DrawPlainText(shown.c_str(), textX, boxTop + CenterOffset(2 * f, f), Ink);
    const int caretX = textX + PlainTextWidth(shown.c_str()) + 1;
    VLine(caretX, boxTop + f / 2 - 1, boxTop + 2 * f - f / 2, Ink);
    openingKey = 0;
}

void PlayersScreen::DrawConfirm(const PlayerRoster& roster, int width) {
    const int f = FontHeight();
    const int m = lastLayout.gap;
    const int top = lastLayout.firstButton.y;
    const std::string question =
        FormatText(Tr("Remove {1}?"), {roster.players[static_cast<std::size_t>(chosen)].name});
    DrawPlainText(CutToFit(question, width - 2 * m).c_str(), m, top, Ink);
    // Translators: "removed players" is the name of the folder on disk
    const char* kept = Tr("Their files are kept in the \"removed players\" folder.");
    if (TextWidth(kept) <= width - 2 * m) {
        DrawPlainText(kept, m, top + f + f / 2, QuietColour);
    }
}

void PlayersScreen::DrawActions(const PlayersLayout& layout) {
    for (int i = 0; i < 3; ++i) {
        if (layout.actions[i].width > 0) {
            PlaceButton(actions[i], layout.actions[i]);
            actions[i].Draw();
        }
    }
}

void PlayersScreen::DrawMessage(int width) {
    const Box& row = lastLayout.message;
    if (!message.empty()) {
        DrawPlainText(CutToFit(message, width - 2 * row.x).c_str(), row.x, row.y, MessageColour);
    }
}

void PlayersScreen::DrawSetupControl(const std::string& name, const Box& room) {
    const int f = FontHeight();
    const std::string shown = CutToFit(name, room.width - f);
    if (shown.empty()) {
        return;
    }
    const int buttonWidth = PlainTextWidth(shown.c_str()) + f;
    PlaceButton(setupButton, {room.x + room.width - buttonWidth, room.y, buttonWidth, room.height});
    setupButton.Draw();
    DrawPlainText(shown.c_str(), setupButton.x + f / 2, room.y + CenterOffset(room.height, f), Ink);
}
