// The main menu, options and high-score screens: artwork cut from the sprite sheet, the
// title logo, and a white panel inside a decorated border holding the screen's contents.
// Layout is integer arithmetic on the window size and the shell font's height H, each
// halving taken on its own term.
#include <string>

#include "app/sound.h"
#include "render/primitives.h"
#include "render/sprite.h"
#include "shell/game_shell.h"
#include "shell/shell_artwork.h"
#include "shell/version_text.h"
#include "text/font.h"
#include "text/number_text.h"
#include "text/text.h"

namespace {

constexpr ColorRef PanelColour = 0xFFFFFF;
constexpr ColorRef TextColour = 0x000000;
constexpr ColorRef HighlightColour = 0xFF0000;
// The decorated border, outermost colour first: dark red, orange, golden yellow.
constexpr ColorRef FrameColours[3] = {0x242DAD, 0x0354FB, 0x48CFFF};
// The credit is split over two lines: at the shell font's size it is wider than the panel.
constexpr const char* CreditLines[2] = {"Quickfigure by", "Bramblewood Apps"};
constexpr const char* NoticeLine = "Quick answers score more!";

void DrawSpriteAt(Sprite* sprite, int x, int y) {
    sprite->SetPosition(x, y);
    sprite->Draw();
}

void DrawPanelLine(const char* text, int x, int y, int boxWidth, ColorRef colour) {
    TextStyle style = MarkupStyle(colour);
    style.boxWidth = boxWidth;
    DrawText(text, x, y, style);
}

Rect Shrunk(const Rect& r, int n) {
    Rect inner = r;
    InflateRect(inner, -n);
    return inner;
}

} // namespace

void GameShell::DrawMenuScreens() {
    SelectShellFont();
    if (headerBanner == nullptr) {
        return; // the shell has not started yet
    }
    const int titleWidth = titleSprite != nullptr ? titleSprite->GetFrameWidth() : 0;
    const int titleHeight = titleSprite != nullptr ? titleSprite->GetHeight() : 0;
    if (IsTinyScreen()) {
        DrawTinyMenuLayout(titleWidth, titleHeight);
    } else {
        DrawStandardMenuLayout(titleWidth, titleHeight);
    }
}

void GameShell::DrawBands() {
    const int bandOffset = (IsCompactScreen() ? CompactSheet : LargeSheet).bandOffset;
    // A tile of no width would never reach the edge, so it draws no band at all.
    const int tileWidth = bandTile->GetFrameWidth();
    for (int x = headerBanner->x + headerBanner->GetFrameWidth(); tileWidth > 0 && x < width;
         x += tileWidth) {
        DrawSpriteAt(bandTile, x, headerBanner->y + bandOffset);
    }
    DrawSpriteAt(cornerSwirl, width - cornerSwirl->GetFrameWidth() - 2,
                 height - cornerSwirl->GetHeight() - 2);
    for (int x = cornerSwirl->x - tileWidth; tileWidth > 0 && x > -tileWidth; x -= tileWidth) {
        DrawSpriteAt(bandTile, x, cornerSwirl->y + bandOffset);
    }
}

void GameShell::DrawWebLink(bool standardLayout) {
    const int linkWidth = webLink.GetWidth();
    const int linkHeight = webLink.GetHeight();
    webLink.active = standardLayout;
    if (!standardLayout) {
        webLink.SetPosition((width >> 1) - (linkWidth >> 1),
                            height - (linkHeight >> 1) - linkHeight);
    } else if (height <= width && !IsNearlySquare()) {
        webLink.SetPosition((width >> 1) - (linkWidth >> 1),
                            bandTile->y - (linkHeight >> 1) - linkHeight);
    } else {
        webLink.SetPosition(((width - cornerSwirl->GetFrameWidth()) >> 1) - (linkWidth >> 1),
                            bandTile->y - (linkHeight >> 1) - linkHeight);
    }
    webLink.Draw();
}

void GameShell::DrawStandardMenuLayout(int titleWidth, int titleHeight) {
    DrawSpriteAt(headerBanner, 0, 0);
    DrawSpriteAt(sidePictureUpper, 0, headerBanner->y + headerBanner->GetHeight());
    DrawSpriteAt(sidePictureLower, 0, sidePictureUpper->y + sidePictureUpper->GetHeight());
    DrawBands();
    DrawWebLink(true);
    if (titleSprite == nullptr) {
        return; // no logo, no panel
    }
    const int menuHeight = mainMenu.GetHeight();
    const int pad = FontHeightMultiple(0, 2) + FontHeightMultiple(0, 1);
    const int titleX = (width >> 1) - (titleWidth >> 1);
    const int menuY = (height >> 1) - (menuHeight >> 1) + (titleHeight >> 1);
    titleSprite->SetPosition(titleX, menuY - (titleHeight >> 2) - titleHeight);
    Rect panel;
    panel.left = titleX - pad;
    panel.top = titleSprite->y - pad;
    panel.right = panel.left + titleWidth + 2 * pad;
    panel.bottom = menuY + menuHeight + 2 * pad + (pad >> 1);
    DrawPanelContents(panel, panel.left, menuY, panel.right - panel.left - 2);
}

void GameShell::DrawTinyMenuLayout(int titleWidth, int titleHeight) {
    if (titleSprite == nullptr) {
        titleWidth = CompactTitleWidth; // keep the logo's place even without the logo
        titleHeight = CompactTitleHeight;
    }
    const int total = mainMenu.GetHeight() + FontHeightMultiple(3, 0) + titleHeight;
    const int corner = frameCorners[0]->GetFrameWidth();
    Rect panel;
    panel.left = corner;
    panel.right = width - corner;
    panel.top = (height >> 1) - (total >> 1);
    panel.bottom = panel.top + total;
    const int titleY = panel.top + (titleHeight >> 2);
    if (titleSprite != nullptr) {
        titleSprite->SetPosition((width >> 1) - (titleWidth >> 1), titleY);
    }
    DrawPanelContents(panel, panel.left, titleY + titleHeight + FontHeight(),
                      panel.right - panel.left - 2);
    DrawWebLink(false);
}

