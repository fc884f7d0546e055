// The data files against an in-memory store with faults: a failure or a power cut at any
// step of a save (and of the start that follows one) leaves the old or the new table and
// settings, never an emptied table; a table that failed the length check is copied aside
// before it is saved over, never over an earlier copy and with nothing lost to a fault;
// files that cannot be read are left alone; oversized files are damaged, not fatal; a
// program folder that cannot be written moves the files to the per-user folder; and the
// machine under them keeps its order on a set of three files.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "shell/data_files.h"
#include "support/fault_sweep.h"
#include "support/memory_file_store.h"
#include "support/shell_data.h"

namespace {

const std::string ProgramFolder = "D:\\games\\quickfigure\\";
const std::string UserFolder = "C:\\users\\player\\AppData\\Local\\Quickfigure\\";
const std::string HighScores = ProgramFolder + "highscores.dat";
const std::string Settings = ProgramFolder + "settings.dat";

// A start against the store: its files into a fresh copy of the shell's data.
ShellData Load(FileStore& store, const DataFolders& folders, DataFileState& state) {
    ShellData loaded;
    LoadDataFilesWith(store, folders, loaded.Files(), state);
    return loaded;
}

ShellData Load(FileStore& store, const DataFolders& folders) {
    DataFileState state;
    return Load(store, folders, state);
}

// A whole session ending with saved in memory: load at start, save at exit.
void Session(FileStore& store, const DataFolders& folders, ShellData saved) {
    DataFileState state;
    Load(store, folders, state);
    SaveDataFilesWith(store, saved.Files(), state);
}

ShellData Changed(bool sameLength) {
    ShellData data = FilledShellData();
    data.sound = true;
    data.ops[3] = false;
    data.difficulty = 2;
    if (sameLength) {
        data.table[1].score += 1000; // 4000 becomes 5000
    } else {
        data.table[4].modeText = "a longer mode text";
    }
    return data;
}

MemoryFileStore StoreWithProgramFolder() {
    MemoryFileStore store;
    store.folders.insert(ProgramFolder);
    return store;
}

class FaultedSave : public ::testing::Test {
  protected:
    const DataFolders folders{ProgramFolder, std::string()};

    // The store after a session saved before, and the steps a clean save then takes.
    MemoryFileStore Before(bool firstSave) {
        MemoryFileStore store = StoreWithProgramFolder();
        if (!firstSave) {
            Session(store, folders, before);
        }
        store.Restart();
        return store;
    }

    int StepsOfSave(MemoryFileStore store) {
        DataFileState state;
        Load(store, folders, state);
        const int start = store.steps;
        SaveDataFilesWith(store, after.Files(), state);
        return store.steps - start;
    }

    // The session saving after with the faults of plan, then the next start.
    void Check(MemoryFileStore store, const FaultPlan& plan) {
        DataFileState state;
        Load(store, folders, state);
        plan.Arm(store);
        SaveDataFilesWith(store, after.Files(), state);
        store.Restart();
        ExpectOldOrNew(store, "the start after the save");
        CheckStartsCrashingToo(store);
        // A clean save afterwards works.
        Session(store, folders, after);
        ExpectSameData(Load(store, folders), after);
    }

    // A start that finishes a cut-short save may itself be cut short by a crash.
    void CheckStartsCrashingToo(const MemoryFileStore& crashed) {
        for (int step = 0; step < 3; ++step) {
            MemoryFileStore store = crashed;
            store.crashStep = step;
            Load(store, folders);
            store.Restart();
            ExpectOldOrNew(store, ("a start cut at its step " + std::to_string(step)).c_str());
        }
    }

    void ExpectOldOrNew(MemoryFileStore& store, const char* what) {
        const ShellData loaded = Load(store, folders);
        EXPECT_TRUE(loaded.SameTable(before) || loaded.SameTable(after))
            << what << ": the table is neither the old nor the new one (first score "
            << loaded.table[0].score << ")";
        EXPECT_TRUE(loaded.SameSettings(before) || loaded.SameSettings(after))
            << what << ": the settings are neither the old nor the new ones";
    }

