// The setup screen: the difficulty row, the operation switches, "Start Game" with the hint
// under it while no operation is on (else the chosen facts' summary, when there is one), the
// practice switches and "Progress" below, the current player's name at the end of the
// difficulty caption's row, "Facts" at the end of the options caption's row, and the title
// where the window leaves room for it. Every place is worked out from the window's
// size and the shell font each frame.
#include <algorithm>

#include "game/arithmetic_game.h"
#include "game/panel_drawing.h"
#include "render/primitives.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef HintColour = 0x0000C0;

// A switch with its label: the box, a space, the label.
int SwitchWidth(CheckBox& toggle) {
    return toggle.GetWidth() + 2 * SpaceWidth() + TextWidth(toggle.ShownLabel());
}

} // namespace

int ArithmeticGame::SetupAreaNeeded() {
    int row = 0;
    for (int i = 0; i < difficultyChoice.count; ++i) {
        row += difficultyChoice.items[i].GetWidth();
    }
    // A column of switches: the box, a space, the longer label and a space before the next.
    const int box = addToggle.GetWidth() + 2 * SpaceWidth();
    const int first =
        box + std::max(TextWidth(addToggle.ShownLabel()), TextWidth(subtractToggle.ShownLabel()));
    const int second = box + std::max(TextWidth(multiplyToggle.ShownLabel()),
                                      TextWidth(divideToggle.ShownLabel()));
    // The row gets seven eighths of the area, each column half the row; the second column
    // starts at the area's middle, less a sixteenth.
    return std::max({row * 8 / 7, first * 16 / 7, second * 2}) + 1;
}

void ArithmeticGame::DrawSetupFrame() {
    SelectSetupFont();
    PlaceSetupControls();
    const Box titleBox = SetupTitleBox();
    SelectShellFont();
    if (titleBox.height > 0) {
        DrawStatus(titleBox, false, false, false, true);
    }
    DrawControlColumn();
    DrawSetupScreen();
}

void ArithmeticGame::SelectSetupFont() {
    SelectShellFont();
    const int area = SetupArea();
    if (SetupAreaNeeded() > area) {
        SetCurrentFont(setupFont.FitMeasured([this] { return SetupAreaNeeded(); }, area));
    }
}

int ArithmeticGame::SetupArea() const {
    return width < height ? width : keypad.x;
}

int ArithmeticGame::SetupBottom() const {
    return width < height ? keypad.y : height;
}

int ArithmeticGame::SetupLineHeight() {
    // The switches' height, or a line and a half where the font outgrows them.
    return std::max(addToggle.GetHeight(), FontHeightMultiple(1, 1));
}

void ArithmeticGame::PlaceSetupControls() {
    const int f = FontHeight();
    const int area = SetupArea();
    const int line = SetupLineHeight();
    difficultyChoice.SetWidth(area - area / 8);
    difficultyChoice.SetPosition(CenterOffset(area, difficultyChoice.GetWidth()), 4 * f);
    const int left = difficultyChoice.x;
    const int step = line + line / 2;
    // Where even the smallest font leaves two columns too narrow for a long translation, the
    // switches take one.
    const bool oneColumn = SetupAreaNeeded() > area;
    const int secondColumn = oneColumn ? left : left + difficultyChoice.GetWidth() / 2;
    const int secondTop = oneColumn ? 9 * f + 2 * step : 9 * f;
    addToggle.SetPosition(left, 9 * f);
    subtractToggle.SetPosition(left, 9 * f + step);
    multiplyToggle.SetPosition(secondColumn, secondTop);
    divideToggle.SetPosition(secondColumn, secondTop + step);
    PlacePracticeControls();
}

void ArithmeticGame::PlacePracticeControls() {
    for (const bool compact : {false, true}) {
        for (const bool stacked : {false, true}) {
            if (PlaceLowerControls(compact, stacked)) {
                return;
            }
        }
    }
}

