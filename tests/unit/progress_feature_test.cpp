// The progress screen's keys in the running game over an in-memory store: the fluency
// threshold cycled, saved at once and counted again; the export's three files and the note
// naming their folder or the file that failed; the folder handed to the shell; and the
// milestones a finished game completes, earned once with the game's day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/arithmetic_game.h"
#include "progress/fluency_count.h"
#include "progress/progress_export.h"
#include "progress/progress_file.h"
#include "support/fake_clock.h"
#include "support/game_driver.h"
#include "support/hook_guards.h"
#include "support/memory_file_store.h"
#include "support/sound_recorder.h"
#include "support/test_surface.h"
#include "ui/shell_open.h"

namespace {

const std::string ProgramFolder = "D:\\games\\quickfigure\\";

std::vector<std::string> Opened;
void RecordOpen(const char* address) {
    Opened.emplace_back(address);
}

class ProgressFeatureTest : public testing::Test {
  protected:
    ProgressFeatureTest() : surface(640, 480) {
        store.folders.insert(ProgramFolder);
        SetDataStoreForTests(&store, {ProgramFolder, std::string()});
        SetShellOpenHandler(&RecordOpen);
        Opened.clear();
        game.OnStart();
        PressKey(game, '1');
    }
    ~ProgressFeatureTest() override {
        SetShellOpenHandler(nullptr);
        ClearInputList();
        SetDataStoreForTests(nullptr, DataFolders());
    }
    void OpenProgress(const ProgressHistory& history) {
        game.progress.history = history;
        PressKey(game, '9');
        ASSERT_EQ(game.shownScreen, GameScreen::Progress);
    }
    ProgressHistory Saved() {
        ProgressHistory saved;
        EXPECT_TRUE(ReadProgressBytes(store.Bytes(ProgressFilePath(ProgramFolder)), saved));
        return saved;
    }

    LayoutViewportGuard viewport{640, 480};
    MemoryFileStore store;
    FakeClock clock;
    SoundRecorder sounds;
    TestSurface surface;
    ArithmeticGame game;
};

// Every fact of the 2 x table answered right twice, the first in firstMs, the rest in 1 s.
ProgressHistory TwoTable(int firstMs) {
    ProgressHistory history;
    const int number = history.BeginGame();
    const std::vector<Problem> facts =
        TableFacts(OpMultiply, 2, history.options.facts.otherFactorMax);
    for (std::size_t i = 0; i < facts.size() * 2; ++i) {
        history.RecordFact(AsShown(facts[i / 2]), FactOutcome::Right, i < 2 ? firstMs : 1000,
                           number);
    }
    return history;
}

std::vector<Milestone> TwoTableMilestones(const ProgressHistory& history) {
    std::vector<Milestone> found;
    for (const Milestone& milestone : history.milestones) {
        if (milestone.operation == OpMultiply && milestone.number == 2) {
            found.push_back(milestone);
        }
    }
    return found;
}

} // namespace

TEST_F(ProgressFeatureTest, TheThresholdKeyCyclesIsSavedAtOnceAndCountsAgain) {
    const ProgressHistory history = TwoTable(4500); // one fact fluent only from 6 s on
    OpenProgress(history);
    const FluencyCount atThree = FluencyCounts(history).at(0);
    const struct {
        int seconds;
        const char* label;
        bool slowFactFluent;
    } steps[] = {{6, "Fluent: 6 s", true}, {12, "Fluent: 12 s", true}, {3, "Fluent: 3 s", false}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        PressKey(game, '3');
        EXPECT_EQ(game.shownScreen, GameScreen::Progress) << "the screen stays";
        EXPECT_EQ(Saved().options.fluentSeconds, step.seconds) << "saved before the next frame";
        EXPECT_EQ(game.progress.screen.fluentButton.label, step.label);
        const std::string line = FluencyLine(game.progress.screen.Figures().counts.at(0));
        EXPECT_EQ(line != FluencyLine(atThree), step.slowFactFluent) << line;
    }
}

TEST_F(ProgressFeatureTest, TheExportWritesThreeFilesAndNamesTheirFolderOrTheFileThatFailed) {
    const ProgressHistory history = TwoTable(1000);
    const struct {
        const char* locked;
        std::string said;
    } cases[] = {{"", "Saved to"},
                 {FactsCsvName, "Could not write progress-facts.csv in"},
                 {GamesCsvName, "Could not write progress-games.csv in"},
                 {MilestonesCsvName, "Could not write progress-milestones.csv in"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        store.locked.clear();
        if (*c.locked != '\0') {
            store.locked.insert(ExportPath(ProgramFolder, c.locked));
        }
        OpenProgress(history);
        PressKey(game, '2');
        EXPECT_EQ(game.progress.screen.NoteSaid(), c.said);
        EXPECT_EQ(game.progress.screen.NoteFolder(), ProgramFolder) << "the whole folder";
        PressKey(game, '0');
    }
    EXPECT_EQ(store.Bytes(ExportPath(ProgramFolder, FactsCsvName)), FactsCsvText(history));
    EXPECT_EQ(store.Bytes(ExportPath(ProgramFolder, GamesCsvName)), GamesCsvText(history));
    EXPECT_EQ(store.Bytes(ExportPath(ProgramFolder, MilestonesCsvName)),
              MilestonesCsvText(history));
}

TEST_F(ProgressFeatureTest, TheFolderKeyHandsTheFolderToTheShellOnlyWhileTheNoteShowsIt) {
    OpenProgress(TwoTable(1000));
    const std::vector<int> keys = {'4', '2', '4', '0', '9', '4'};
    const std::size_t opened[] = {0, 0, 1, 1, 1, 1};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        PressKey(game, keys[i]);
        EXPECT_EQ(Opened.size(), opened[i]) << "after key " << i;
    }
    EXPECT_EQ(Opened, std::vector<std::string>{ProgramFolder});
}

TEST_F(ProgressFeatureTest, AFinishedGameEarnsACompletedTableOnceDatedItsDay) {
    for (const int firstMs : {1000, 3500}) {
        SCOPED_TRACE(firstMs);
        game.progress.history = TwoTable(firstMs);
        for (const char* when : {"2026-12-08 19:52", "2026-12-09 08:05"}) {
            GameRecord record;
            record.when = when;
            game.progress.RecordGame(record);
        }
        const std::vector<Milestone> earned = TwoTableMilestones(game.progress.history);
        EXPECT_EQ(earned.size(), firstMs <= 3000 ? 1u : 0u);
        if (!earned.empty()) {
            EXPECT_EQ(earned[0].date, "2026-12-08") << "the day it was first complete";
            EXPECT_EQ(TwoTableMilestones(Saved()).size(), 1u) << "saved with the game";
        }
    }
}