    void CheckEveryStep(bool firstSave, bool sameLength) {
        if (firstSave) {
            before = ShellData();
        }
        after = Changed(sameLength);
        const MemoryFileStore initial = Before(firstSave);
        const int steps = StepsOfSave(initial);
        ASSERT_EQ(steps, 6) << "two writes, two flushes, two moves";
        SweepFaults(steps, [&](const FaultPlan& plan) { Check(initial, plan); });
    }

    ShellData before = FilledShellData();
    ShellData after;
};

} // namespace

TEST_F(FaultedSave, ATableOfAnotherLengthIsNeverLost) {
    CheckEveryStep(false, false);
}

TEST_F(FaultedSave, ATableOfTheSameLengthIsNeverLost) {
    CheckEveryStep(false, true);
}

TEST_F(FaultedSave, AFirstSaveLeavesNothingOrTheNewFiles) {
    CheckEveryStep(true, false);
}

TEST(DataRecovery, ACrashAfterTheTableMovedIsFinishedAtTheNextStart) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    ShellData changed = Changed(false);
    DataFileState state;
    Load(store, folders, state);
    store.crashStep = store.steps + 5; // the move of the settings
    SaveDataFilesWith(store, changed.Files(), state);
    store.Restart();
    ASSERT_TRUE(store.Has(Settings + ".tmp"));

    ExpectSameData(Load(store, folders), changed);
    EXPECT_FALSE(store.Has(Settings + ".tmp"));
    EXPECT_FALSE(store.Has(HighScores + ".tmp"));
}

TEST(DataRecovery, LeftoversOfASaveThatNeverMovedAreDiscarded) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    const std::string table = store.Bytes(HighScores);
    const std::string settings = store.Bytes(Settings);
    DataFileState state;
    Load(store, folders, state);
    store.crashStep = store.steps + 4; // the move of the table
    SaveDataFilesWith(store, Changed(false).Files(), state);
    store.Restart();
    ASSERT_TRUE(store.Has(Settings + ".tmp"));

    ExpectSameData(Load(store, folders), FilledShellData());
    EXPECT_FALSE(store.Has(Settings + ".tmp")) << "it records a table that never arrived";
    EXPECT_FALSE(store.Has(HighScores + ".tmp"));
    EXPECT_EQ(store.Bytes(HighScores), table);
    EXPECT_EQ(store.Bytes(Settings), settings);
}

TEST(DataRecovery, AReplaceThatNeverMovedItsTableIsDiscardedEvenWhenTheLengthsAgree) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    // Settings from elsewhere: their length disowns the table, which shows no scores.
    const int length = static_cast<int>(store.Bytes(HighScores).size());
    store.files[Settings].bytes = SettingsFileBytes(FilledShellData().Files(), length + 1);
    const ShellData shown = Load(store, folders);
    EXPECT_EQ(shown.table[1].score, 0u);

    DataFileState state;
    Load(store, folders, state);
    store.crashStep = store.steps + 6; // the move of the table, after the copy of the old one
    SaveDataFilesWith(store, Changed(true).Files(), state);
    store.Restart();
    ExpectSameData(Load(store, folders), shown);
}

