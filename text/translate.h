// The shown language: every text the program shows is written in the code in English and
// passed through Tr (or TrIn, with a context telling apart two uses of the same English word)
// where it is drawn, which gives the shown language's translation, or the English text itself
// when the language has none. TrMark only marks a text for the catalogues' template where it
// is kept for later drawing (a control's label, a table of names); what draws it translates.
// The texts stored in files never pass through here, so they stay the same in every language.
#pragma once

#include <initializer_list>
#include <string>

#include "text/catalogue.h"
#include "text/languages.h"

// The translation of english in the shown language; english itself in English or when the
// catalogue has none. The pointer lives until the shown language next changes.
const char* Tr(const char* english);
// Tr of english as used in context (the msgctxt translators see).
const char* TrIn(const char* context, const char* english);
// Marks english for the template without translating it.
constexpr const char* TrMark(const char* english) {
    return english;
}
// pattern with "{1}" to "{9}" replaced by values[0] to values[8]; a placeholder without a
// value, and any other brace, stays as it is. Translations move the placeholders, so every
// text with a number or a name in it is a pattern.
std::string FormatText(const char* pattern, std::initializer_list<std::string> values);

// The language shown now (English at start).
const Language& ShownLanguage();
// Shows language from its catalogue in the program's resources; English needs none. False,
// and English shown, when the catalogue cannot be read.
bool ShowLanguage(const Language& language);
// Shows language with catalogue, whatever the resources hold (tests build their own).
void ShowLanguageWith(const Language& language, Catalogue catalogue);
// Counts the changes of the shown language, so a text made once and kept can tell it is stale.
int ShownLanguageChanges();
// The mark between seconds and tenths in shown times.
char DecimalMark();

// The bytes of language's compiled catalogue in the program's resources (empty when there
// is none): catalogue_resource_win32.cpp, or nothing natively.
std::string CatalogueResourceBytes(const Language& language);
// The Windows display language's identifier (0 when unknown, and natively).
int SystemLanguageId();