bool ArithmeticGame::PlaceLowerControls(bool compact, bool stacked) {
    const int f = FontHeight();
    const int line = SetupLineHeight();
    const int switchesBottom = divideToggle.y + line;
    if (!compact) {
        PlaceStartButton(false, switchesBottom + line + f);
        // Clear of the no-operation hint's line under "Start Game".
        const int startBottom = startGameButton.y + startGameButton.GetHeight();
        PlaceProgressButton(PlacePracticeToggles(stacked, startBottom + 2 * f + f / 2));
        return practiceTogglesShown && progressButtonShown;
    }
    // The practice options as more rows of switches, "Start Game" and "Progress" under them.
    PlacePracticeToggles(stacked, switchesBottom + line / 2);
    PlaceStartButton(true, (practiceTogglesShown ? setupControlsBottom : switchesBottom) + f);
    const int startBottom = startGameButton.y + startGameButton.GetHeight();
    setupControlsBottom = startBottom;
    PlaceProgressButton(startBottom + 2 * f + f / 2);
    return practiceTogglesShown && progressButtonShown && startBottom + f / 2 <= SetupBottom();
}

void ArithmeticGame::PlaceStartButton(bool compact, int top) {
    const int f = FontHeight();
    const int area = SetupArea();
    if (!compact) {
        startGameButton.SetSize(area / 2, 4 * f);
        startGameButton.SetPosition(CenterOffset(area, startGameButton.GetWidth()), top);
        return;
    }
    // Two lines high, with room for "Progress" beside it.
    const int progressWidth = TextWidth(progress.button.ShownLabel()) + f;
    startGameButton.SetSize(std::min(area / 2, area - progressWidth - 3 * f), 2 * f);
    const int pair = startGameButton.GetWidth() + f + progressWidth;
    startGameButton.SetPosition(CenterOffset(area, pair), top);
}

int ArithmeticGame::PlacePracticeToggles(bool stacked, int top) {
    const int f = FontHeight();
    const int area = SetupArea();
    const int line = SetupLineHeight();
    const int startBottom = startGameButton.y + startGameButton.GetHeight();
    CheckBox& weakFacts = practice.weakFactsToggle;
    CheckBox& showAnswer = practice.showAnswerToggle;
    int secondX = addToggle.x;
    int secondY = top + line + line / 2;
    bool wideEnough =
        addToggle.x + std::max(SwitchWidth(weakFacts), SwitchWidth(showAnswer)) <= area;
    if (!stacked) {
        // The second switch starts in the second column of switches, or further left as its
        // longer label needs, as long as it stays clear of the first one's label.
        secondX = std::min(multiplyToggle.x, area - SpaceWidth() - SwitchWidth(showAnswer));
        secondY = top;
        wideEnough = secondX >= addToggle.x + SwitchWidth(weakFacts) + SpaceWidth();
    }
    weakFacts.SetPosition(addToggle.x, top);
    showAnswer.SetPosition(secondX, secondY);
    const int rowsBottom = secondY + line;
    practiceTogglesShown = wideEnough && rowsBottom + f / 2 <= SetupBottom();
    setupControlsBottom = practiceTogglesShown ? rowsBottom : startBottom;
    return practiceTogglesShown ? rowsBottom + f / 2 : startBottom + 4 * f;
}

void ArithmeticGame::PlaceProgressButton(int top) {
    const int f = FontHeight();
    const int area = SetupArea();
    const int startRight = startGameButton.x + startGameButton.GetWidth();
    Button& button = progress.button;
    const int needed = TextWidth(button.ShownLabel()) + f;
    if (area - startRight >= needed + f) {
        button.SetSize(needed, 2 * f);
        button.SetPosition(startRight + CenterOffset(area - startRight, needed),
                           startGameButton.y + CenterOffset(startGameButton.GetHeight(), 2 * f));
        progressButtonShown = true;
        return;
    }
    // Below the practice options, or below the hint's band, where nothing else goes.
    button.SetSize(std::max(needed, startGameButton.GetWidth() / 2), 2 * f);
    button.SetPosition(CenterOffset(area, button.GetWidth()), top);
    progressButtonShown = top + 2 * f + f / 2 <= SetupBottom();
    if (progressButtonShown) {
        setupControlsBottom = top + 2 * f;
    }
}

