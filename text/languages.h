// The languages the program can be shown in, each with its gettext code (the name of its
// catalogue under po/ and of the resource it is built into), its name in its own words, the
// Windows language it is chosen for at the first start, its decimal mark and its code page.
// English is built in: it has no catalogue.
#pragma once

#include "text/code_page.h"

struct Language {
    const char* code; // "fr", "pt_BR"
    // The language's own name, in its code page's bytes ("Fran\xE7" "ais").
    const char* name;
    // The Windows primary language identifier it serves (LANG_FRENCH is 0x0C).
    int windowsPrimary;
    // The mark between a time's seconds and tenths ("4,2 s").
    char decimalMark;
    const CodePage* page;
};

// The languages a player chooses among, English first.
const Language* ChoosableLanguages();
int ChoosableLanguageCount();
const Language& English();
// A language for testing that every text is translated and fits: each text of the template,
// its words made 40 % longer with accented letters. It is not offered to players.
const Language& PseudoLanguage();

// The choosable language with this code, or null.
const Language* FindLanguage(const char* code);
// The language for a Windows language identifier (primary language in its low ten bits):
// the choosable one serving its primary language, English when none does.
const Language& LanguageForWindows(int languageId);
// The choosable language after language, back to English after the last.
const Language& NextLanguage(const Language& language);