TEST(DataRecovery, SettingsThatCannotBeReplacedYetAreFinishedWhenTheyCanBe) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    const std::string settings = store.Bytes(Settings);
    ShellData changed = Changed(false);
    DataFileState state;
    Load(store, folders, state);
    store.locked.insert(Settings); // held by another program from now on
    SaveDataFilesWith(store, changed.Files(), state);
    EXPECT_TRUE(store.Has(Settings + ".tmp"));

    // While it is held, every start shows the new state and saves nothing over it.
    Load(store, folders, state);
    ExpectSameData(Load(store, folders), changed);
    SaveDataFilesWith(store, FilledShellData().Files(), state);
    store.locked.clear();
    EXPECT_EQ(store.Bytes(Settings), settings);

    ExpectSameData(Load(store, folders), changed);
    EXPECT_FALSE(store.Has(Settings + ".tmp"));
    EXPECT_EQ(store.Bytes(Settings),
              SettingsFileBytes(changed.Files(), static_cast<int>(store.Bytes(HighScores).size())));
}

namespace {

// A table that fails the length check beside settings that are missing, damaged or
// record another length.
struct SettingsDamage {
    const char* what;
    void (*apply)(MemoryFileStore& store);
};

const SettingsDamage SettingsDamages[] = {
    {"settings.dat missing", [](MemoryFileStore& store) { store.files.erase(Settings); }},
    {"settings.dat cut short",
     [](MemoryFileStore& store) {
         std::string& bytes = store.files[Settings].bytes;
         bytes.resize(bytes.size() / 2);
     }},
    {"another length recorded",
     [](MemoryFileStore& store) {
         store.files[Settings].bytes = SettingsFileBytes(FilledShellData().Files(), 71);
     }},
};

// The store after a session saved the filled data, then the settings damaged.
MemoryFileStore StoreWithUnmatchedTable(const SettingsDamage& damage) {
    MemoryFileStore store = StoreWithProgramFolder();
    Session(store, {ProgramFolder, std::string()}, FilledShellData());
    damage.apply(store);
    store.Restart();
    return store;
}

// Whether bytes are on disk as highscores.dat or as one of its copies.
bool TableKept(const MemoryFileStore& store, const std::string& bytes) {
    for (const auto& entry : store.files) {
        if (entry.first.compare(0, HighScores.size(), HighScores) == 0 &&
            entry.first.find(".tmp") == std::string::npos && entry.second.bytes == bytes) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(DataUnmatchedTable, ItsBytesAreKeptBeforeItIsFirstSavedOverNeverOverAnEarlierCopy) {
    const DataFolders folders{ProgramFolder, std::string()};
    for (const SettingsDamage& damage : SettingsDamages) {
        SCOPED_TRACE(damage.what);
        MemoryFileStore store = StoreWithUnmatchedTable(damage);
        const std::string table = store.Bytes(HighScores);
        store.files[HighScores + ".bad"].bytes = "an earlier copy";
        DataFileState state;
        EXPECT_EQ(Load(store, folders, state).table[0].score, 0u) << "the check stays";
        EXPECT_FALSE(store.Has(HighScores + ".bad2")) << "copied before any save";

        SaveDataFilesWith(store, Changed(false).Files(), state);
        EXPECT_TRUE(store.Bytes(HighScores + ".bad2") == table) << "not kept as on disk";
        EXPECT_EQ(store.Bytes(HighScores + ".bad"), "an earlier copy");
        ExpectSameData(Load(store, folders), Changed(false));
        SaveDataFilesWith(store, FilledShellData().Files(), state);
        Session(store, folders, Changed(true));
        EXPECT_FALSE(store.Has(HighScores + ".bad3")) << "a table that matches is not copied";
    }
}

TEST(DataUnmatchedTable, NoCopyIsMadeOfNoTableOrOfOneInTheFallbackFolder) {
    MemoryFileStore store = StoreWithProgramFolder();
    store.files[Settings].bytes = SettingsFileBytes(FilledShellData().Files(), 71);
    Session(store, {ProgramFolder, std::string()}, FilledShellData());
    EXPECT_FALSE(store.Has(HighScores + ".bad"));

    store = StoreWithUnmatchedTable(SettingsDamages[0]);
    store.folders.insert(UserFolder);
    Session(store, {UserFolder, ProgramFolder}, Changed(false));
    EXPECT_TRUE(store.Has(UserFolder + "highscores.dat"));
    EXPECT_FALSE(store.Has(HighScores + ".bad")) << "the table there is never saved over";
    EXPECT_FALSE(store.Has(UserFolder + "highscores.dat.bad"));
}

TEST(DataUnmatchedTable, ATableWhoseCopyCannotBeWrittenIsNotSavedOver) {
    const DataFolders folders{ProgramFolder, std::string()};
    MemoryFileStore store = StoreWithUnmatchedTable(SettingsDamages[0]);
    const std::string table = store.Bytes(HighScores);
    DataFileState state;
    Load(store, folders, state);
    store.failStep = store.steps; // the copy's write
    SaveDataFilesWith(store, Changed(false).Files(), state);
    EXPECT_EQ(store.Bytes(HighScores), table);
    EXPECT_FALSE(store.Has(HighScores + ".bad")) << "half a copy is not left";
    EXPECT_TRUE(Load(store, folders).SameSettings(Changed(false))) << "saved alone";

    SaveDataFilesWith(store, Changed(false).Files(), state);
    EXPECT_TRUE(store.Bytes(HighScores + ".bad") == table) << "the next save copies it";
    ExpectSameData(Load(store, folders), Changed(false));
}

TEST(DataUnmatchedTable, AFaultAtAnyStepOfTheSaveLosesNothing) {
    const DataFolders folders{ProgramFolder, std::string()};
    const MemoryFileStore initial = StoreWithUnmatchedTable(SettingsDamages[0]);
    const std::string table = initial.Bytes(HighScores);
    MemoryFileStore clean = initial;
    DataFileState cleanState;
    Load(clean, folders, cleanState);
    const int start = clean.steps;
    SaveDataFilesWith(clean, Changed(false).Files(), cleanState);
    ASSERT_EQ(clean.steps - start, 8) << "the copy's write and flush, then the pair's six";

    SweepFaults(8, [&](const FaultPlan& plan) {
        MemoryFileStore store = initial;
        DataFileState state;
        Load(store, folders, state);
        plan.Arm(store);
        SaveDataFilesWith(store, Changed(false).Files(), state);
        store.Restart();
        EXPECT_TRUE(TableKept(store, table));
        Session(store, folders, Changed(false));
        EXPECT_TRUE(TableKept(store, table)) << "after the next session";
        ExpectSameData(Load(store, folders), Changed(false));
    });
}

TEST(DataUnreadable, ALockedTableIsKeptAndTheSettingsAreSavedAlone) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    const std::string table = store.Bytes(HighScores);
    store.locked.insert(HighScores);
    DataFileState state;
    ShellData session = Load(store, folders, state);
    session.sound = true;
    SaveDataFilesWith(store, session.Files(), state);

    store.locked.clear();
    EXPECT_EQ(store.Bytes(HighScores), table);
    ShellData expected = FilledShellData();
    expected.sound = true;
    ExpectSameData(Load(store, folders), expected);
}

TEST(DataUnreadable, LockedSettingsKeepBothFiles) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    const auto files = store.files;
    store.locked.insert(Settings);
    Session(store, folders, Changed(false));
    store.locked.clear();
    EXPECT_EQ(store.files.size(), files.size());
    EXPECT_EQ(store.Bytes(HighScores), files.at(HighScores).bytes);
    EXPECT_EQ(store.Bytes(Settings), files.at(Settings).bytes);
}

TEST(DataUnreadable, ATableLockedAtExitKeepsTheLengthReadAtStart) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    DataFileState state;
    Load(store, folders, state);
    store.locked.insert(HighScores); // taken by another program during the session
    SaveDataFilesWith(store, Changed(false).Files(), state);
    store.locked.clear();
    const ShellData loaded = Load(store, folders);
    EXPECT_TRUE(loaded.SameTable(FilledShellData()));
    EXPECT_TRUE(loaded.SameSettings(Changed(false)));
}