Box ArithmeticGame::SetupTitleBox() {
    if (width >= height) {
        return layout.statusBox;
    }
    // Taller than wide, the setup rows take the score box's place: the title goes between
    // "Start Game" (and the hint under it, when shown) and the keypad, no taller than the
    // score box of a wide window, and only where it has two lines of room.
    const int f = FontHeight();
    const int hintLines = StartLineUsed() ? 2 * f : 0;
    const int top = std::max(startGameButton.y + startGameButton.GetHeight() + f + hintLines,
                             setupControlsBottom + f);
    const int roomHeight = std::min(keypad.y - f - top, 7 * f + 1);
    if (roomHeight < 2 * f) {
        return Box{};
    }
    return Box{f, top, width - 2 * f, roomHeight};
}

void ArithmeticGame::DrawSetupScreen() {
    SelectSetupFont(); // the keypad was drawn in the problem font; the places stay as set
    const int f = FontHeight();
    const int line = SetupLineHeight();
    const int captionX = difficultyChoice.x - SpaceWidth();
    const int rowRight = difficultyChoice.x + difficultyChoice.GetWidth();
    const int captionRows[2] = {difficultyChoice.y - line, addToggle.y - line};
    const char* captions[2] = {Tr("Difficulty"), Tr("Options")};
    for (int i = 0; i < 2; ++i) {
        DrawPlainText(captions[i], captionX, captionRows[i], CaptionColour);
        HLine(captionX, captionRows[i] + f, rowRight, RuleColour);
    }
    DrawPlayerControl(captionX + TextWidth(captions[0]) + 2 * SpaceWidth(), captionRows[0],
                      rowRight);
    DrawFactsControl(captionX + TextWidth(captions[1]) + 2 * SpaceWidth(), captionRows[1],
                     rowRight);
    difficultyChoice.Draw();
    addToggle.Draw();
    subtractToggle.Draw();
    multiplyToggle.Draw();
    divideToggle.Draw();
    startGameButton.Draw();
    if (practiceTogglesShown) {
        practice.weakFactsToggle.Draw();
        practice.showAnswerToggle.Draw();
    }
    if (progressButtonShown) {
        progress.button.Draw();
    }
    if (!operations.Any()) {
        DrawNoOperationHint(SetupArea());
    } else {
        DrawFactsSummary(SetupArea());
    }
}

void ArithmeticGame::DrawPlayerControl(int left, int captionY, int right) {
    const int f = FontHeight();
    // On the caption's line, reaching up into the free band over it where there is one
    // (a tall window's command bar lies right above).
    const int above = width < height ? layout.commandBar.y + layout.commandBar.height : 0;
    const int bottom = captionY + f;
    const int top = std::max({above, bottom - f - f / 2, 0});
    players.DrawSetupControl(roster.Current().name, Box{left, top, right - left, bottom - top});
}

void ArithmeticGame::DrawFactsControl(int left, int captionY, int right) {
    const int f = FontHeight();
    const int bottom = captionY + f;
    facts.DrawSetupButton(Box{left, bottom - f - f / 2, right - left, f + f / 2});
}

bool ArithmeticGame::StartLineUsed() {
    return !operations.Any() || !FactsSummary(progress.history.options.facts, operations).empty();
}

int ArithmeticGame::StartLineTop() {
    return startGameButton.y + startGameButton.GetHeight() + FontHeight();
}

void ArithmeticGame::DrawFactsSummary(int area) {
    const std::string summary = FactsSummary(progress.history.options.facts, operations);
    const int y = StartLineTop();
    const int summaryWidth = TextWidth(summary.c_str());
    if (summary.empty() || y + FontHeight() > SetupBottom() || summaryWidth > area) {
        return;
    }
    // Styled, for the division sign a warning may hold.
    TextStyle style;
    const bool warning = !FactsWarning(progress.history.options.facts, operations).empty();
    style.colour = warning ? HintColour : CaptionColour;
    DrawText(summary.c_str(), CenterOffset(area, summaryWidth), y, style);
}

void ArithmeticGame::DrawNoOperationHint(int area) {
    const int y = StartLineTop();
    // Shown under "Start Game" while it can start nothing.
    const char* hint = Tr("Choose at least one operation.");
    if (y + FontHeight() <= SetupBottom() && TextWidth(hint) <= area) {
        DrawPlainText(hint, CenterOffset(area, TextWidth(hint)), y, HintColour);
    }
}
