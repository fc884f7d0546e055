#include "game/facts_screen.h"

#include <algorithm>
#include <vector>

#include "base/key_translation.h"
#include "base/number_text.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

// The captions may hold the division sign, which only styled drawing shows.
constexpr const char* Captions[FactsSections] = {
    // Translators: x is the multiplication sign and the last sign the division sign
    TrMark("Times tables for x and \x89"),
    TrMark("Sums for + and -"),
    TrMark("Pace"),
};
constexpr const char* BandLabels[SumBandCount] = {TrMark("Levels"), TrMark("within 10"),
                                                  TrMark("within 20"), TrMark("within 100")};
constexpr const char* RoundLabels[3] = {TrMark("10 problems"), TrMark("20 problems"),
                                        TrMark("50 problems")};
constexpr char FieldPlaceholder[] = "13-99";
constexpr const char* TypedTableRefusal = TrMark("Type a table from 13 to 99.");
constexpr ColorRef MessageColour = 0x0000C0;
constexpr ColorRef FieldFill = 0xFFFFFF;
constexpr std::uint16_t AllTables = (1u << LastListedTable) - 1;
constexpr std::uint16_t QuickTables = (1u << 1) | (1u << 4) | (1u << 9);
// The table columns tried, widest first.
constexpr int TableColumns[] = {12, 6, 4, 3, 2};
// Digits a typed table may have: one more than any allowed, so a number too large can be
// typed and refused.
constexpr std::size_t MostTypedDigits = 3;
// The ranges of the flowing controls of each section after the tables' grid.
constexpr int SectionFlows[FactsSections][2] = {
    {QuickTablesItem, FirstBandItem}, {FirstBandItem, ClockItem}, {ClockItem, FactsItemCount}};

int Bottom(const Box& box) {
    return box.y + box.height;
}

void PlaceButton(Button& button, const Box& box) {
    button.SetSize(box.width, box.height);
    button.SetPosition(box.x, box.y);
}

// Text that may hold the division sign, in one colour.
void DrawStyledLine(const char* text, int x, int y, ColorRef colour) {
    TextStyle style;
    style.colour = colour;
    DrawText(text, x, y, style);
}

// Places items first to last left to right from y, a new row where the next does not fit;
// returns the top of what follows.
int FlowItems(FactsLayout& layout, const int (&widths)[FactsItemCount], int first, int last, int y,
              int width, int rowHeight, int m) {
    int x = m;
    for (int i = first; i < last; ++i) {
        if (x > m && x + widths[i] > width - m) {
            x = m;
            y += rowHeight + m;
        }
        layout.items[i] = {x, y, widths[i], rowHeight};
        x += widths[i] + m;
    }
    return y + rowHeight + m;
}

// The tables in the widest grid that fits; returns the top of what follows.
int PlaceTables(FactsLayout& layout, int cell, int y, int width, int rowHeight, int m) {
    int columns = 1;
    for (const int tried : TableColumns) {
        if (tried * cell + (tried - 1) * m <= width - 2 * m) {
            columns = tried;
            break;
        }
    }
    for (int t = 0; t < LastListedTable; ++t) {
        layout.items[FirstTableItem + t] = {m + t % columns * (cell + m),
                                            y + t / columns * (rowHeight + m), cell, rowHeight};
    }
    const int rows = (LastListedTable + columns - 1) / columns;
    return y + rows * (rowHeight + m);
}

bool ItemOn(int item, const FactChoice& choice) {
    if (item >= FirstTableItem && item < QuickTablesItem) {
        return choice.HasTable(item - FirstTableItem + 1);
    }
    if (item >= FirstBandItem && item < ClockItem) {
        return static_cast<int>(choice.band) == item - FirstBandItem;
    }
    if (item >= FirstRoundItem) {
        return choice.calmRound == CalmRoundLengths[item - FirstRoundItem];
    }
    switch (item) {
    case QuickTablesItem: return choice.tables == QuickTables && choice.typedTable == 0;
    case AllTablesItem: return choice.tables == AllTables;
    case TypedTableItem: return choice.typedTable != 0;
    case ShortFactorItem: return choice.otherFactorMax == ShortOtherFactor;
    case LongFactorItem: return choice.otherFactorMax == LongOtherFactor;
    case ClockItem: return !choice.Calm();
    case CalmItem: return choice.Calm();
    default: return false;
    }
}