TEST(DataOversized, FilesBeyondTheLimitLoadAsDamagedAndAreReplaced) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders folders{ProgramFolder, std::string()};
    Session(store, folders, FilledShellData());
    // Valid files with a long tail: read whole they would load.
    store.files[Settings].bytes += std::string(MaxDataFileBytes, '\n');
    store.files[HighScores].bytes += std::string(MaxDataFileBytes, static_cast<char>(0xF5));
    ExpectSameData(Load(store, folders), ShellData());

    ShellData changed = Changed(false);
    Session(store, folders, changed);
    ExpectSameData(Load(store, folders), changed);
}

TEST(DataFolderChoice, AWritableProgramFolderKeepsTheFiles) {
    MemoryFileStore store = StoreWithProgramFolder();
    store.userFolder = UserFolder;
    const DataFolders folders = ChooseDataFolders(store, ProgramFolder);
    EXPECT_EQ(folders.save, ProgramFolder);
    EXPECT_EQ(folders.fallback, "");
    DataFileState state;
    Load(store, folders, state);
    EXPECT_EQ(DataFolderPath(state), ProgramFolder);
    SaveDataFilesWith(store, FilledShellData().Files(), state);
    EXPECT_TRUE(store.Has(HighScores));
    EXPECT_EQ(store.folders.count(UserFolder), 0u);
}

