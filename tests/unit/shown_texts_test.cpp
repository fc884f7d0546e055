// The texts the progress figures, the players' names and the shell show, in a hand-made
// language with a decimal comma: each comes out translated, its numbers moved where the
// translation puts them, and the same text in English after; the export's three files and
// highscores.dat keep the same bytes whatever language is shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "progress/fluency_count.h"
#include "progress/milestones.h"
#include "progress/operations.h"
#include "progress/progress_export.h"
#include "progress/progress_summary.h"
#include "progress/round_summary.h"
#include "shell/data_files.h"
#include "shell/player_names.h"
#include "shell/player_roster.h"
#include "support/frame_fixture.h"
#include "support/history_builder.h"
#include "support/layout_checks.h"
#include "support/shown_language.h"
#include "text/code_page.h"

namespace {

// A language with a decimal comma; its translations made up here, the numbers moved first
// where a pattern has two, so a pattern filled in English order is caught.
const Language& TestLanguage() {
    static const Language language = {"xx", "Test", 0, ',', &Windows1252()};
    return language;
}

const TextPairs Translations = {
    {"{1} {2} table", "table {2} de {1}"},
    {"{1} within {2}", "{1} jusqu'a {2}"},
    {"{1}: {2} of {3} facts fluent", "{1} : {3} faits, {2} sus"},
    {"Multiplication", "La multiplication"},
    {"{1} of {2} right at the first try", "{2} problemes, {1} justes du premier coup"},
    {"Now fluent:", "Sus :"},
    {"{1} of {2} wrong", "{2} fois, {1} faux"},
    {"{1}/{2} wrong", "{1}/{2} f."},
    {"{1} of {2} wrong, {3} skipped", "{2} fois, {1} faux, {3} sautes"},
    {"day and month\x04{1} {2}", "{1} {2}."},
    {"Dec", "dec"},
    {"A name has at most {1} characters.", "Un nom a {1} lettres au plus."},
    {"Another player has that name.", "Ce nom est pris."},
    {"Play", "Jouer"},
    {"Game Over", "Fin"},
    {"Your score is {1}.", "Score : {1} !"},
    {"Level: {1}", "Niveau {1}"},
    {"Multiply", "Multiplier"},
    {"Normal", "Moyen"},
    {"Add", "Ajouter"},
    {"Easy", "Facile"},
    {"Hard", "Difficile"},
};

struct ShownText {
    const char* what;
    std::function<std::string()> text;
    std::string english;
    std::string translated;
};

std::vector<ShownText> ShownTexts() {
    PlayerRoster roster;
    const FactRecord missed = FactAfter(OpMultiply, 7, 8, 6, 3, 0, 4240);
    const FactRecord skipped = FactAfter(OpMultiply, 6, 9, 5, 2, 1, 1000);
    RoundSummary summary;
    summary.problems = 20;
    summary.rightFirstTry = 14;
    return {
        {"a table",
         [] {
             return MilestoneText(Milestone{OpMultiply, 7, ""});
         },
         "7 x table", "table x de 7"},
        {"a band",
         [] {
             return MilestoneText(Milestone{OpAdd, 10, ""});
         },
         "+ within 10", "+ jusqu'a 10"},
        {"the fluency line",
         [] {
             return FluencyLine(FluencyCount{OpMultiply, 63, 100});
         },
         "Multiplication: 63 of 100 facts fluent", "La multiplication : 100 faits, 63 sus"},
        {"right at the first try", [summary] { return RightFirstTryLine(summary); },
         "14 of 20 right at the first try", "20 problemes, 14 justes du premier coup"},
        {"now fluent",
         [] {
             return NowFluentLine({Problem{7, OpMultiply, 8}});
         },
         "Now fluent: 7 x 8", "Sus : 7 x 8"},
        {"a time", [] { return SecondsText(4240); }, "4.2 s", "4,2 s"},
        {"a fact's line", [missed] { return FactLine(missed); }, "7 x 8  4.2 s  3 of 9 wrong",
         "7 x 8  4,2 s  9 fois, 3 faux"},
        {"a fact's line in short",
         [missed] { return FactLine(missed, FactMisses | FactShortMisses); }, "7 x 8  3/9 wrong",
         "7 x 8  3/9 f."},
        {"a fact with skips", [skipped] { return FactLine(skipped, FactMisses); },
         "6 x 9  2 of 8 wrong, 1 skipped", "6 x 9  8 fois, 2 faux, 1 sautes"},
        {"a chart's date", [] { return ShortDate("2026-12-08 19:52"); }, "8 Dec", "8 dec."},
        {"a long name",
         [roster] { return roster.RefusalFor(std::string(MaxPlayerNameLength + 1, 'a')); },
         "A name has at most 16 characters.", "Un nom a 16 lettres au plus."},
        {"a taken name", [roster] { return roster.RefusalFor(roster.players[0].name); },
         "Another player has that name.", "Ce nom est pris."},
    };
}

TEST(ShownTexts, ComeOutInTheShownLanguageAndInEnglishAgainAfter) {
    for (const ShownText& shown : ShownTexts()) {
        {
            ShownLanguageGuard guard(TestLanguage(), Translations);
            EXPECT_EQ(shown.text(), shown.translated) << shown.what;
        }
        EXPECT_EQ(shown.text(), shown.english) << shown.what;
    }
}

TEST(ShownTexts, FilesWriteTimesWithAPointInEveryLanguage) {
    ShownLanguageGuard guard(TestLanguage(), Translations);
    EXPECT_EQ(TenthsText(4240), "4.2");
}

// Facts of every operation, fluent and not, games of one operation and of several at every
// difficulty, and milestones of tables and bands.
ProgressHistory AllKindsOfHistory() {
    ProgressHistory history = HistoryOf(
        {FactAfter(OpMultiply, 7, 8, 6, 3, 0, 4240), FactAfter(OpAdd, 3, 4, 5, 0, 0, 900),
         FactAfter(OpSubtract, 9, 4, 2, 1, 1, 2000), FactAfter(OpDivide, 12, 4, 4, 0, 0, 1500)});
    const char* operations[] = {"Add", " +  -  x  \x89 ", "Multiply"};
    for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
        GameRecord game;
        game.number = history.BeginGame();
        game.when = "2026-12-08 19:52";
        game.difficulty = difficulty;
        game.operations = operations[difficulty];
        game.medianMs = 1250;
        game.calm = difficulty == 0;
        history.RecordGame(game);
    }
    history.EarnMilestone(Milestone{OpMultiply, 7, "2026-12-08"});
    history.EarnMilestone(Milestone{OpAdd, 10, "2026-12-09"});
    return history;
}

