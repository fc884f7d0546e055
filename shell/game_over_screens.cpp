// The two screens the shell draws over the game: "Game Paused" until any click, and
// "Game Over" with the score and an OK button, above it how the game went and, with two or
// more players, whose game it was, and below the facts the game made fluent. Every line is
// centred across the window.
#include <algorithm>
#include <iterator>
#include <string>

#include "app/display_scale.h"
#include "shell/game_shell.h"
#include "shell/shrunk_font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {
constexpr ColorRef HeadingColour = 0xFF0000;
constexpr ColorRef BodyColour = 0x000000;
// The OK button's width at scale 1000 (the Button default); it grows with the window.
constexpr int OkButtonWidth = 96;

// Whether the score would take the table's first place, by the table's own rule (ties go
// above), tried on a copy; a score of 0 never does.
bool TakesFirstPlace(const HighScoreEntry (&table)[HighScoreCount], std::uint32_t score) {
    HighScoreEntry trial[HighScoreCount];
    std::copy(std::begin(table), std::end(table), std::begin(trial));
    return score > 0 && RecordHighScore(trial, score, 0, nullptr, std::string()) == 0;
}

// name without the characters at its end that do not fit in width.
std::string FittedText(std::string name, int width) {
    while (!name.empty() && PlainTextWidth(name.c_str()) > width) {
        name.pop_back();
    }
    return name;
}

// A list line ("lead item, item") cut after the last item that fits in width; empty when
// not even the first does.
std::string FittedListLine(std::string line, int width) {
    while (TextWidth(line.c_str()) > width) {
        const std::size_t cut = line.rfind(", ");
        if (cut == std::string::npos) {
            return std::string();
        }
        line.erase(cut);
    }
    return line;
}

} // namespace

void GameShell::DrawPlayerName(int left, int boxWidth, int y, ColorRef colour) {
    if (roster.players.size() < 2) {
        return;
    }
    const std::string name = FittedText(roster.Current().name, boxWidth);
    DrawPlainText(name.c_str(), left + ((boxWidth - PlainTextWidth(name.c_str())) >> 1), y, colour);
}

void GameShell::DrawCentredLine(const char* text, int y, ColorRef colour) {
    TextStyle style = MarkupStyle(colour);
    style.boxWidth = width;
    DrawText(text, 0, y, style);
}

void GameShell::DrawPauseScreen() {
    SelectShellFont();
    const int lineHeight = FontHeight();
    const int y = (height >> 1) - ((2 * lineHeight) >> 1);
    DrawCentredLine(Tr("Game Paused"), y, HeadingColour);
    DrawCentredFitted(Tr("Click the screen to resume your game."), width, y + 2 * lineHeight,
                      BodyColour, pauseLineFont);
}

void GameShell::DrawGameOverScreen() {
    SelectShellFont();
    const int lineHeight = FontHeight();
    const int y = (height >> 1) - ((5 * lineHeight) >> 1);
    DrawGameResult(y);
    DrawCentredLine(Tr("Game Over"), y, HeadingColour);
    const std::string scoreLine =
        FormatText(Tr("Your score is {1}."), {std::to_string(static_cast<int>(score))});
    DrawCentredLine(scoreLine.c_str(), y + 2 * lineHeight, BodyColour);
    okButton.SetHeight(3 * lineHeight);
    okButton.SetWidth(ScaledSize(OkButtonWidth, DisplayScale(), OkButtonWidth));
    okButton.SetPosition((width >> 1) - (okButton.GetWidth() >> 1), y + 4 * lineHeight);
    okButton.Draw();
    const int okBottom = okButton.y + okButton.GetHeight();
    // Under the room the game's controls take below OK: a line, then a button two high.
    DrawNowFluent(okBottom + 4 * lineHeight);
    DrawGameOverControls(okBottom + lineHeight);
}

void GameShell::DrawNowFluent(int y) {
    const int lineHeight = FontHeight();
    const std::string line = FittedListLine(nowFluentLine, width - 2 * lineHeight);
    if (!line.empty() && y + lineHeight <= height) {
        DrawCentredLine(line.c_str(), y, BodyColour);
    }
}

void GameShell::DrawGameResult(int gameOverY) {
    // The room above "Game Over" is free at every size: the screen is centred on its lines
    // below.
    const int lineHeight = FontHeight();
    std::string result;
    DescribeGameResult(result);
    if (!result.empty()) {
        DrawCentredLine(result.c_str(), gameOverY - 2 * lineHeight, BodyColour);
    }
    if (!keptOutOfTableLine.empty()) {
        DrawCentredLine(Tr(keptOutOfTableLine.c_str()), gameOverY - 4 * lineHeight, BodyColour);
    } else if (TakesFirstPlace(highScores, score)) {
        DrawCentredLine(Tr("New best!"), gameOverY - 4 * lineHeight, HeadingColour);
    }
    // Whose game it was, above the lines the screen may show, while the window has room.
    const int playerY = gameOverY - 6 * lineHeight;
    if (playerY >= 0) {
        DrawPlayerName(0, width, playerY, BodyColour);
    }
}
