// libFuzzer target for the data files: arbitrary bytes as settings.dat and highscores.dat
// go through the load sequence, a finished game is entered into the table, and the state
// is saved and loaded again. Beyond the sanitizers it checks that the entry lands where
// the ranking rule says and that a save reads back exactly.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_harness.h"

namespace {

// Mode texts as the game describes them, including the division sign's code 0x89.
const char* const ModeTexts[] = {"Add", " +  - ", " +  -  x  \x89 ", ""};

void Fail(const char* what) {
    std::fprintf(stderr, "data files fuzzer: %s\n", what);
    std::abort();
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
        const char* names[] = {"Easy", "Normal", "Hard"};
        const bool named = in.difficulty >= 0 && in.difficulty <= 2;
        if (entry.difficultyText !=
            (named ? names[in.difficulty] : before.table[index].difficultyText)) {
            Fail("the new entry has the wrong difficulty text");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = DecodeFuzzInput(data, size);
    FuzzShellState state;
    LoadDataBytes(input.settingsBytes, input.highScoreBytes, FilesOf(state));

    const FuzzShellState loaded = state;
    const char* mode = ModeTexts[input.modeChoice % 4];
    const int index =
        RecordHighScore(state.table, input.score, input.level, input.difficulty, mode);
    CheckRecorded(loaded, state, input, index, mode);

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
    return 0;
}
