// The translation core: UTF-8 into Windows-1252 with the division sign kept as the program's
// symbol, compiled catalogues read whole or not at all, placeholders, the languages table,
// and the high bytes drawn as letters only while a translation is shown.
#include <gtest/gtest.h>

#include <string>

#include "support/metric_font.h"
#include "support/shown_language.h"
#include "text/code_page.h"
#include "text/translate.h"

namespace {

TEST(CodePage, Utf8BecomesTheBytesOfWindows1252) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"plain", "plain"},
        {"Fran\xC3\xA7"
         "ais",
         "Fran\xE7"
         "ais"},
        {"\xC3\x9C"
         "bung",
         "\xDC"
         "bung"}, // a letter that is a symbol in English
        {"\xC5\x93uf \xE2\x80\x9C"
         "x\xE2\x80\x9D",
         "\x9C"
         "uf \x93"
         "x\x94"},                      // above Latin-1
        {"12 \xC3\xB7 3", "12 \x89 3"}, // the division sign stays a symbol
        {"\xE2\x82\xAC", "\x80"},
        {"\xD0\x96", "?"},           // Cyrillic: not in the page
        {"\xF0\x9F\x98\x80!", "?!"}, // four bytes, not in the page
        {"a\xC3", "a?"},             // cut short
        {"\xC0\xAF", "??"},          // overlong
        {"\xED\xA0\x80", "???"},     // a surrogate
        {"\x80"
         "b",
         "?b"}, // a lone continuation byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromUtf8(c.utf8, Windows1252()), c.bytes) << c.utf8;
    }
}

TEST(Catalogue, ReadsTranslationsWithContextsAndOnlyTheFirstPluralForm) {
    const Catalogue catalogue = Catalogue::FromMo(
        MoBytes({{"", "Content-Type: text/plain; charset=UTF-8\n"},
                 {"Back", "Zur\xC3\xBC"
                          "ck"},
                 {"menu\x04"
                  "Back",
                  "Retour"},
                 {"Untranslated", ""},
                 {std::string("{1} game\0{1} games", 18), std::string("{1} Spiel\0{1} Spiele", 20)},
                 {"7 \xC3\xB7 table", "Tabelle 7 \xC3\xB7"}}),
        Windows1252());
    EXPECT_STREQ(catalogue.Find(nullptr, "Back"), "Zur\xFC"
                                                  "ck");
    EXPECT_STREQ(catalogue.Find("menu", "Back"), "Retour");
    EXPECT_STREQ(catalogue.Find("other", "Back"), nullptr);
    EXPECT_STREQ(catalogue.Find(nullptr, "Untranslated"), nullptr);
    EXPECT_STREQ(catalogue.Find(nullptr, "{1} game"), "{1} Spiel");
    // The program writes the division sign as its own code; the catalogue in UTF-8.
    EXPECT_STREQ(catalogue.Find(nullptr, "7 \x89 table"), "Tabelle 7 \x89");
    EXPECT_EQ(catalogue.Size(), 4u); // the header and the untranslated entry are left out
}

TEST(Catalogue, ABigEndianFileReadsAsTheLittleEndianOne) {
    std::string bytes = MoBytes({{"Yes", "Oui"}});
    for (std::size_t word = 0; word + 4 <= 44; word += 4) { // header and both tables
        std::swap(bytes[word], bytes[word + 3]);
        std::swap(bytes[word + 1], bytes[word + 2]);
    }
    EXPECT_STREQ(Catalogue::FromMo(bytes, Windows1252()).Find(nullptr, "Yes"), "Oui");
}

TEST(Catalogue, EveryDamageGivesAnEmptyCatalogueNeverACrash) {
    const std::string whole = MoBytes({{"Yes", "Oui"}, {"No", "Non"}});
    ASSERT_EQ(Catalogue::FromMo(whole, Windows1252()).Size(), 2u);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        EXPECT_TRUE(Catalogue::FromMo(whole.substr(0, cut), Windows1252()).Empty()) << cut;
    }
    const struct {
        std::size_t at;
        char value;
    } damage[] = {{0, 0},       // the magic number
                  {6, 1},       // a major revision that does not exist
                  {8, '\x7F'},  // a count far beyond the file
                  {12, '\xF0'}, // a table outside the file
                  {28, '\x7F'}, // a text longer than the file
                  {32, '\xFF'}, // a text outside the file
                  {63, 'x'}};   // a text without its terminating zero ("Yes" at 60)
    for (const auto& d : damage) {
        std::string bytes = whole;
        bytes[d.at] = d.value;
        EXPECT_EQ(Catalogue::FromMo(bytes, Windows1252()).Find(nullptr, "No"), nullptr) << d.at;
    }
}

