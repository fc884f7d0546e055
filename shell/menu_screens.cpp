// The main menu, options and high-score screens: artwork cut from the sprite sheet, the
// title logo, and a white panel inside a decorated border holding the screen's contents.
// Layout is integer arithmetic on the window size and the shell font's height H, each
// halving taken on its own term; a panel grows past its standard size only when its
// contents need more, moves only off the chalkboard picture it would cover, and the link
// moves only when the panel reaches over it.
#include <algorithm>
#include <string>

#include "app/sound.h"
#include "render/primitives.h"
#include "render/sprite.h"
#include "shell/game_shell.h"
#include "shell/shell_artwork.h"
#include "shell/version_text.h"
#include "text/font.h"
#include "text/text.h"
#include "text/translate.h"

namespace {

constexpr ColorRef PanelColour = 0xFFFFFF;
constexpr ColorRef TextColour = 0x000000;
constexpr ColorRef HighlightColour = 0xFF0000;
// The decorated border, outermost colour first: dark red, orange, golden yellow.
constexpr ColorRef FrameColours[3] = {0x242DAD, 0x0354FB, 0x48CFFF};
// The credit is split over two lines: at the shell font's size it is wider than the panel.
// The maker's name is a name: it has no translation.
// Translators: the first line of the credit; the maker's name follows on the next line.
constexpr const char* CreditLines[2] = {TrMark("Quickfigure by"), "Bramblewood Apps"};
constexpr const char* NoticeLine = TrMark("Quick answers score more!");
// Translators: the label of the sound's check box, which says what the sound is now.
constexpr const char* SoundOnLabel = TrMark("Sound On");
constexpr const char* SoundOffLabel = TrMark("Sound Off");
constexpr const char* EmptyEntryLine = TrMark("- Empty -");

void DrawSpriteAt(Sprite* sprite, int x, int y) {
    sprite->SetPosition(x, y);
    sprite->Draw();
}

// A line of the panel centred in boxWidth, text in the shown language already.
void DrawShownPanelLine(const char* text, int x, int y, int boxWidth, ColorRef colour) {
    TextStyle style = MarkupStyle(colour);
    style.boxWidth = boxWidth;
    DrawText(text, x, y, style);
}

// A line of the panel from its English text.
void DrawPanelLine(const char* text, int x, int y, int boxWidth, ColorRef colour) {
    DrawShownPanelLine(Tr(text), x, y, boxWidth, colour);
}

// A high-score entry's "Level: 3" and "Score: 120" lines, in the shown language.
std::string LevelLine(const HighScoreEntry& entry) {
    return FormatText(Tr("Level: {1}"), {std::to_string(entry.level)});
}

std::string ScoreLine(const HighScoreEntry& entry) {
    return FormatText(Tr("Score: {1}"), {std::to_string(static_cast<int>(entry.score))});
}

// The x that centres an item of the width in the panel: the window's middle, as the panel
// is centred on it, unless the panel moved off the artwork.
int CentredIn(const Rect& panel, int itemWidth) {
    return ((panel.left + panel.right) >> 1) - (itemWidth >> 1);
}

Rect Shrunk(const Rect& r, int n) {
    Rect inner = r;
    InflateRect(inner, -n);
    return inner;
}

// The standard layout's panel and where the title and the menu sit in it.
struct PanelLayout {
    Rect panel;
    int titleX;
    int titleY;
    int menuY;
};

void ShiftRight(PanelLayout& layout, int dx) {
    layout.panel.left += dx;
    layout.panel.right += dx;
    layout.titleX += dx;
}

void ShiftDown(PanelLayout& layout, int dy) {
    layout.panel.top += dy;
    layout.panel.bottom += dy;
    layout.titleY += dy;
    layout.menuY += dy;
}

// The least room kept between neighbours in a panel: a quarter line.
int ContentGap() {
    return FontHeightMultiple(0, 2);
}

// The step between the panel's lines, L.
int LineStep() {
    return FontHeightMultiple(1, 1);
}

// How far the contents keep from the panel's edge: half a step, and never under the
// frame's corners, which a small font with large artwork would otherwise reach.
int PanelInset(Sprite* corner) {
    return std::max(LineStep() >> 1, corner->GetFrameWidth());
}

// Grows span [low, high) to at least size, the growth split between its two ends, so a
// panel that already holds its contents keeps its place.
void GrowSpan(int& low, int& high, int size) {
    const int more = size - (high - low);
    if (more > 0) {
        low -= more >> 1;
        high += more - (more >> 1);
    }
}

// Moves span [low, high) inside [0, limit), its low end first where it is longer; a
// span longer than the room is cut at the far end.
void KeepSpanInside(int& low, int& high, int limit) {
    int shift = high > limit ? limit - high : 0;
    shift = low + shift < 0 ? -low : shift;
    low += shift;
    high = std::min(high + shift, limit);
}

// The widest of the lines a high-score entry shows, over all entries, so the panel does
// not change size between them.
int WidestHighScoreLine(const HighScoreEntry* entries) {
    int widest = TextWidth(Tr(EmptyEntryLine));
    for (int i = 0; i < HighScoreCount; ++i) {
        const std::string lines[] = {Tr(entries[i].difficultyText.c_str()), LevelLine(entries[i]),
                                     Tr(entries[i].modeText.c_str()), ScoreLine(entries[i])};
        for (const std::string& line : lines) {
            widest = std::max(widest, TextWidth(line.c_str()));
        }
    }
    return widest;
}

// The width the selector's entries take with at least a space between neighbours.
int SelectorWidth(ChoiceGroup& selector) {
    int entries = (selector.count + 1) * SpaceWidth();
    for (int i = 0; i < selector.count; ++i) {
        entries += selector.items[i].GetWidth();
    }
    return entries;
}

// A row that has the centred Back button with the version text at its right end needs
// the version's width and a gap on both sides of the button.
int BackRowWidth(Button& back, int versionWidth) {
    return back.GetWidth() + 2 * (versionWidth + ContentGap());
}

int WidestMenuEntry(MenuList& menu) {
    int widest = 0;
    for (int i = 0; i < menu.count; ++i) {
        widest = std::max(widest, TextWidth(menu.items[i].ShownLabel()) + 2 * SpaceWidth());
    }
    return widest;
}

// The panel size the current screen's contents need, margins included (0 where the
// standard panel is built around them).
void PanelContentSize(GameShell& shell, int& contentWidth, int& contentHeight) {
    const int margin = 2 * PanelInset(shell.frameCorners[0]);
    const int step = LineStep();
    if (shell.screen == ScreenState::Options) {
        const int versionWidth =
            TextWidth(VersionText(shell.versionMajor, shell.versionMinor).c_str());
        // The sound switch's row, with the language button beside it; in a window too
        // narrow for both the button takes a row of its own under the switch.
        shell.SizeLanguageButton();
        const int switchWidth = shell.soundCheckbox.GetWidth() + SpaceWidth() +
                                std::max(TextWidth(Tr(SoundOnLabel)), TextWidth(Tr(SoundOffLabel)));
        const int rowWidth = switchWidth + ContentGap() + shell.languageButton.GetWidth();
        const bool oneRow = rowWidth + margin <= shell.width;
        contentWidth =
            std::max({TextWidth(Tr(NoticeLine)), TextWidth(Tr(CreditLines[0])),
                      TextWidth(Tr(CreditLines[1])),
                      oneRow ? rowWidth : std::max(switchWidth, shell.languageButton.GetWidth()),
                      BackRowWidth(shell.backButton, versionWidth)}) +
            margin;
        // Back, the checkbox with a gap above and below, and the three lines at the foot.
        contentHeight = FontHeightMultiple(1, 1) + shell.soundCheckbox.GetHeight() +
                        2 * ContentGap() + 3 * step + margin;
        if (!oneRow) {
            contentHeight += shell.languageButton.GetHeight() + ContentGap();
        }
    } else if (shell.screen == ScreenState::HighScores) {
        contentWidth =
            std::max({WidestHighScoreLine(shell.highScores), SelectorWidth(shell.highScoreSelector),
                      shell.backButton.GetWidth()}) +
            margin;
        // Back, four lines a step apart, a gap and the selector.
        contentHeight = shell.backButton.GetHeight() + (step >> 1) + 3 * step + FontHeight() +
                        ContentGap() + shell.highScoreSelector.GetHeight() + margin;
    } else {
        contentWidth = WidestMenuEntry(shell.mainMenu) + 2;
        contentHeight = 0;
    }
}

// Today's panel around the title and the menu, grown to what the screen's contents need
// and kept inside the window.
PanelLayout StandardPanelLayout(GameShell& shell, int titleWidth, int titleHeight) {
    const int width = shell.width;
    const int height = shell.height;
    const int menuHeight = shell.mainMenu.GetHeight();
    // The title keeps clear of the frame's corners, as the contents do.
    const int pad = std::max(FontHeightMultiple(0, 2) + FontHeightMultiple(0, 1),
                             shell.frameCorners[0]->GetFrameWidth());
    const int titleX = (width >> 1) - (titleWidth >> 1);
    PanelLayout layout;
    layout.titleX = titleX;
    layout.menuY = (height >> 1) - (menuHeight >> 1) + (titleHeight >> 1);
    layout.titleY = layout.menuY - (titleHeight >> 2) - titleHeight;
    Rect& panel = layout.panel;
    panel.left = titleX - pad;
    panel.top = layout.titleY - pad;
    panel.right = panel.left + titleWidth + 2 * pad;
    panel.bottom = layout.menuY + menuHeight + 2 * pad + (pad >> 1);
    int contentWidth = 0;
    int contentHeight = 0;
    PanelContentSize(shell, contentWidth, contentHeight);
    GrowSpan(panel.left, panel.right, std::max(contentWidth, titleWidth + 2 * pad));
    const int top = panel.top;
    GrowSpan(panel.top, panel.bottom, contentHeight);
    KeepSpanInside(panel.left, panel.right, width);
    KeepSpanInside(panel.top, panel.bottom, height);
    // The title and the menu move with the panel's top, as the main menu never grows.
    layout.titleY += panel.top - top;
    layout.menuY += panel.top - top;
    return layout;
}

// The chalkboard as drawn in the side picture.
Rect ChalkboardArea(const GameShell& shell) {
    const SheetRect& board = shell.artwork->chalkboard;
    const int left = shell.sidePictureUpper->x + board.x;
    const int top = shell.sidePictureUpper->y + board.y;
    return Rect{left, top, left + board.width, top + board.height};
}

// Moves the panel off the chalkboard where it reaches over it: right of the board or below
// it, whichever is the shorter move that keeps the panel in the window and above the link.
// Where neither fits it stays, as the window has no room for both.
void KeepPanelClearOfChalkboard(GameShell& shell, PanelLayout& layout) {
    const Rect board = ChalkboardArea(shell);
    const Rect& panel = layout.panel;
    if (board.right <= panel.left || panel.right <= board.left || board.bottom <= panel.top ||
        panel.bottom <= board.top) {
        return;
    }
    const int dx = board.right + ContentGap() - panel.left;
    const int dy = board.bottom + ContentGap() - panel.top;
    const bool rightFits = panel.right + dx <= shell.width;
    const bool downFits = panel.bottom + dy <= shell.webLink.y;
    if (rightFits && (!downFits || dx <= dy)) {
        ShiftRight(layout, dx);
    } else if (downFits) {
        ShiftDown(layout, dy);
    }
}

// Moves the web link off the panel where the panel reaches over its place.
void KeepLinkClearOfPanel(GameShell& shell, PanelLayout& layout) {
    LinkLabel& webLink = shell.webLink;
    const Rect& panel = layout.panel;
    const int linkBoxHeight = webLink.GetHeight() + 2; // the text and its underline
    const bool overlaps = webLink.y < panel.bottom && webLink.y + linkBoxHeight > panel.top &&
                          webLink.x < panel.right && webLink.x + webLink.GetWidth() > panel.left;
    if (!overlaps) {
        return;
    }
    // The link goes into the middle of the room below the panel; where that is too small,
    // the panel moves up (but not past the window's top) to make it.
    const int shortfall = linkBoxHeight - (shell.height - panel.bottom);
    if (shortfall > 0) {
        ShiftDown(layout, -std::min(shortfall, panel.top));
    }
    const int room = shell.height - panel.bottom;
    webLink.SetPosition(webLink.x, panel.bottom + (room >> 1) - (linkBoxHeight >> 1));
}

} // namespace

