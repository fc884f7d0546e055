// The game and setup screens: the time panel with its lamps, the preview, the score box,
// the problem as a right-aligned column sum with the typed answer under the bar, the
// command bar and keypad, and the setup screen's difficulty row, operation switches and
// start button. Where the window is too small for today's proportions the lamps shrink
// to the panel's height and the keypad column to what leaves the setup rows room.
#include <algorithm>
#include <string>

#include "game/arithmetic_game.h"
#include "game/time_lamps.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/number_text.h"
#include "text/text.h"

namespace {

constexpr ColorRef PanelFill = 0xDCDCFF;
constexpr ColorRef ScoreFill = 0xF0FFF0;
constexpr ColorRef Ink = 0x000000;
constexpr ColorRef CaptionColour = 0xFF0000;
constexpr ColorRef RuleColour = 0x969696;
constexpr ColorRef HintColour = 0x0000C0;
// Shown under "Start Game" while it can start nothing.
constexpr char NoOperationHint[] = "Choose at least one operation.";
constexpr int FadeStep = 10;

void DrawBoxedLine(const char* text, int x, int y, int boxWidth, int boxHeight) {
    TextStyle style = MarkupStyle(Ink);
    style.boxWidth = boxWidth;
    style.boxHeight = boxHeight;
    DrawText(text, x, y, style);
}

std::string OperandLine(const Problem& problem) {
    std::string line(1, static_cast<char>(problem.operation));
    line += ' ';
    AppendDecimal(line, problem.operandB);
    return line;
}

} // namespace

const char* ArithmeticGame::ShortOrLong(const char* shortText, const char* longText) const {
    return (width < height || IsNearlySquare()) ? shortText : longText;
}

void ArithmeticGame::ApplyLayout() {
    SelectShellFont();
    layout = ComputeGameLayout(width, height, FontHeight(), IsNearlySquare(), SetupAreaNeeded());
    commandBar.SetPosition(layout.commandBar.x, layout.commandBar.y);
    commandBar.SetSize(layout.commandBar.width, layout.commandBar.height);
    keypad.SetPosition(layout.keypad.x, layout.keypad.y);
    keypad.SetSize(layout.keypad.width, layout.keypad.height);
    skipButton.SetHeight(layout.skipHeight);
    skipButton.SetWidth(layout.skipWidth);
}

int ArithmeticGame::SetupAreaNeeded() {
    int row = 0;
    for (int i = 0; i < difficultyChoice.count; ++i) {
        row += difficultyChoice.items[i].GetWidth();
    }
    // A column of switches: the box, a space, the longer label and a space before the next.
    const int box = addToggle.GetWidth() + 2 * SpaceWidth();
    const int first =
        box + std::max(TextWidth(addToggle.label.c_str()), TextWidth(subtractToggle.label.c_str()));
    const int second = box + std::max(TextWidth(multiplyToggle.label.c_str()),
                                      TextWidth(divideToggle.label.c_str()));
    // The row gets seven eighths of the area, each column half the row; the second column
    // starts at the area's middle, less a sixteenth.
    return std::max({row * 8 / 7, first * 16 / 7, second * 2}) + 1;
}

void ArithmeticGame::DrawCaption(const char* caption, const Box& box, int& y) {
    if (caption == nullptr) {
        return;
    }
    Font* previous = CurrentFont();
    SelectShellFont();
    TextStyle style = MarkupStyle(Ink);
    style.boxWidth = box.width;
    DrawText(caption, box.x, y, style);
    y += FontHeightMultiple(1, 1);
    SetCurrentFont(previous);
}

void ArithmeticGame::DrawTimePanel(const Box& box, const char* caption, bool framed) {
    int y = box.y;
    DrawCaption(caption, box, y);
    if (framed) {
        DrawBox(box.x, y, box.width, box.height, Ink, 1, PanelFill);
    }
    // A quarter of the width, or smaller where the clock, the lamps and the three gaps of a
    // quarter lamp each would not fit in the height; a smaller row is centred.
    const int wideLamp = box.width / 4;
    const int lampSize = std::max(0, std::min(wideLamp, 4 * (box.height - FontHeight()) / 7));
    const int gap = lampSize / 4;
    const int rowLeft =
        lampSize < wideLamp ? box.x + CenterOffset(box.width, 3 * lampSize + 4 * gap) : box.x;
    clock.SetPosition(box.x, y + gap);
    clock.SetWidth(box.width);
    clock.Draw();
    ColorRef lamps[3];
    LampColours(clock.RemainingSeconds(), clock.BlinkPhase(), lamps);
    for (int i = 0; i < 3; ++i) {
        DrawBox(rowLeft + gap + i * (lampSize + gap), y + box.height - lampSize - gap, lampSize,
                lampSize, Ink, 1, lamps[i]);
    }
}

