// The language the shell shows: chosen at start from language.dat or Windows, and on the
// options screen by the language button and L, which show the next language at once and
// save it for every player of the computer.
#include "shell/game_shell.h"
#include "shell/language_file.h"
#include "text/text.h"
#include "text/translate.h"

void GameShell::ShowStartLanguage() {
    const Language* saved = LoadLanguageChoice(DataStoreForThisRun(), runFolders);
    ShowLanguage(StartLanguage(saved, SystemLanguageId()));
}

void GameShell::ChooseNextLanguage() {
    SaveLanguageChoice(DataStoreForThisRun(), runFolders, ShowNextLanguage());
}

void GameShell::SizeLanguageButton() {
    // The language's own name, so a player who cannot read the shown one still finds theirs.
    languageButton.label = ShownLanguage().name;
    languageButton.translateLabel = false;
    languageButton.SetHeight(FontHeightMultiple(1, 1));
    languageButton.SetWidth(TextWidth(languageButton.label.c_str()) + FontHeight());
}

void GameShell::PlaceOptionsRow(const Rect& panel, int freeTop, int freeBottom, int rowWidth,
                                int gap) {
    SizeLanguageButton();
    const int boxHeight = soundCheckbox.GetHeight();
    const int buttonWidth = languageButton.GetWidth();
    const int buttonHeight = languageButton.GetHeight();
    const int buttonX = panel.right - buttonWidth;
    if (panel.left + rowWidth + gap <= buttonX) {
        const int boxY = ((freeBottom - freeTop) >> 1) - (boxHeight >> 1) + freeTop;
        soundCheckbox.SetPosition(panel.left, boxY);
        languageButton.SetPosition(buttonX, boxY + (boxHeight >> 1) - (buttonHeight >> 1));
        return;
    }
    const int boxY = freeTop + ((freeBottom - freeTop - boxHeight - gap - buttonHeight) >> 1);
    soundCheckbox.SetPosition(panel.left, boxY);
    languageButton.SetPosition(((panel.left + panel.right) >> 1) - (buttonWidth >> 1),
                               boxY + boxHeight + gap);
}