// The mark of a control that is on: a thick frame just inside it.
void DrawOnMark(const Button& button) {
    const int thickness = std::max(2, FontHeight() / 6);
    const Rect frame = {button.x + 1, button.y + 1, button.x + button.width - 2,
                        button.y + button.height - 2};
    FrameRect(&frame, thickness, CaptionColour);
}

// The chosen tables as the setup screen names them: "2, 5, 10", "7 to 12".
std::string ShownTables(const FactChoice& choice) {
    std::string tables;
    for (int table : choice.Tables()) {
        tables += (tables.empty() ? "" : ", ") + std::to_string(table);
    }
    if (choice.otherFactorMax != LongOtherFactor) {
        return tables;
    }
    // Translators: {1} lists times tables asked with the other factor up to 12
    return FormatText(Tr("{1} to 12"), {tables});
}

// The facts and the pace in a few words, "; " between them: "7; within 20; Calm".
std::string ShownFactsAndPace(const FactChoice& choice) {
    std::vector<std::string> parts;
    if (choice.TablesChosen()) {
        parts.push_back(ShownTables(choice));
    }
    if (choice.band != SumBand::Levels) {
        parts.push_back(FormatText(Tr("within {1}"), {std::to_string(choice.BandLimit())}));
    }
    if (choice.Calm()) {
        parts.push_back(
            choice.calmRound == DefaultCalmRound
                ? std::string(TrIn("chosen pace", "Calm"))
                : FormatText(Tr("Calm, {1} problems"), {std::to_string(choice.calmRound)}));
    }
    std::string shown;
    for (const std::string& part : parts) {
        shown += (shown.empty() ? "" : "; ") + part;
    }
    return shown;
}

} // namespace

FactsLayout ComputeFactsLayout(int width, int f, const int (&itemWidths)[FactsItemCount]) {
    FactsLayout layout;
    const int m = std::max(2, f / 2);
    const int rowHeight = 2 * f;
    const int backWidth = itemWidths[BackItem];
    layout.items[BackItem] = {width - m - backWidth, m, backWidth, rowHeight};
    layout.title = {m, m, std::max(0, width - 3 * m - backWidth), rowHeight};
    layout.message = {m, Bottom(layout.title) + m, width - 2 * m, f};
    int y = Bottom(layout.message) + m;
    int cell = 0;
    for (int t = 0; t < LastListedTable; ++t) {
        cell = std::max(cell, itemWidths[FirstTableItem + t]);
    }
    for (int s = 0; s < FactsSections; ++s) {
        y += s > 0 ? f : 0; // a line between the sections
        layout.captions[s] = {m, y, width - 2 * m, f};
        y += f + f / 4;
        if (s == 0) {
            y = PlaceTables(layout, cell, y, width, rowHeight, m);
        }
        y = FlowItems(layout, itemWidths, SectionFlows[s][0], SectionFlows[s][1], y, width,
                      rowHeight, m);
    }
    return layout;
}

void SwitchPace(FactChoice& choice) {
    choice.pace = choice.Calm() ? Pace::Clock : Pace::Calm;
}

FactChoice ChoiceInUse(const FactChoice& choice, const OperationChoice& operations) {
    FactChoice used = choice;
    if (!operations.multiplyEnabled && !operations.divideEnabled) {
        used.tables = 0;
        used.typedTable = 0;
    }
    if (!operations.addEnabled && !operations.subtractEnabled) {
        used.band = SumBand::Levels;
    }
    return used;
}

std::string FactsWarning(const FactChoice& choice, const OperationChoice& operations) {
    const FactChoice used = ChoiceInUse(choice, operations);
    if (choice.TablesChosen() && !used.TablesChosen()) {
        // Translators: x is the multiplication sign and the last sign the division sign
        return Tr("The tables need x or \x89 switched on.");
    }
    if (choice.band != used.band) {
        return Tr("The sums need + or - switched on.");
    }
    return std::string();
}

