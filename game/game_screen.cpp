// The game screen: the time panel with its lamps, the preview, the score box, the problem
// as a right-aligned column sum with the typed answer under the bar, the command bar and
// keypad (the setup screen is in setup_screen.cpp). Where the window is too small for
// today's proportions the lamps shrink to the panel's height and the keypad column to
// what leaves the setup rows room.
#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "game/arithmetic_game.h"
#include "game/panel_drawing.h"
#include "game/time_lamps.h"
#include "render/primitives.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef MissRed = 0x1E1ED2;
constexpr ColorRef Background = 0xFFFFFF;
constexpr int FadeStep = 10;

std::string OperandLine(const Problem& problem) {
    std::string line(1, static_cast<char>(problem.operation));
    line += ' ';
    AppendDecimal(line, problem.operandB);
    return line;
}

// The width the command bar needs for its widest label in each of its three buttons.
int CommandBarNeeded(ButtonGrid& commandBar) {
    int widest = 0;
    for (int i = 0; i < 3; ++i) {
        widest = std::max(widest, TextWidth(commandBar.Item(i).ShownLabel()));
    }
    return 3 * (widest + FontHeight() / 2);
}

} // namespace

const char* ArithmeticGame::ShortOrLong(const char* shortText, const char* longText) const {
    return Tr((width < height || IsNearlySquare()) ? shortText : longText);
}

void ArithmeticGame::ApplyLayout() {
    SelectShellFont();
    // Long setup texts never take the keypad's room below what its command labels need: the
    // setup screen then shows what fits, as in any small window.
    const int leftNeeded = std::min(SetupAreaNeeded(), width - CommandBarNeeded(commandBar));
    layout = ComputeGameLayout(width, height, FontHeight(), IsNearlySquare(), leftNeeded);
    commandBar.SetPosition(layout.commandBar.x, layout.commandBar.y);
    commandBar.SetSize(layout.commandBar.width, layout.commandBar.height);
    keypad.SetPosition(layout.keypad.x, layout.keypad.y);
    keypad.SetSize(layout.keypad.width, layout.keypad.height);
    skipButton.SetHeight(layout.skipHeight);
    skipButton.SetWidth(layout.skipWidth);
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
        DrawText(ShortOrLong(TrMark("Challenge"), TrMark("Challenge Problem")), box.x,
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
    int redLeft = box.x + box.width; // where red digits take the row's right part
    if (fadeLevel != 0 && font != nullptr && font == problemFont) {
        redLeft = DrawFadingAnswer(right, answerRow, redLeft);
    }
    if (answer != nullptr) {
        DrawAnswer(box, right, answerRow, *answer, redLeft);
    }
}

int ArithmeticGame::DrawFadingAnswer(int right, int row, int redLeft) {
    const int left = right - TextWidth(fadingAnswer.c_str());
    const ColorRef ink = practice.fadingMiss ? MissRed : Ink;
    DrawPlainText(fadingAnswer.c_str(), left, row,
                  BlendColour(ink, Background, static_cast<float>(255 - fadeLevel) / 255.0f));
    fadeLevel = fadeLevel > FadeStep ? fadeLevel - FadeStep : 0;
    return practice.fadingMiss ? left : redLeft;
}

void ArithmeticGame::DrawAnswer(const Box& box, int right, int row, const std::string& answer,
                                int redLeft) {
    if (practice.ShownAnswerVisible()) {
        const std::string& shown = practice.shownAnswer;
        redLeft = right - TextWidth(shown.c_str());
        DrawPlainText(shown.c_str(), redLeft, row, MissRed);
    } else {
        DrawPlainText(answer.c_str(), right - TextWidth(answer.c_str()), row, Ink);
    }
    if ((challengeActive || shownScreen == GameScreen::Review) && answer.empty()) {
        DrawSkipButton(box, row, redLeft);
    }
}

void ArithmeticGame::DrawSkipButton(const Box& box, int row, int redLeft) {
    SelectShellFont();
    // Red digits in the row's right part: "Skip" gives way, a gap before them.
    const bool givesWay = redLeft < box.x + box.width;
    const int room = givesWay ? redLeft - box.x - FontHeight() : box.width;
    if (givesWay) {
        skipButton.SetWidth(std::min(skipButton.GetWidth(), room));
    }
    if (!givesWay || skipButton.GetWidth() <= room) {
        skipButton.SetPosition(box.x + CenterOffset(room, skipButton.GetWidth()), row);
        skipButton.Draw();
    }
    SetCurrentFont(problemFont);
}

void ArithmeticGame::DrawStatus(const Box& box, bool showScore, bool showLevel, bool showProblem,
                                bool framed) {
    if (framed) {
        DrawBox(box.x, box.y, box.width, box.height, Ink, 1, ScoreFill);
    }
    if (!showScore && !showLevel && !showProblem) {
        DrawBoxedLine(title.c_str(), box.x, box.y, box.width, box.height);
        return;
    }
    // Fixed slots, a third each: a hidden line leaves its slot empty.
    const int slot = box.height / 3;
    if (showScore) {
        const std::string text =
            FormatText(Tr("Score: {1}"), {std::to_string(static_cast<int>(score))});
        DrawBoxedLine(text.c_str(), box.x, box.y, box.width, slot);
    }
    if (showLevel) {
        const std::string text = FormatText(Tr("Level: {1}"), {std::to_string(level)});
        DrawBoxedLine(text.c_str(), box.x, box.y + slot, box.width, slot);
    }
    if (showProblem) {
        // Translators: the problem's number in the level and the level's problems, "3/9"
        const std::string text =
            challengeActive
                ? std::string(Tr("Challenge"))
                : FormatText(Tr("Problem: {1}/{2}"), {std::to_string(dealer.problemNumber),
                                                      std::to_string(dealer.problemsPerLevel - 1)});
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
    if (CalmRound()) {
        DrawCountPanel(layout.timePanel, TrIn("chosen pace", "Calm"), problemsFinished + 1,
                       dealer.facts.calmRound);
    } else {
        DrawTimePanel(layout.timePanel, Tr("Time"), true);
    }
    if (!challengeActive) {
        DrawProblem(layout.previewBox, dealer.nextProblem, nullptr, Ink,
                    ShortOrLong(TrMark("Next"), TrMark("Next Problem")), true);
    }
    DrawStatus(layout.statusBox, !CalmRound(), true, true, !IsTinyScreen());
    DrawAnswerArea(dealer.currentProblem);
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