TEST(ShownTexts, TheExportIsTheSameInEveryLanguage) {
    const ProgressHistory history = AllKindsOfHistory();
    const std::function<std::string(const ProgressHistory&)> files[] = {FactsCsvText, GamesCsvText,
                                                                        MilestonesCsvText};
    for (const auto& file : files) {
        const std::string english = file(history);
        ShownLanguageGuard guard(TestLanguage(), Translations);
        EXPECT_EQ(file(history), english);
    }
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The game on its frames with the test language shown; English again after.
class ShownLanguageFrames : public FrameFixture {
  protected:
    ShownLanguageGuard guard{TestLanguage(), Translations};
    FrameLayoutRecorder recorder;

    bool Drew(const std::string& text) const {
        for (const DrawnText& drawn : recorder.Texts()) {
            if (drawn.text == text) {
                return true;
            }
        }
        return false;
    }
    // A game of x alone played to its end by one right answer and the clock running out.
    void PlayToGameOver() {
        Key('1'); // Play
        Frame();
        game.operations = OperationChoice{false, false, true, false};
        Key('1');
        Frame();
        Answer();
        clock.Advance(ClockRunOutMs);
        Frame();
        ASSERT_TRUE(game.gameOver);
        recorder.Clear();
        Frame();
    }
};

TEST_F(ShownLanguageFrames, TheMainMenuAndTheGameOverScreenAreTranslated) {
    Frame();
    EXPECT_TRUE(Drew("Jouer"));
    EXPECT_FALSE(Drew("Play"));
    PlayToGameOver();
    EXPECT_TRUE(Drew("Fin"));
    EXPECT_TRUE(Drew("Score : " + std::to_string(game.score) + " !"));
    EXPECT_FALSE(Drew("Game Over"));
}

TEST_F(ShownLanguageFrames, AHighScoreIsKeptInEnglishAndShownTranslated) {
    PlayToGameOver();
    Key(KeyCode::Space); // records the score and opens the setup screen
    Frame();
    HighScoreEntry saved[HighScoreCount];
    bool sound = true;
    DataFileSet files{"Quickfigure", 101, saved, &sound, nullptr};
    LoadDataBytes(std::string(), FileText(folder.File("highscores.dat")), files);
    const HighScoreEntry& entry = game.highScores[0];
    ASSERT_GT(entry.score, 0u);
    for (const HighScoreEntry& kept : {entry, saved[0]}) {
        EXPECT_EQ(kept.modeText, OperationTable[2].name);
        EXPECT_EQ(kept.difficultyText, DifficultyNames[game.GetDifficulty()]);
    }
    Key(KeyCode::Escape); // from the setup screen to the menu
    Frame();
    Key('3'); // Highscores
    recorder.Clear();
    Frame();
    ASSERT_EQ(game.screen, ScreenState::HighScores);
    EXPECT_TRUE(Drew("Multiplier"));
    EXPECT_TRUE(Drew("Niveau " + std::to_string(entry.level)));
    EXPECT_FALSE(Drew(entry.modeText));
}

} // namespace