void ArithmeticGame::DrawProblem(const Box& box, const Problem& problem, const std::string* answer,
                                 ColorRef colour, const char* caption, bool framed) {
    int y = box.y;
    DrawCaption(caption, box, y);
    if (framed) {
        DrawBox(box.x, y, box.width, box.height, Ink, 1, PanelFill);
    }
    Font* font = CurrentFont();
    const int fh = FontHeight();
    const int rowStep = fh + fh / 8;
    const int blockHeight = fh / 4 + fh / 8 + 2 * rowStep + (answer != nullptr ? rowStep : 0);
    const int top = y + CenterOffset(box.height, blockHeight);
    if (challengeActive) {
        SelectShellFont();
        TextStyle style = MarkupStyle(CaptionColour);
        style.boxWidth = box.width;
        DrawText(ShortOrLong("Challenge", "Challenge Problem"), box.x,
                 top - FontHeightMultiple(1, 1), style);
        SetCurrentFont(font);
    }
    std::string first;
    SetDecimal(first, problem.operandA);
    const std::string second = OperandLine(problem);
    TextStyle digits = MarkupStyle(colour);
    digits.fixedAdvanceLayout = true;
    // Both lines end at one right edge; the wider one (by plain width) is centred.
    const bool secondWider = TextWidth(second.c_str()) >= TextWidth(first.c_str());
    const std::string& wider = secondWider ? second : first;
    const std::string& narrower = secondWider ? first : second;
    const int wideWidth = font != nullptr ? font->MeasureStyled(wider.c_str(), digits) : 0;
    const int narrowWidth = font != nullptr ? font->MeasureStyled(narrower.c_str(), digits) : 0;
    const int left = box.x + CenterOffset(box.width, wideWidth);
    const int right = left + wideWidth;
    const int widerRow = secondWider ? top + rowStep : top;
    const int narrowerRow = secondWider ? top : top + rowStep;
    DrawText(wider.c_str(), left, widerRow, digits);
    DrawText(narrower.c_str(), right - narrowWidth, narrowerRow, digits);
    FillBox(left, top + 2 * rowStep, right - left, fh / 8, colour);

    const int answerRow = top + 2 * rowStep + fh / 8 + fh / 4;
    if (fadeLevel != 0 && font != nullptr && font == problemFont) {
        DrawPlainText(fadingAnswer.c_str(), right - TextWidth(fadingAnswer.c_str()), answerRow,
                      static_cast<ColorRef>(255 - fadeLevel) * 0x010101u);
        fadeLevel = fadeLevel > FadeStep ? fadeLevel - FadeStep : 0;
    }
    if (answer == nullptr) {
        return;
    }
    if (answer->empty() && ShownAnswerVisible()) {
        // In the challenge it stands in for "Skip" for its second.
        DrawPlainText(shownAnswer.c_str(), right - TextWidth(shownAnswer.c_str()), answerRow,
                      ShownAnswerColour());
    } else if (challengeActive && answer->empty()) {
        SelectShellFont();
        skipButton.SetPosition(box.x + CenterOffset(box.width, skipButton.GetWidth()), answerRow);
        skipButton.Draw();
        SetCurrentFont(problemFont);
    } else {
        DrawPlainText(answer->c_str(), right - TextWidth(answer->c_str()), answerRow, Ink);
    }
}

void ArithmeticGame::DrawStatus(const Box& box, bool showScore, bool showLevel, bool showProblem,
                                bool framed) {
    if (framed) {
        DrawBox(box.x, box.y, box.width, box.height, Ink, 1, ScoreFill);
    }
    const int shown = (showScore ? 1 : 0) + (showLevel ? 1 : 0) + (showProblem ? 1 : 0);
    if (shown == 0) {
        DrawBoxedLine(title.c_str(), box.x, box.y, box.width, box.height);
        return;
    }
    // Fixed slots: a hidden line leaves its slot empty.
    const int slot = box.height / shown;
    std::string text;
    if (showScore) {
        text = "Score: ";
        AppendDecimal(text, static_cast<int>(score));
        DrawBoxedLine(text.c_str(), box.x, box.y, box.width, slot);
    }
    if (showLevel) {
        text = "Level: ";
        AppendDecimal(text, level);
        DrawBoxedLine(text.c_str(), box.x, box.y + slot, box.width, slot);
    }
    if (showProblem) {
        text = "Challenge";
        if (!challengeActive) {
            text = "Problem: ";
            AppendDecimal(text, dealer.problemNumber);
            text += "/";
            AppendDecimal(text, dealer.problemsPerLevel - 1);
        }
        DrawBoxedLine(text.c_str(), box.x, box.y + 2 * slot, box.width, slot);
    }
}

void ArithmeticGame::DrawControlColumn() {
    SelectShellFont();
    commandBar.Draw();
    SetCurrentFont(problemFont);
    keypad.Draw();
}

void ArithmeticGame::DrawPlayScreen() {
    SelectShellFont();
    DrawTimePanel(layout.timePanel, "Time", true);
    if (!challengeActive) {
        DrawProblem(layout.previewBox, dealer.nextProblem, nullptr, Ink,
                    ShortOrLong("Next", "Next Problem"), true);
    }
    DrawStatus(layout.statusBox, true, true, true, !IsTinyScreen());
    DrawAnswerArea(dealer.currentProblem);
}