std::string FactsSummary(const FactChoice& choice, const OperationChoice& operations) {
    if (!choice.KeptApart()) {
        return std::string();
    }
    const std::string warning = FactsWarning(choice, operations);
    if (!warning.empty()) {
        return warning;
    }
    return FormatText(Tr("Facts: {1}"), {ShownFactsAndPace(choice)});
}

FactsScreen::FactsScreen() {
    items[BackItem].label = TrMark("Back");
    for (int t = 0; t < LastListedTable; ++t) {
        items[FirstTableItem + t].label = std::to_string(t + 1);
    }
    items[QuickTablesItem].label = "2, 5, 10";
    items[AllTablesItem].label = TrMark("All");
    items[TypedTableItem].hidden = true; // the field draws itself
    items[ShortFactorItem].label = TrMark("up to 10");
    items[LongFactorItem].label = TrMark("up to 12");
    for (int b = 0; b < SumBandCount; ++b) {
        items[FirstBandItem + b].label = BandLabels[b];
    }
    items[ClockItem].label = TrMark("Clock");
    items[CalmItem].label = TrMark("Calm");
    for (int r = 0; r < 3; ++r) {
        items[FirstRoundItem + r].label = RoundLabels[r];
    }
    setupButton.label = TrMark("Facts");
}

void FactsScreen::Open() {
    typing = false;
    typed.clear();
    message.clear();
}

bool FactsScreen::OnKey(int key, FactChoice& choice) {
    if (typing) {
        return OnFieldKey(key, choice);
    }
    if (key >= '1' && key <= '9') {
        Choose(FirstTableItem + key - '1', choice);
        return false;
    }
    switch (key) {
    case '0': Choose(FirstTableItem + 9, choice); return false;
    case 'C':
        choice.tables = 0;
        choice.typedTable = 0;
        return false;
    case 'K': SwitchPace(choice); return false;
    case 'T': StartTyping(); return false;
    case KeyCode::Escape: return true;
    default: return false;
    }
}

bool FactsScreen::OnFieldKey(int key, FactChoice& choice) {
    if (key >= '0' && key <= '9' && typed.size() < MostTypedDigits) {
        typed += static_cast<char>(key);
    } else if (key == KeyCode::Backspace && !typed.empty()) {
        typed.pop_back();
    } else if (key == KeyCode::Return) {
        TakeTyped(choice);
    } else if (key == KeyCode::Escape) {
        Open();
    }
    return false;
}

void FactsScreen::StartTyping() {
    typing = true;
    message.clear();
    typed.clear();
}

void FactsScreen::TakeTyped(FactChoice& choice) {
    const int table = typed.empty() ? 0 : std::stoi(typed);
    if (!typed.empty() && !TypedTableAllowed(table)) {
        message = TypedTableRefusal; // the digits stay for correcting
        return;
    }
    choice.typedTable = table;
    Open();
}

void FactsScreen::Choose(int item, FactChoice& choice) {
    if (item >= FirstTableItem && item < QuickTablesItem) {
        const int table = item - FirstTableItem + 1;
        choice.SetTable(table, !choice.HasTable(table));
    } else if (item >= FirstBandItem && item < ClockItem) {
        choice.band = static_cast<SumBand>(item - FirstBandItem);
    } else if (item >= FirstRoundItem) {
        choice.calmRound = CalmRoundLengths[item - FirstRoundItem];
    }
    switch (item) {
    case QuickTablesItem:
        choice.tables = QuickTables;
        choice.typedTable = 0;
        break;
    case AllTablesItem: choice.tables = AllTables; break;
    case TypedTableItem: StartTyping(); break;
    case ShortFactorItem: choice.otherFactorMax = ShortOtherFactor; break;
    case LongFactorItem: choice.otherFactorMax = LongOtherFactor; break;
    case ClockItem: choice.pace = Pace::Clock; break;
    case CalmItem: choice.pace = Pace::Calm; break;
    default: break;
    }
}

bool FactsScreen::ReadLatches(FactChoice& choice) {
    bool back = false;
    for (int i = 0; i < FactsItemCount; ++i) {
        if (!items[i].WasClicked()) {
            continue;
        }
        if (i == BackItem) {
            back = true;
        } else {
            Choose(i, choice);
        }
    }
    return back;
}

