// language.dat and the choice of language: the file's bytes, the round trip of every
// choosable language, the strict reader passing over each kind of damage, the store (no
// file, a damaged one replaced, the fallback folder, an unchanged choice not written, saves
// cut short at each step), the language a start shows, and the options screen's L and
// button showing the next language at once and saving it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "shell/language_file.h"
#include "support/fault_sweep.h"
#include "support/frame_fixture.h"
#include "support/memory_file_store.h"
#include "support/shown_language.h"

namespace {

const std::string SaveFolder = "C:\\users\\pupil\\AppData\\Local\\Quickfigure\\";
const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string LanguageFile = SaveFolder + "language.dat";

// The archive's header lines, then the code as a string: its length line and its bytes.
const std::string EnglishBytes = "20\nQuickfigure language\n1\n0\n2\nen\n";

// The languages a start or a press can show: those whose catalogue the program holds.
bool Readable(const Language& language) {
    return &language == &English() || !CatalogueResourceBytes(language).empty();
}

// The first language after from in the table that can be shown, English after the last.
const Language& NextReadable(const Language& from) {
    const Language* next = &NextLanguage(from);
    while (!Readable(*next)) {
        next = &NextLanguage(*next);
    }
    return *next;
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

TEST(LanguageFileBytes, WritesTheHeaderAndTheCode) {
    EXPECT_EQ(LanguageFileBytes(English()), EnglishBytes);
}

TEST(LanguageFileBytes, ReadBackGivesEveryChoosableLanguage) {
    for (int i = 0; i < ChoosableLanguageCount(); ++i) {
        const Language& language = ChoosableLanguages()[i];
        EXPECT_EQ(ReadLanguageBytes(LanguageFileBytes(language)), &language) << language.code;
    }
}

TEST(LanguageFileBytes, EveryKindOfDamageIsPassedOver) {
    const struct {
        const char* name;
        std::string bytes;
    } damages[] = {
        {"empty", ""},
        {"cut short", EnglishBytes.substr(0, EnglishBytes.size() - 2)},
        {"without the last line feed", EnglishBytes.substr(0, EnglishBytes.size() - 1)},
        {"a line too many", EnglishBytes + "0\n"},
        {"another header", Replaced(EnglishBytes, "language", "languages")},
        {"another version", Replaced(EnglishBytes, "\n1\n0\n", "\n2\n0\n")},
        {"an unknown code", Replaced(EnglishBytes, "en", "xx")},
        {"the testers' language", Replaced(EnglishBytes, "2\nen", "3\nqps")},
        {"a code in capitals", Replaced(EnglishBytes, "en", "EN")},
        {"a length that does not match", Replaced(EnglishBytes, "2\nen", "3\nen")},
        {"carriage returns", Replaced(EnglishBytes, "\nen\n", "\r\nen\r\n")},
    };
    for (const auto& damage : damages) {
        EXPECT_EQ(ReadLanguageBytes(damage.bytes), nullptr) << damage.name;
    }
}

class LanguageStore : public ::testing::Test {
  protected:
    LanguageStore() { store.folders = {SaveFolder, ProgramFolder}; }

    const Language* Load(const std::string& fallback = std::string()) {
        return LoadLanguageChoice(store, {SaveFolder, fallback});
    }
    bool Save(const Language& language) {
        return SaveLanguageChoice(store, {SaveFolder, std::string()}, language);
    }

    MemoryFileStore store;
};

TEST_F(LanguageStore, WithoutAGoodFileNoChoiceIsFoundAndTheNextChoiceReplacesIt) {
    EXPECT_EQ(Load(), nullptr);
    for (const std::string& bytes : {std::string("junk"), std::string(2000, '1')}) {
        store.files[LanguageFile].bytes = bytes;
        EXPECT_EQ(Load(), nullptr);
        EXPECT_TRUE(Save(English())) << "a damaged file is replaced";
        EXPECT_EQ(Load(), &English());
    }
}

TEST_F(LanguageStore, AFileInTheFallbackFolderIsReadAndTheNextChoiceSavedInTheSaveFolder) {
    store.files[ProgramFolder + "language.dat"].bytes = EnglishBytes;
    EXPECT_EQ(Load(ProgramFolder), &English());
    ASSERT_TRUE(SaveLanguageChoice(store, {SaveFolder, ProgramFolder}, English()));
    EXPECT_EQ(store.Bytes(LanguageFile), EnglishBytes);
}

TEST_F(LanguageStore, AnUnchangedChoiceIsNotWritten) {
    ASSERT_TRUE(Save(English()));
    store.failStep = store.steps; // any write would fail
    EXPECT_TRUE(Save(English())) << "the unchanged choice was written again";
}

TEST_F(LanguageStore, ASaveCutShortLeavesTheOldFileOrTheNew) {
    // Whatever the table holds, the old file names another language than the one saved.
    store.files[LanguageFile].bytes = Replaced(EnglishBytes, "en", "zz");
    const MemoryFileStore initial = store;
    SweepFaults(3, [&](const FaultPlan& plan) {
        store = initial;
        plan.Arm(store);
        Save(English());
        store.Restart();
        const Language* next = Load(); // which clears away what a cut save left
        EXPECT_TRUE(next == nullptr || next == &English());
        const bool old = store.Bytes(LanguageFile) == initial.Bytes(LanguageFile);
        EXPECT_TRUE(old || store.Bytes(LanguageFile) == EnglishBytes);
        EXPECT_FALSE(store.Has(LanguageFile + ".tmp"));
        EXPECT_TRUE(Save(English()));
        EXPECT_EQ(Load(), &English());
    });
}

TEST(StartLanguage, TheSavedChoiceComesBeforeWindowsAndWithoutOneWindowsDecides) {
    const int englishUs = 0x0409;
    const int unknown = 0x007F;
    EXPECT_EQ(&StartLanguage(&PseudoLanguage(), englishUs), &PseudoLanguage());
    for (const int windows : {englishUs, unknown, 0}) {
        EXPECT_EQ(&StartLanguage(nullptr, windows), &LanguageForWindows(windows)) << windows;
    }
    for (int i = 0; i < ChoosableLanguageCount(); ++i) {
        const Language& language = ChoosableLanguages()[i];
        // A Windows language with a sublanguage (France, Belgium, ...) above its primary one.
        const int windows = (0x04 << 10) | language.windowsPrimary;
        EXPECT_EQ(&StartLanguage(nullptr, windows), &language) << language.code;
    }
}

TEST(ShowNextLanguage, StepsThroughTheReadableLanguagesBackToEnglish) {
    ShownLanguageGuard english(English());
    const Language* shown = &English();
    for (int i = 0; i <= ChoosableLanguageCount(); ++i) {
        const Language& expected = NextReadable(*shown);
        shown = &ShowNextLanguage();
        EXPECT_EQ(shown, &expected);
        EXPECT_EQ(&ShownLanguage(), &expected);
    }
}

TEST(ShowNextLanguage, FromTheTestersLanguageGoesBackToTheTable) {
    ShownLanguageGuard pseudo(PseudoLanguage(), {{"Back", "B\xC3\xA4"
                                                          "ck"}});
    EXPECT_EQ(&ShowNextLanguage(), &English());
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class OptionsLanguage : public FrameFixture {
  protected:
    OptionsLanguage() {
        Key('2');
        Frame();
    }
    ~OptionsLanguage() override { ShowLanguage(English()); }
    std::string SavedBytes() const { return ReadFile(folder.File("language.dat")); }
    // Starts a second game on the same folder, as the next run of the program would.
    void StartAnother() {
        {
            ScriptedGame next;
            next.OnStart();
        }
        SetCurrentFont(game.shellFont);
    }
};

TEST_F(OptionsLanguage, LShowsTheNextLanguageAtOnceAndSavesIt) {
    const Language& expected = NextReadable(ShownLanguage());
    const std::string settings = ReadFile(folder.File("settings.dat"));
    EXPECT_TRUE(Key('L'));
    EXPECT_EQ(&ShownLanguage(), &expected);
    EXPECT_EQ(SavedBytes(), LanguageFileBytes(expected));
    Frame();
    EXPECT_EQ(game.languageButton.label, expected.name);
    EXPECT_FALSE(game.languageButton.translateLabel) << "a language's name is never translated";
    EXPECT_EQ(game.screen, ScreenState::Options);
    EXPECT_EQ(ReadFile(folder.File("settings.dat")), settings) << "settings.dat was rewritten";
}

TEST_F(OptionsLanguage, AClickOnTheButtonDoesAsLDoes) {
    const Language& expected = NextReadable(ShownLanguage());
    Click(game.languageButton);
    Frame();
    EXPECT_EQ(&ShownLanguage(), &expected);
    EXPECT_EQ(SavedBytes(), LanguageFileBytes(expected));
}

TEST_F(OptionsLanguage, LElsewhereChoosesNothing) {
    Key('0');
    Frame();
    EXPECT_FALSE(Key('L'));
    EXPECT_FALSE(std::filesystem::exists(folder.File("language.dat")));
}

TEST_F(OptionsLanguage, TheNextStartShowsTheSavedLanguageOrEnglishWhenItCannotBeRead) {
    for (int i = 0; i < ChoosableLanguageCount(); ++i) {
        const Language& language = ChoosableLanguages()[i];
        std::ofstream(folder.File("language.dat"), std::ios::binary) << LanguageFileBytes(language);
        ShowLanguageWith(PseudoLanguage(), Catalogue());
        StartAnother();
        EXPECT_EQ(&ShownLanguage(), Readable(language) ? &language : &English()) << language.code;
    }
}

TEST_F(OptionsLanguage, ADamagedFileLeavesTheChoiceToWindows) {
    std::ofstream(folder.File("language.dat"), std::ios::binary) << "Quickfigure language\n";
    ShowLanguageWith(PseudoLanguage(), Catalogue());
    StartAnother();
    EXPECT_EQ(&ShownLanguage(), &LanguageForWindows(SystemLanguageId()));
}

} // namespace