TEST(DataFolderChoice, AReadOnlyProgramFolderMovesTheFilesToTheUserFolder) {
    MemoryFileStore store = StoreWithProgramFolder();
    const DataFolders own{ProgramFolder, std::string()};
    Session(store, own, FilledShellData());
    store.readOnlyFolders.insert(ProgramFolder);
    EXPECT_EQ(ChooseDataFolders(store, ProgramFolder).save, ProgramFolder)
        << "without a per-user folder there is nowhere else";
    store.userFolder = UserFolder;
    const DataFolders folders = ChooseDataFolders(store, ProgramFolder);
    EXPECT_EQ(folders.save, UserFolder);
    EXPECT_EQ(folders.fallback, ProgramFolder);

    DataFileState state;
    ShellData first = Load(store, folders, state);
    ExpectSameData(first, FilledShellData());
    EXPECT_EQ(DataFolderPath(state), UserFolder);
    first.table[4].modeText = "recorded in the user folder";
    SaveDataFilesWith(store, first.Files(), state);
    EXPECT_TRUE(store.Has(UserFolder + "settings.dat"));

    // From now on the user folder's files are the ones loaded.
    store.files.erase(HighScores);
    ExpectSameData(Load(store, folders), first);
}

TEST(DataFolderChoice, AnInstalledCopyKeepsItsFilesInTheUserFolder) {
    const std::string marker = ProgramFolder + InstalledMarkerName;
    struct Case {
        const char* what;
        bool markerThere;
        bool markerLocked;
        bool userFolderKnown;
        DataFolders expected;
    };
    const Case cases[] = {
        {"installed", true, false, true, {UserFolder, ProgramFolder}},
        {"installed, marker unreadable", true, true, true, {UserFolder, ProgramFolder}},
        {"installed, no per-user folder", true, false, false, {ProgramFolder, ""}},
        {"unpacked from the zip", false, false, true, {ProgramFolder, ""}},
    };
    for (const Case& c : cases) {
        MemoryFileStore store = StoreWithProgramFolder();
        if (c.markerThere) {
            store.files[marker].bytes = "installed by the setup program\r\n";
        }
        if (c.markerLocked) {
            store.locked.insert(marker);
        }
        store.userFolder = c.userFolderKnown ? UserFolder : std::string();
        const DataFolders folders = ChooseDataFolders(store, ProgramFolder);
        EXPECT_EQ(folders.save, c.expected.save) << c.what;
        EXPECT_EQ(folders.fallback, c.expected.fallback) << c.what;
    }
}