TEST(FormatText, FillsNumberedPlaceholdersInAnyOrderAndLeavesOtherBraces) {
    EXPECT_EQ(FormatText("{2} of {1}", {"20", "3"}), "3 of 20");
    EXPECT_EQ(FormatText("{1}{1} {3} {0} {x} {", {"a", "b"}), "aa {3} {0} {x} {");
    EXPECT_EQ(FormatText("no place", {"a"}), "no place");
    EXPECT_EQ(FormatText(nullptr, {"a"}), "");
}

TEST(Languages, WindowsLanguagesFindTheirCatalogueAndEveryOtherOneEnglish) {
    for (int i = 0; i < ChoosableLanguageCount(); ++i) {
        const Language& language = ChoosableLanguages()[i];
        // Any sublanguage of the primary language: Swiss German, Canadian French...
        EXPECT_EQ(&LanguageForWindows(language.windowsPrimary | 0x0800), &language);
        EXPECT_EQ(FindLanguage(language.code), &language);
    }
    EXPECT_EQ(&LanguageForWindows(0x0419), &English()); // Russian has no catalogue
    EXPECT_EQ(&LanguageForWindows(0), &English());
    EXPECT_EQ(FindLanguage(PseudoLanguage().code), nullptr); // never offered to players
}

TEST(Languages, NextLanguageVisitsEveryChoosableOneAndComesBack) {
    const Language* language = &English();
    for (int i = 1; i < ChoosableLanguageCount(); ++i) {
        language = &NextLanguage(*language);
        EXPECT_EQ(language, &ChoosableLanguages()[i]);
    }
    EXPECT_EQ(&NextLanguage(*language), &English());
}

TEST(ShownLanguage, TranslatesUntilEnglishIsShownAgainAndCountsTheChanges) {
    const int before = ShownLanguageChanges();
    {
        ShownLanguageGuard shown(PseudoLanguage(), {{"Play", "Jouer"}});
        EXPECT_STREQ(Tr("Play"), "Jouer");
        EXPECT_STREQ(Tr("Quit"), "Quit");
        EXPECT_EQ(DecimalMark(), ',');
        EXPECT_EQ(&ShownLanguage(), &PseudoLanguage());
    }
    EXPECT_STREQ(Tr("Play"), "Play");
    EXPECT_EQ(DecimalMark(), '.');
    EXPECT_EQ(ShownLanguageChanges(), before + 2);
}

// English keeps every high byte a symbol of one and a half widths; a translation draws its
// letters with the glyphs' own widths, and the division sign stays a symbol in both.
TEST(ShownLanguage, HighBytesAreLettersOnlyWhileATranslationIsShown) {
    CurrentMetricFont current(10, 5, 12, 2);
    current.font.glyphWidths[0xE9] = 7; // e acute
    current.font.glyphWidths[DivisionSignCode] = 7;
    const char word[] = "\xE9t\xE9"; // "ete" with accents
    EXPECT_EQ(TextWidth(word), 15 + 10 + 15);
    EXPECT_EQ(TextWidth("\x89"), 15);
    {
        ShownLanguageGuard shown(PseudoLanguage(), {});
        EXPECT_EQ(TextWidth(word), 7 + 10 + 7);
        EXPECT_EQ(TextWidth("\x89"), 15);
        EXPECT_TRUE(IsLetterCode(0xDC));  // U with diaeresis, a drawn "e" in English
        EXPECT_FALSE(IsLetterCode(0x81)); // no character in the page
    }
    EXPECT_EQ(TextWidth(word), 15 + 10 + 15);
    EXPECT_FALSE(IsLetterCode(0xDC));
}

} // namespace
