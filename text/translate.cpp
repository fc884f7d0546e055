// The shown language's catalogue and the placeholder filling every translated pattern uses.
#include "text/translate.h"

#include <utility>

namespace {

const Language* Shown = nullptr;
Catalogue ShownCatalogue;
int Changes = 0;

} // namespace

const char* Tr(const char* english) {
    return TrIn(nullptr, english);
}

const char* TrIn(const char* context, const char* english) {
    const char* translated = ShownCatalogue.Find(context, english);
    return translated != nullptr ? translated : english;
}

std::string FormatText(const char* pattern, std::initializer_list<std::string> values) {
    std::string text;
    for (const char* p = pattern; p != nullptr && *p != '\0'; ++p) {
        const int index = p[1] - '1';
        if (p[0] == '{' && index >= 0 && index < 9 && p[2] == '}' &&
            static_cast<std::size_t>(index) < values.size()) {
            text += values.begin()[index];
            p += 2;
        } else {
            text += *p;
        }
    }
    return text;
}

const Language& ShownLanguage() {
    return Shown != nullptr ? *Shown : English();
}

bool ShowLanguage(const Language& language) {
    if (&language == &English()) {
        ShowLanguageWith(language, Catalogue());
        return true;
    }
    Catalogue catalogue = Catalogue::FromMo(CatalogueResourceBytes(language), *language.page);
    if (catalogue.Empty()) {
        ShowLanguageWith(English(), Catalogue());
        return false;
    }
    ShowLanguageWith(language, std::move(catalogue));
    return true;
}

void ShowLanguageWith(const Language& language, Catalogue catalogue) {
    Shown = &language;
    ShownCatalogue = std::move(catalogue);
    // English draws every high byte as the program's symbols, as it always has.
    SetLetterCodePage(&language == &English() ? nullptr : language.page);
    ++Changes;
}

int ShownLanguageChanges() {
    return Changes;
}

char DecimalMark() {
    return ShownLanguage().decimalMark;
}
