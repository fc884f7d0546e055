// Writes the fuzzer's seed inputs from files the save sequence itself produces: each state
// below is saved into a temporary folder with the portable file store, loaded back (the
// run fails if anything differs), and the two files are packed into one seed. Further
// seeds add the temporary files of a cut-short save and faults injected into the next.
// Usage: data_files_seeds <output folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "shell/file_store.h"

namespace {

namespace fs = std::filesystem;

FuzzShellState FullTable() {
    FuzzShellState state;
    const char* difficulties[] = {"Hard", "Normal", "Easy", "Normal", "Hard"};
    const char* modes[] = {" +  -  x  \x89 ", "Add", " -  x ", "Divide", " +  x "};
    for (int i = 0; i < HighScoreCount; ++i) {
        state.table[i].difficultyText = difficulties[i];
        state.table[i].modeText = modes[i];
        state.table[i].score = 9000u - 1500u * static_cast<unsigned>(i);
        state.table[i].level = 7 - i;
    }
    state.game = {true, false, true, false, 2};
    state.sound = false;
    return state;
}

FuzzShellState PartlyFilled() {
    FuzzShellState state;
    state.table[0] = {"", "Multiply", "Easy", 120, 2};
    state.table[1] = {"", " +  x ", "Normal", 40, 1};
    state.game = {false, false, true, false, 0};
    return state;
}

// Reads one file of folder into bytes.
void ReadSaved(const fs::path& folder, const char* name, std::string& bytes) {
    SystemFileStore().Read((folder / name).string(), MaxDataFileBytes, bytes);
}

// Saves state in a session (load, then save), loads it back and returns both files' bytes
// as found on disk.
bool SaveAndCheck(FuzzShellState state, const fs::path& folder, FuzzInput& input) {
    SetDataFolderForTests(folder.string() + "/");
    FuzzShellState scratch;
    DataFileState disk;
    LoadDataFiles(FilesOf(scratch), disk);
    SaveDataFiles(FilesOf(state), disk);
    FuzzShellState loaded;
    LoadDataFiles(FilesOf(loaded), disk);
    const bool same = SameState(loaded, state);
    ReadSaved(folder, "settings.dat", input.settingsBytes);
    ReadSaved(folder, "highscores.dat", input.highScoreBytes);
    SetDataFolderForTests(std::string());
    return same;
}

bool WriteSeed(const fs::path& path, const FuzzInput& input) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << EncodeFuzzInput(input);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const fs::path output = argv[1];
    const fs::path work = fs::temp_directory_path() / "quickfigure-fuzz-seeds";
    fs::create_directories(output);
    fs::remove_all(work);
    fs::create_directories(work);

    std::vector<FuzzInput> seeds(3);
    const bool saved = SaveAndCheck(FuzzShellState(), work, seeds[0]) &&
                       SaveAndCheck(FullTable(), work, seeds[1]) &&
                       SaveAndCheck(PartlyFilled(), work, seeds[2]);
    fs::remove_all(work);
    if (!saved) {
        std::fprintf(stderr, "a saved state did not load back as saved\n");
        return 1;
    }
    seeds[0].score = 0;
    seeds[1].score = 6000;
    seeds[1].level = 4;
    seeds[1].difficulty = 1;
    seeds[1].modeChoice = 1;
    seeds[2].score = 40;
    seeds[2].level = 3;
    seeds[2].difficulty = -1;
    seeds[2].modeChoice = 2;
    // A plain high-score file as an older, crashed run left it.
    FuzzInput plain = seeds[1];
    for (char& byte : plain.highScoreBytes) {
        byte = static_cast<char>(~static_cast<unsigned char>(byte));
    }
    seeds.push_back(plain);
    // A save cut short after its table moved: the settings wait in their temporary file.
    FuzzInput pending = seeds[1];
    pending.settingsTempBytes = pending.settingsBytes;
    pending.settingsBytes = seeds[0].settingsBytes;
    pending.settingsTemp = true;
    pending.highScoreTemp = true;
    seeds.push_back(pending);
    // The next save fails at the move of its table, or the power fails before its settings.
    FuzzInput failing = seeds[1];
    failing.faultStep = 4;
    seeds.push_back(failing);
    FuzzInput crashing = seeds[2];
    crashing.faultStep = 5;
    crashing.crash = true;
    seeds.push_back(crashing);
    bool written = true;
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        written = WriteSeed(output / ("saved-" + std::to_string(i)), seeds[i]) && written;
    }
    std::printf("wrote %zu seeds to %s\n", seeds.size(), output.string().c_str());
    return written ? 0 : 1;
}
