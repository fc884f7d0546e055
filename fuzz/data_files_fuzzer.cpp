// libFuzzer target for the data files: arbitrary bytes as settings.dat, highscores.dat
// and the temporary files of a cut-short save, in an in-memory store, go through the
// start (recovery and load), a finished game is entered into the table, and the state is
// saved, once cleanly in memory and once with a failure or power cut at a chosen step.
// Beyond the sanitizers it checks that the entry lands where the ranking rule says, that
// a save reads back exactly, that a faulted one leaves the old or the new state, and that
// a table that failed the length check is never lost.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_harness.h"
#include "progress/operations.h"
#include "support/memory_file_store.h"

namespace {

// Mode texts as the game describes them, including the division sign's code 0x89.
const char* const ModeTexts[] = {"Add", " +  - ", " +  -  x  \x89 ", ""};
const char Folder[] = "C:\\game\\";
// Fault steps are taken modulo this, a little beyond the longest save.
constexpr int FaultSteps = 16;

void Fail(const char* what) {
    std::fprintf(stderr, "data files fuzzer: %s\n", what);
    std::abort();
}

// The name the game records a difficulty under, or null for a value without one.
const char* DifficultyTextOf(int difficulty) {
    return difficulty >= 0 && difficulty < DifficultyCount ? DifficultyNames[difficulty] : nullptr;
}

// The table after RecordHighScore against the one before it.
void CheckRecorded(const FuzzShellState& before, const FuzzShellState& after, const FuzzInput& in,
                   int index, const char* mode) {
    int rank = 0;
    while (rank < HighScoreCount && in.score < before.table[rank].score) {
        ++rank;
    }
    if (index != (rank == HighScoreCount ? -1 : rank)) {
        Fail("entered at the wrong index");
    }
    for (int i = 0; i < HighScoreCount; ++i) {
        if (index < 0 || i < index) {
            if (!SameEntry(after.table[i], before.table[i])) {
                Fail("an entry above the new one changed");
            }
        } else if (i > index && !SameEntry(after.table[i], before.table[i - 1])) {
            Fail("an entry below the new one did not move down intact");
        }
    }
    if (index >= 0) {
        const HighScoreEntry& entry = after.table[index];
        if (entry.score != in.score || entry.level != in.level || entry.modeText != mode ||
            entry.spareText != before.table[index].spareText) {
            Fail("the new entry holds the wrong values");
        }
        const char* named = DifficultyTextOf(in.difficulty);
        if (entry.difficultyText !=
            (named != nullptr ? named : before.table[index].difficultyText)) {
            Fail("the new entry has the wrong difficulty text");
        }
    }
}

MemoryFileStore StoreOf(const FuzzInput& input) {
    MemoryFileStore store;
    store.folders.insert(Folder);
    const FilePairPaths paths = FilePairPathsIn(Folder);
    store.files[paths.settings].bytes = input.settingsBytes;
    store.files[paths.highScores].bytes = input.highScoreBytes;
    if (input.settingsTemp) {
        store.files[paths.settingsTemp].bytes = input.settingsTempBytes;
    }
    if (input.highScoreTemp) {
        store.files[paths.highScoresTemp].bytes = "left over";
    }
    return store;
}

// The state saved again in memory must load back exactly.
void CheckRoundTrip(FuzzShellState& state) {
    const DataFileSet files = FilesOf(state);
    const std::string highScoreBytes = HighScoreFileBytes(files);
    const std::string settingsBytes =
        SettingsFileBytes(files, static_cast<int>(highScoreBytes.size()));
    // Start from values unlike any saved ones, so a value that fails to load shows.
    FuzzShellState reloaded;
    reloaded.sound = !state.sound;
    reloaded.game = {!state.game.add, !state.game.subtract, !state.game.multiply,
                     !state.game.divide, state.game.difficulty ^ 1};
    for (HighScoreEntry& entry : reloaded.table) {
        entry.modeText = "not loaded";
        entry.score = 1;
    }
    LoadDataBytes(settingsBytes, highScoreBytes, FilesOf(reloaded));
    if (!SameState(reloaded, state)) {
        Fail("a save did not load back as saved");
    }
}

// Saves state with the input's fault; the next start must find the old or the new state.
void CheckFaultedSave(MemoryFileStore& store, DataFileState& disk, const FuzzInput& input,
                      const FuzzShellState& loaded, FuzzShellState& state) {
    const DataFolders folders{Folder, std::string()};
    if (input.faultStep != FuzzInput::NoFault) {
        const int step = store.steps + input.faultStep % FaultSteps;
        (input.crash ? store.crashStep : store.failStep) = step;
    }
    SaveDataFilesWith(store, FilesOf(state), disk);
    store.Restart();
    FuzzShellState next;
    DataFileState nextDisk;
    LoadDataFilesWith(store, folders, FilesOf(next), nextDisk);
    if (!SameTable(next, loaded) && !SameTable(next, state)) {
        Fail("after a faulted save the table is neither the old nor the new one");
    }
    if (!SameSettings(next, loaded) && !SameSettings(next, state)) {
        Fail("after a faulted save the settings are neither the old nor the new ones");
    }
}

// A table that failed the length check at the start is, after any save, still whole on
// disk: in its place or in a copy beside it.
void CheckTableKept(const MemoryFileStore& store, const std::string& table) {
    const FilePairPaths paths = FilePairPathsIn(Folder);
    for (const auto& entry : store.files) {
        const bool tableOrCopy =
            entry.first == paths.highScores ||
            entry.first.compare(0, paths.highScores.size() + 4, paths.highScores + ".bad") == 0;
        if (tableOrCopy && entry.second.bytes == table) {
            return;
        }
    }
    Fail("a table that failed the length check was lost");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = DecodeFuzzInput(data, size);
    MemoryFileStore store = StoreOf(input);
    FuzzShellState state;
    DataFileState disk;
    LoadDataFilesWith(store, {Folder, std::string()}, FilesOf(state), disk);

    const FuzzShellState loaded = state;
    const char* mode = ModeTexts[input.modeChoice % 4];
    const int index = RecordHighScore(state.table, input.score, input.level,
                                      DifficultyTextOf(input.difficulty), mode);
    CheckRecorded(loaded, state, input, index, mode);
    CheckRoundTrip(state);
    const std::string unmatched = disk.unmatchedTable;
    CheckFaultedSave(store, disk, input, loaded, state);
    if (!unmatched.empty()) {
        CheckTableKept(store, unmatched);
    }
    return 0;
}