void FactsScreen::MeasureItems(int (&widths)[FactsItemCount]) {
    const int f = FontHeight();
    for (int i = 0; i < FactsItemCount; ++i) {
        widths[i] = TextWidth(items[i].ShownLabel()) + f;
    }
    for (int t = 0; t < LastListedTable; ++t) {
        widths[FirstTableItem + t] = std::max(TextWidth("12") + f, 2 * f);
    }
    widths[TypedTableItem] = std::max(TextWidth("000"), TextWidth(FieldPlaceholder)) + f;
}

void FactsScreen::Draw(const FactChoice& choice, const OperationChoice& operations, int width,
                       int height) {
    int widths[FactsItemCount];
    MeasureItems(widths);
    lastLayout = ComputeFactsLayout(width, FontHeight(), widths);
    const Box& title = lastLayout.title;
    DrawPlainText(Tr("Facts"), title.x, title.y + CenterOffset(title.height, FontHeight()), Ink);
    DrawCaptions();
    DrawItems(choice);
    DrawMessage(choice, operations);
    DrawKeysHelp(width, height);
}

void FactsScreen::DrawCaptions() {
    for (int s = 0; s < FactsSections; ++s) {
        const Box& caption = lastLayout.captions[s];
        const char* shown = Tr(Captions[s]);
        if (TextWidth(shown) <= caption.width) {
            DrawStyledLine(shown, caption.x, caption.y, CaptionColour);
        }
    }
}

void FactsScreen::DrawItems(const FactChoice& choice) {
    for (int i = 0; i < FactsItemCount; ++i) {
        PlaceButton(items[i], lastLayout.items[i]);
        items[i].Draw();
        if (ItemOn(i, choice) && i != TypedTableItem) {
            DrawOnMark(items[i]);
        }
    }
    DrawField(choice);
}

void FactsScreen::DrawField(const FactChoice& choice) {
    const Button& field = items[TypedTableItem];
    DrawBox(field.x, field.y, field.width, field.height, Ink, 1, FieldFill);
    const int f = FontHeight();
    const int textY = field.y + CenterOffset(field.height, f);
    if (typing) {
        const int caretX = field.x + f / 2 + PlainTextWidth(typed.c_str()) + 1;
        DrawPlainText(typed.c_str(), field.x + f / 2, textY, Ink);
        VLine(caretX, textY, textY + f - 1, Ink);
        return;
    }
    if (choice.typedTable != 0) {
        const std::string number = std::to_string(choice.typedTable);
        DrawPlainText(number.c_str(),
                      field.x + CenterOffset(field.width, TextWidth(number.c_str())), textY, Ink);
        DrawOnMark(field);
        return;
    }
    DrawPlainText(FieldPlaceholder,
                  field.x + CenterOffset(field.width, TextWidth(FieldPlaceholder)), textY,
                  QuietColour);
}

void FactsScreen::DrawMessage(const FactChoice& choice, const OperationChoice& operations) {
    const std::string shown =
        message.empty() ? FactsWarning(choice, operations) : Tr(message.c_str());
    const Box& row = lastLayout.message;
    if (!shown.empty() && TextWidth(shown.c_str()) <= row.width) {
        DrawStyledLine(shown.c_str(), row.x, row.y, MessageColour);
    }
}

void FactsScreen::DrawKeysHelp(int width, int height) {
    const int f = FontHeight();
    const int top = height - f - f / 2;
    const int contentBottom = Bottom(lastLayout.items[FactsItemCount - 1]);
    // Translators: the letters name keys and stay as they are
    const char* help = Tr("Keys: 1-9 and 0 tables, C none, T type, K pace, Esc back");
    if (top >= contentBottom + f && TextWidth(help) <= width - f) {
        DrawPlainText(help, f / 2, top, QuietColour);
    }
}

bool FactsScreen::DrawSetupButton(const Box& room) {
    const int needed = TextWidth(setupButton.ShownLabel()) + FontHeight();
    if (needed > room.width) {
        return false;
    }
    PlaceButton(setupButton, {room.x + room.width - needed, room.y, needed, room.height});
    setupButton.Draw();
    return true;
}