TEST(DataFolderChoice, AnInstalledCopySavesNothingBesideTheProgram) {
    MemoryFileStore store = StoreWithProgramFolder();
    store.userFolder = UserFolder;
    store.files[ProgramFolder + InstalledMarkerName].bytes = "";
    const DataFolders folders = ChooseDataFolders(store, ProgramFolder);
    DataFileState state;
    Load(store, folders, state);
    SaveDataFilesWith(store, FilledShellData().Files(), state);
    EXPECT_FALSE(store.Has(Settings));
    EXPECT_FALSE(store.Has(HighScores));
    ExpectSameData(Load(store, folders), FilledShellData());
}

TEST(DataFolderChoice, AUserFolderHoldingOneFileIsLoadedAsItIs) {
    MemoryFileStore store = StoreWithProgramFolder();
    Session(store, {ProgramFolder, std::string()}, FilledShellData());
    store.folders.insert(UserFolder);
    store.files[UserFolder + "settings.dat"] = store.files[Settings];
    const ShellData loaded = Load(store, {UserFolder, ProgramFolder});
    EXPECT_TRUE(loaded.SameSettings(FilledShellData()));
    EXPECT_TRUE(loaded.SameTable(ShellData())) << "the program folder's table is not read";
}

TEST(DataFolderChoice, AFirstRunThereNeverSavesSettingsWithoutTheTable) {
    MemoryFileStore store = StoreWithProgramFolder();
    Session(store, {ProgramFolder, std::string()}, FilledShellData());
    const DataFolders folders{UserFolder, ProgramFolder};
    DataFileState state;
    Load(store, folders, state);
    store.failStep = store.steps + 1; // the table's write, after the folder is created
    SaveDataFilesWith(store, Changed(false).Files(), state);
    store.Restart();
    EXPECT_FALSE(store.Has(UserFolder + "settings.dat"));
    ExpectSameData(Load(store, folders), FilledShellData());
}

TEST(DataExceptions, NeitherTheLoadNorTheSaveLetsOneOut) {
    ThrowingFileStore store;
    store.folders.insert(ProgramFolder);
    const DataFolders folders{ProgramFolder, std::string()};
    ShellData data = FilledShellData();
    DataFileState state;
    EXPECT_NO_THROW(LoadDataFilesWith(store, folders, data.Files(), state));
    EXPECT_FALSE(state.loaded);
    state.loaded = true;
    state.settingsWritable = true;
    state.highScoresWritable = true;
    EXPECT_NO_THROW(SaveDataFilesWith(store, data.Files(), state));
    EXPECT_TRUE(store.files.empty());
}

// The machine on a set of three files, beyond the two sets it serves: its staging, then
// its moves, each file's write and flush before the next file's.
TEST(KeptFiles, AFailureBeforeTheFirstMoveLeavesNothingAndOneAfterLeavesTheRestWaiting) {
    const std::vector<std::string> names = {"first", "second", "third"};
    const int stagingSteps = 6;
    for (int fail = 0; fail < stagingSteps + 3; ++fail) {
        SCOPED_TRACE("failure at step " + std::to_string(fail));
        MemoryFileStore store = StoreWithProgramFolder();
        store.failStep = fail;
        const CommitOutcome outcome =
            CommitKeptFiles(store, ProgramFolder, names, {"one", "two", "three"});
        const bool moving = fail >= stagingSteps;
        const std::size_t failed = moving ? fail - stagingSteps : fail / 2;
        EXPECT_EQ(outcome.failed, failed);
        EXPECT_EQ(outcome.placed, moving ? failed : 0u);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string path = ProgramFolder + names[i];
            EXPECT_EQ(store.Has(path), i < outcome.placed) << path;
            EXPECT_EQ(store.Has(TemporaryPath(path)), outcome.placed > 0 && i >= outcome.placed)
                << path;
        }
    }
}