void ArithmeticGame::DrawReviewScreen() {
    SelectShellFont();
    const Box& panel = layout.timePanel;
    int y = panel.y;
    DrawCaption("Review", panel, y);
    DrawBox(panel.x, y, panel.width, panel.height, Ink, 1, PanelFill);
    std::string text;
    AppendDecimal(text, review.Number());
    text += " of ";
    AppendDecimal(text, review.Count());
    DrawBoxedLine(text.c_str(), panel.x, y, panel.width, panel.height);
    if (const Problem* next = review.Next()) {
        DrawProblem(layout.previewBox, *next, nullptr, Ink, ShortOrLong("Next", "Next Problem"),
                    true);
    }
    const Box& status = layout.statusBox;
    if (!IsTinyScreen()) {
        DrawBox(status.x, status.y, status.width, status.height, Ink, 1, ScoreFill);
    }
    DrawBoxedLine(ShortOrLong("No clock", "No clock, no score"), status.x, status.y, status.width,
                  status.height);
    DrawAnswerArea(review.Current());
}

void ArithmeticGame::DrawAnswerArea(const Problem& problem) {
    SetCurrentFont(problemFont);
    DrawProblem(layout.problemBox, problem, &typedAnswer, Ink, nullptr, false);
    DrawControlColumn();
    if (answerPad.WasPressed()) {
        typedAnswer.clear();
    }
    answerPad.SetPosition(layout.problemBox.x, layout.problemBox.y);
    answerPad.SetSize(layout.problemBox.width, layout.problemBox.height);
    answerPad.Draw();
}

void ArithmeticGame::DrawSetupFrame() {
    SelectShellFont();
    PlaceSetupControls();
    const Box titleBox = SetupTitleBox();
    if (titleBox.height > 0) {
        DrawStatus(titleBox, false, false, false, true);
    }
    DrawControlColumn();
    DrawSetupScreen();
}

int ArithmeticGame::SetupArea() const {
    return width < height ? width : keypad.x;
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
    const int secondColumn = left + difficultyChoice.GetWidth() / 2;
    const int secondRow = 9 * f + line + line / 2;
    addToggle.SetPosition(left, 9 * f);
    subtractToggle.SetPosition(left, secondRow);
    multiplyToggle.SetPosition(secondColumn, 9 * f);
    divideToggle.SetPosition(secondColumn, secondRow);
    startGameButton.SetSize(area / 2, 4 * f);
    startGameButton.SetPosition(CenterOffset(area, startGameButton.GetWidth()),
                                divideToggle.y + 2 * line + f);
    PlacePracticeControls();
}

Box ArithmeticGame::SetupTitleBox() {
    if (width >= height) {
        return layout.statusBox;
    }
    // Taller than wide, the setup rows take the score box's place: the title goes between
    // "Start Game" (and the hint under it, when shown) and the keypad, no taller than the
    // score box of a wide window, and only where it has two lines of room.
    const int f = FontHeight();
    const int hintLines = operations.Any() ? 0 : 2 * f;
    const int top = std::max(startGameButton.y + startGameButton.GetHeight() + f + hintLines,
                             setupControlsBottom + f);
    const int roomHeight = std::min(keypad.y - f - top, 7 * f + 1);
    if (roomHeight < 2 * f) {
        return Box{};
    }
    return Box{f, top, width - 2 * f, roomHeight};
}

void ArithmeticGame::DrawSetupScreen() {
    SelectShellFont(); // the keypad was drawn in the problem font; the places stay as set
    const int f = FontHeight();
    const int line = SetupLineHeight();
    const int captionX = difficultyChoice.x - SpaceWidth();
    const int rowRight = difficultyChoice.x + difficultyChoice.GetWidth();
    const int captionRows[2] = {difficultyChoice.y - line, addToggle.y - line};
    const char* captions[2] = {"Difficulty", "Options"};
    for (int i = 0; i < 2; ++i) {
        DrawPlainText(captions[i], captionX, captionRows[i], CaptionColour);
        HLine(captionX, captionRows[i] + f, rowRight, RuleColour);
    }
    difficultyChoice.Draw();
    addToggle.Draw();
    subtractToggle.Draw();
    multiplyToggle.Draw();
    divideToggle.Draw();
    startGameButton.Draw();
    if (practiceTogglesShown) {
        weakFactsToggle.Draw();
        showAnswerToggle.Draw();
    }
    if (progressButtonShown) {
        progressButton.Draw();
    }
    if (!operations.Any()) {
        DrawNoOperationHint(SetupArea());
    }
}

void ArithmeticGame::DrawNoOperationHint(int area) {
    const int y = startGameButton.y + startGameButton.GetHeight() + FontHeight();
    const int bottom = width < height ? keypad.y : height;
    if (y + FontHeight() <= bottom && TextWidth(NoOperationHint) <= area) {
        DrawPlainText(NoOperationHint, CenterOffset(area, TextWidth(NoOperationHint)), y,
                      HintColour);
    }
}
