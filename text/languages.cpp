// The table of languages: one place for each language's code, name, Windows language and
// decimal mark.
#include "text/languages.h"

#include <cstring>

namespace {

constexpr int PrimaryLanguageMask = 0x3FF;

const Language Choosable[] = {
    {"en", "English", 0x09, '.', &Windows1252()},
    {"de", "Deutsch", 0x07, ',', &Windows1252()},
    {"es", "Espa\xF1ol", 0x0A, ',', &Windows1252()},
    {"fr",
     "Fran\xE7"
     "ais",
     0x0C, ',', &Windows1252()},
    {"it", "Italiano", 0x10, ',', &Windows1252()},
    {"nl", "Nederlands", 0x13, ',', &Windows1252()},
    // Portugal's Portuguese is closer to Brazil's than to English.
    {"pt_BR", "Portugu\xEAs (Brasil)", 0x16, ',', &Windows1252()},
};
constexpr int ChoosableCount = static_cast<int>(sizeof Choosable / sizeof Choosable[0]);

const Language Pseudo = {"qps",
                         "Ps\xE9\xFC"
                         "d\xF6",
                         0, ',', &Windows1252()};

} // namespace

const Language* ChoosableLanguages() {
    return Choosable;
}

int ChoosableLanguageCount() {
    return ChoosableCount;
}

const Language& English() {
    return Choosable[0];
}

const Language& PseudoLanguage() {
    return Pseudo;
}

const Language* FindLanguage(const char* code) {
    for (const Language& language : Choosable) {
        if (code != nullptr && std::strcmp(language.code, code) == 0) {
            return &language;
        }
    }
    return nullptr;
}

const Language& LanguageForWindows(int languageId) {
    for (const Language& language : Choosable) {
        if (language.windowsPrimary == (languageId & PrimaryLanguageMask)) {
            return language;
        }
    }
    return English();
}

const Language& NextLanguage(const Language& language) {
    for (int i = 0; i + 1 < ChoosableCount; ++i) {
        if (&Choosable[i] == &language) {
            return Choosable[i + 1];
        }
    }
    return English();
}