void GameShell::DrawMenuScreens() {
    SelectShellFont();
    if (headerBanner == nullptr) {
        return; // the shell has not started yet
    }
    if (screen == ScreenState::HighScores) {
        // Back keeps the height it was last given, but within one and one and a half lines
        // of the font now in use, so a resize since then leaves it neither too small for
        // its label nor out of proportion.
        backButton.SetHeight(
            std::min(std::max(backButton.GetHeight(), FontHeight()), FontHeightMultiple(1, 1)));
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
    const int bandOffset = artwork->bandOffset;
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

void GameShell::PlaceWebLink(bool standardLayout) {
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
    // A window narrower than the link shows as much of it as fits from its start.
    webLink.x = std::max(0, std::min(webLink.x, width - linkWidth));
}

void GameShell::DrawStandardMenuLayout(int titleWidth, int titleHeight) {
    DrawSpriteAt(headerBanner, 0, 0);
    DrawSpriteAt(sidePictureUpper, 0, headerBanner->y + headerBanner->GetHeight());
    DrawSpriteAt(sidePictureLower, 0, sidePictureUpper->y + sidePictureUpper->GetHeight());
    DrawBands();
    PlaceWebLink(true);
    if (titleSprite == nullptr) {
        webLink.Draw();
        return; // no logo, no panel
    }
    PanelLayout layout = StandardPanelLayout(*this, titleWidth, titleHeight);
    KeepPanelClearOfChalkboard(*this, layout);
    KeepLinkClearOfPanel(*this, layout);
    webLink.Draw();
    const Rect& panel = layout.panel;
    titleSprite->SetPosition(layout.titleX, layout.titleY);
    DrawPanelContents(panel, panel.left, layout.menuY, panel.right - panel.left - 2);
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
    PlaceWebLink(false);
    webLink.Draw();
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
    // As many lines of each colour as the set's corners show, from the outside in.
    const int linesPerColour = artwork->linesPerColour;
    for (int i = 0; i < 3 * linesPerColour; ++i) {
        const ColorRef colour = FrameColours[i / linesPerColour];
        HLine(left + cornerWidth, top + i, right - cornerWidth, colour);
        HLine(left + cornerWidth, bottom - 1 - i, right - cornerWidth, colour);
        VLine(left + i, top + cornerHeight, bottom - cornerHeight, colour);
        VLine(right - 1 - i, top + cornerHeight, bottom - cornerHeight, colour);
    }
}

void GameShell::DrawHighScoresPanel(const Rect& outer) {
    const int step = LineStep();
    const Rect panel = Shrunk(outer, PanelInset(frameCorners[0]));
    const int panelWidth = panel.right - panel.left;
    backButton.SetPosition(CentredIn(outer, backButton.GetWidth()), panel.top);
    backButton.Draw();
    highScoreSelector.SetPosition(panel.left, panel.bottom - highScoreSelector.GetHeight());
    highScoreSelector.SetWidth(panelWidth);

    const int y0 = panel.top + backButton.GetHeight() + (step >> 1);
    int shown = highScoreSelector.Selected();
    shown = shown < 0 ? 0 : (shown >= HighScoreCount ? HighScoreCount - 1 : shown);
    const HighScoreEntry& entry = highScores[shown];
    if (entry.score == 0) {
        DrawPanelLine(EmptyEntryLine, panel.left, y0, panelWidth, TextColour);
    } else {
        // The entry's difficulty and mode are kept in English: they are translated here.
        DrawPanelLine(entry.difficultyText.c_str(), panel.left, y0, panelWidth, HighlightColour);
        DrawShownPanelLine(LevelLine(entry).c_str(), panel.left, y0 + step, panelWidth, TextColour);
        DrawPanelLine(entry.modeText.c_str(), panel.left, y0 + 2 * step, panelWidth, TextColour);
        DrawShownPanelLine(ScoreLine(entry).c_str(), panel.left, y0 + 3 * step, panelWidth,
                           HighlightColour);
    }
    // Whose table this is, in the middle of the room between the entry and the selector
    // when there is a line's room with a gap on each side.
    const int freeTop = y0 + 3 * step + FontHeight() + ContentGap();
    const int freeBottom = highScoreSelector.y - ContentGap();
    if (freeBottom - freeTop >= FontHeight()) {
        DrawPlayerName(panel.left, panelWidth, (freeTop + freeBottom - FontHeight()) >> 1,
                       TextColour);
    }
    highScoreSelector.Draw();
}

void GameShell::DrawOptionsPanel(const Rect& outer) {
    const int step = LineStep();
    const Rect panel = Shrunk(outer, PanelInset(frameCorners[0]));
    const int panelWidth = panel.right - panel.left;

    const std::string version = VersionText(versionMajor, versionMinor);
    DrawPlainText(version.c_str(), panel.right - shellFont->MeasureText(version.c_str()), panel.top,
                  TextColour);
    backButton.SetHeight(FontHeightMultiple(1, 1));
    backButton.SetPosition(CentredIn(outer, backButton.GetWidth()), panel.top);
    backButton.Draw();

    const int creditY = panel.bottom - step;
    DrawPanelLine(NoticeLine, panel.left, creditY - 2 * step, panelWidth, TextColour);
    DrawPanelLine(CreditLines[0], panel.left, creditY - step, panelWidth, HighlightColour);
    DrawPanelLine(CreditLines[1], panel.left, creditY, panelWidth, HighlightColour);

    soundCheckbox.label = SoundEnabled ? SoundOnLabel : SoundOffLabel;
    const int backBottom = backButton.y + backButton.GetHeight();
    // The row as wide as its wider label, so toggling the sound never moves the button.
    const int rowWidth = soundCheckbox.GetWidth() + SpaceWidth() +
                         std::max(TextWidth(Tr(SoundOnLabel)), TextWidth(Tr(SoundOffLabel)));
    PlaceOptionsRow(panel, backBottom, creditY - 2 * step, rowWidth, ContentGap());
    soundCheckbox.SetTarget(&SoundEnabled);
    soundCheckbox.Draw();
    languageButton.Draw();
}