void GameShell::DrawPanelContents(const Rect& panel, int menuX, int menuY, int menuWidth) {
    const Rect paper = Shrunk(panel, frameCorners[0]->GetFrameWidth() >> 1);
    FillRect(&paper, PanelColour);
    switch (screen) {
    case ScreenState::HighScores: DrawHighScoresPanel(panel); break;
    case ScreenState::Options: DrawOptionsPanel(panel); break;
    default:
        mainMenu.SetPosition(menuX, menuY);
        mainMenu.SetWidth(menuWidth);
        mainMenu.Draw();
        if (titleSprite != nullptr) {
            titleSprite->Draw(); // the logo shows on the main menu only
        }
        break;
    }
    DrawDecoratedFrame(panel.left, panel.top, panel.right, panel.bottom);
}

void GameShell::DrawDecoratedFrame(int left, int top, int right, int bottom) {
    const int cornerWidth = frameCorners[1]->GetFrameWidth();
    const int cornerHeight = frameCorners[2]->GetHeight();
    DrawSpriteAt(frameCorners[0], left, top);
    DrawSpriteAt(frameCorners[1], right - cornerWidth, top);
    DrawSpriteAt(frameCorners[2], left, bottom - cornerHeight);
    DrawSpriteAt(frameCorners[3], right - cornerWidth, bottom - cornerHeight);
    // One line of each colour on compact screens, two elsewhere, from the outside in.
    const int linesPerColour = IsCompactScreen() ? 1 : 2;
    for (int i = 0; i < 3 * linesPerColour; ++i) {
        const ColorRef colour = FrameColours[i / linesPerColour];
        HLine(left + cornerWidth, top + i, right - cornerWidth, colour);
        HLine(left + cornerWidth, bottom - 1 - i, right - cornerWidth, colour);
        VLine(left + i, top + cornerHeight, bottom - cornerHeight, colour);
        VLine(right - 1 - i, top + cornerHeight, bottom - cornerHeight, colour);
    }
}

void GameShell::DrawHighScoresPanel(const Rect& outer) {
    const int lineHeight = FontHeight();
    const int step = lineHeight + (lineHeight >> 1);
    const Rect panel = Shrunk(outer, step >> 1);
    const int panelWidth = panel.right - panel.left;
    backButton.SetPosition((GetClientWidth() >> 1) - (backButton.GetWidth() >> 1), panel.top);
    backButton.Draw();
    highScoreSelector.SetPosition(panel.left, panel.bottom - highScoreSelector.GetHeight());
    highScoreSelector.SetWidth(panelWidth);

    const int y0 = panel.top + backButton.GetHeight() + (step >> 1);
    int shown = highScoreSelector.Selected();
    shown = shown < 0 ? 0 : (shown >= HighScoreCount ? HighScoreCount - 1 : shown);
    const HighScoreEntry& entry = highScores[shown];
    if (entry.score == 0) {
        DrawPanelLine("- Empty -", panel.left, y0, panelWidth, TextColour);
    } else {
        std::string levelLine = "Level: ";
        AppendDecimal(levelLine, entry.level);
        std::string scoreLine = "Score: ";
        AppendDecimal(scoreLine, static_cast<int>(entry.score));
        DrawPanelLine(entry.difficultyText.c_str(), panel.left, y0, panelWidth, HighlightColour);
        DrawPanelLine(levelLine.c_str(), panel.left, y0 + step, panelWidth, TextColour);
        DrawPanelLine(entry.modeText.c_str(), panel.left, y0 + 2 * step, panelWidth, TextColour);
        DrawPanelLine(scoreLine.c_str(), panel.left, y0 + 3 * step, panelWidth, HighlightColour);
    }
    highScoreSelector.Draw();
}

void GameShell::DrawOptionsPanel(const Rect& outer) {
    const int lineHeight = FontHeight();
    const int step = lineHeight + (lineHeight >> 1);
    const Rect panel = Shrunk(outer, step >> 1);
    const int panelWidth = panel.right - panel.left;

    const std::string version = VersionText(versionMajor, versionMinor);
    DrawPlainText(version.c_str(), panel.right - shellFont->MeasureText(version.c_str()), panel.top,
                  TextColour);
    backButton.SetHeight(FontHeightMultiple(1, 1));
    backButton.SetPosition((GetClientWidth() >> 1) - (backButton.GetWidth() >> 1), panel.top);
    backButton.Draw();

    const int creditY = panel.bottom - step;
    DrawPanelLine(NoticeLine, panel.left, creditY - 2 * step, panelWidth, TextColour);
    DrawPanelLine(CreditLines[0], panel.left, creditY - step, panelWidth, HighlightColour);
    DrawPanelLine(CreditLines[1], panel.left, creditY, panelWidth, HighlightColour);

    soundCheckbox.label = SoundEnabled ? "Sound On" : "Sound Off";
    const int backBottom = backButton.y + backButton.GetHeight();
    const int freeSpace = (creditY - 2 * step) - backBottom;
    soundCheckbox.SetPosition(panel.left,
                              (freeSpace >> 1) - (soundCheckbox.GetHeight() >> 1) + backBottom);
    soundCheckbox.SetTarget(&SoundEnabled);
    soundCheckbox.Draw();
}
