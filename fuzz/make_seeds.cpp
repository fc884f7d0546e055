// Writes the fuzzers' seed inputs from files the save sequences themselves produce: each
// state below is saved into a temporary folder with the portable file store, loaded back
// (the run fails if anything differs), and its files are packed into one seed. Further
// seeds add the temporary files of a cut-short save and faults injected into the next;
// the progress seeds also a damaged file, a fallback folder, a held file, a full history and
// a first-version file, whole, cut short and upgraded with a fault;
// the players seeds the tests' rosters, damaged, in the fallback folder, held, and beside
// player folders and a cut-short save.
// Usage: data_files_seeds <data files output folder> <progress output folder>
//        <players output folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_harness.h"
#include "fuzz/players_fuzz_input.h"
#include "fuzz/progress_fuzz_input.h"
#include "progress/progress_file.h"
#include "shell/file_store.h"
#include "shell/players_file.h"
#include "support/sample_players.h"

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

bool WriteSeed(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// Writes each seed as name-0, name-1, ... into output.
template <typename Input, typename Encode>
bool WriteSeeds(const fs::path& output, const char* name, const std::vector<Input>& seeds,
                Encode encode) {
    fs::create_directories(output);
    bool written = true;
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        written =
            WriteSeed(output / (name + ("-" + std::to_string(i))), encode(seeds[i])) && written;
    }
    std::printf("wrote %zu seeds to %s\n", seeds.size(), output.string().c_str());
    return written;
}

// A player's first games: every operation and verdict, and both practice switches.
ProgressHistory PlayedHistory() {
    ProgressHistory history;
    const Problem problems[] = {
        {6, OpMultiply, 7}, {12, OpDivide, 4}, {9, OpSubtract, 5}, {8, OpAdd, 5}};
    const FactOutcome outcomes[] = {FactOutcome::Right, FactOutcome::Wrong, FactOutcome::Skipped};
    for (int round = 0; round < 3; ++round) {
        const int game = history.BeginGame();
        for (int i = 0; i < 4; ++i) {
            const FactOutcome outcome = outcomes[(round + i) % 3];
            history.RecordFact(problems[i], outcome,
                               outcome == FactOutcome::Skipped ? -1 : 900 + 700 * i, game);
        }
        GameRecord record;
        record.when = "2026-12-0" + std::to_string(round + 1) + " 19:52";
        record.difficulty = round;
        record.operations = " +  -  x  \x89 ";
        record.score = 400u * static_cast<unsigned>(round + 1);
        record.level = round + 1;
        record.right = 2;
        record.wrong = 1;
        record.medianMs = 1600;
        // The last game of chosen facts and calm.
        record.facts = round == 2 ? "7, 13 to 12; within 20" : "";
        record.calm = round == 2;
        history.RecordGame(record);
    }
    history.options.weakFacts = true;
    history.options.showAnswer = true;
    history.options.facts.SetTable(7, true);
    history.options.facts.typedTable = 13;
    history.options.facts.otherFactorMax = LongOtherFactor;
    history.options.facts.band = SumBand::Within20;
    history.options.facts.pace = Pace::Calm;
    history.options.fluentSeconds = 6;
    history.EarnMilestone({OpAdd, 10, "2026-12-03"});
    return history;
}

// A first-version progress.dat as that version saved it: two facts, one skipped, and two
// games.
const char FirstVersionFile[] = "20\nQuickfigure progress\n1\n0\n"
                                "1\n0\n2\n"
                                "2\n120\n6\n7\n2\n1\n1\n0\n3000\n1400\n2\n"
                                "137\n12\n4\n1\n0\n0\n1\n0\n0\n1\n"
                                "2\n16\n2026-12-01 17:10\n1\n6\n x  \x89 \n40\n1\n1\n1\n1400\n"
                                "16\n2026-12-02 17:25\n2\n3\n x \n12\n2\n1\n0\n1600\n";

// A second-version progress.dat: one fact, one calm game of chosen facts, facts chosen.
const char SecondVersionFile[] =
    "20\nQuickfigure progress\n2\n0\n"
    "1\n0\n2052\n99\n12\n2\n1\n10\n1\n"
    "1\n120\n6\n7\n1\n1\n0\n0\n1500\n1500\n1\n"
    "1\n16\n2026-12-08 19:52\n1\n6\n +  x \n120\n3\n1\n0\n1500\n1\n7\n1\n";

// As many games as are kept, so that the next one drops the oldest.
ProgressHistory FullGames() {
    ProgressHistory history;
    for (int i = 0; i < MaxProgressGames; ++i) {
        history.RecordFact({i % 13, OpAdd, 1}, FactOutcome::Right, 40 * i, history.BeginGame());
        GameRecord record;
        record.when = "2026-11-" + std::to_string(10 + i % 20) + " 08:00";
        record.operations = "Add";
        record.score = static_cast<unsigned>(i);
        history.RecordGame(record);
    }
    return history;
}

// Saves history into folder as a session would (load, then save), loads it back and
// returns the file's bytes as found on disk; empty when it did not read back as saved.
std::string SavedProgress(const ProgressHistory& history, const fs::path& folder) {
    FileStore& store = SystemFileStore();
    const std::string path = folder.string() + "/";
    ProgressHistory scratch;
    ProgressFileState state;
    LoadProgressFile(store, path, std::string(), false, scratch, state);
    ProgressHistory loaded;
    if (!SaveProgressFile(store, history, state)) {
        return std::string();
    }
    LoadProgressFile(store, path, std::string(), false, loaded, state);
    std::string bytes;
    store.Read(ProgressFilePath(path), MaxProgressFileBytes, bytes);
    store.Remove(ProgressFilePath(path));
    const bool same = ProgressFileBytes(loaded) == ProgressFileBytes(history) &&
                      bytes == ProgressFileBytes(history);
    return same ? bytes : std::string();
}

// A session's plays: each operation with each verdict, a game's end, and a fact of a game
// not counted.
std::vector<ProgressPlay> SessionPlays() {
    std::vector<ProgressPlay> plays;
    for (std::uint8_t kind = 0; kind < 12; ++kind) {
        plays.push_back({kind, static_cast<std::uint8_t>(128 + 6 + kind % 4), 7,
                         static_cast<std::uint8_t>(kind * 20)});
    }
    plays.push_back({12, 200, 3, 45});
    plays.push_back({0x20, 134, 200, 1});
    // A wrong try answered right at last; a game's end earning a milestone and stepping the
    // threshold.
    plays.push_back({0x44, 135, 6, 1});
    plays.push_back({0x1D, 200, 2, 7});
    return plays;
}

bool WriteProgressSeeds(const fs::path& output, const fs::path& work) {
    ProgressFuzzInput played;
    played.progressBytes = SavedProgress(PlayedHistory(), work);
    played.present = true;
    played.plays = SessionPlays();
    ProgressFuzzInput games = played;
    games.progressBytes = SavedProgress(FullGames(), work);
    if (played.progressBytes.empty() || games.progressBytes.empty()) {
        std::fprintf(stderr, "a saved history did not load back as saved\n");
        return false;
    }
    std::vector<ProgressFuzzInput> seeds = {played, games};
    // Cut short, so set aside.
    ProgressFuzzInput damaged = played;
    damaged.progressBytes.resize(played.progressBytes.size() - 3);
    seeds.push_back(damaged);
    // Read from the fallback folder; the first save there fails at its move.
    ProgressFuzzInput fallback = played;
    fallback.inFallback = true;
    fallback.faultStep = 3;
    seeds.push_back(fallback);
    // A cut-short save's temporary file, and the power fails at the next one's flush.
    ProgressFuzzInput crashing = games;
    crashing.temporary = true;
    crashing.faultStep = 2;
    crashing.crash = true;
    seeds.push_back(crashing);
    ProgressFuzzInput held = played;
    held.locked = true;
    seeds.push_back(held);
    ProgressFuzzInput full = played;
    full.fill = true;
    full.faultStep = 1;
    seeds.push_back(full);
    // A first-version file: whole, its upgrade cut by a power cut once the old bytes are
    // kept; whole, its upgrade's copy failing; and cut short.
    ProgressFuzzInput first = played;
    first.progressBytes = FirstVersionFile;
    ProgressHistory read;
    if (!ReadProgressBytes(first.progressBytes, read) || read.games.size() != 2) {
        std::fprintf(stderr, "the first-version file did not read whole\n");
        return false;
    }
    first.faultStep = 4;
    first.crash = true;
    seeds.push_back(first);
    first.faultStep = 2;
    first.crash = false;
    seeds.push_back(first);
    first.progressBytes.resize(first.progressBytes.size() - 3);
    seeds.push_back(first);
    // A second-version file, its upgrade failing at the copy's move.
    ProgressFuzzInput second = played;
    second.progressBytes = SecondVersionFile;
    if (!ReadProgressBytes(second.progressBytes, read) || read.games.size() != 1) {
        std::fprintf(stderr, "the second-version file did not read whole\n");
        return false;
    }
    seeds.push_back(second);
    second.faultStep = 2;
    seeds.push_back(second);
    return WriteSeeds(output, "progress", seeds, EncodeProgressFuzzInput);
}

// Saves roster into folder as a session would and returns players.dat's bytes as found on
// disk; empty when it did not read back as saved.
std::string SavedPlayers(const PlayerRoster& roster, const fs::path& folder) {
    FileStore& store = SystemFileStore();
    const DataFolders run{folder.string() + "/", std::string()};
    PlayerRoster loaded;
    PlayersFileState state;
    LoadPlayersFile(store, run, loaded, state);
    if (!SavePlayersFile(store, roster, state)) {
        return std::string();
    }
    LoadPlayersFile(store, run, loaded, state);
    const std::string path = run.save + "players.dat";
    std::string bytes;
    store.Read(path, MaxPlayersFileBytes, bytes);
    store.Remove(path);
    const bool same =
        PlayersFileBytes(loaded) == PlayersFileBytes(roster) && bytes == PlayersFileBytes(roster);
    return same ? bytes : std::string();
}

bool WritePlayersSeeds(const fs::path& output, const fs::path& work) {
    PlayersFuzzInput sample;
    sample.present = true;
    sample.playersBytes = SavedPlayers(SampleRoster(), work);
    sample.folders = 0x0F;
    PlayersFuzzInput full = sample;
    full.playersBytes = SavedPlayers(FullRoster(), work);
    if (sample.playersBytes.empty() || full.playersBytes.empty()) {
        std::fprintf(stderr, "a saved roster did not load back as saved\n");
        return false;
    }
    std::vector<PlayersFuzzInput> seeds = {sample, full};
    PlayersFuzzInput damaged = sample;
    damaged.playersBytes.resize(sample.playersBytes.size() - 3);
    damaged.folders = 0xFF;
    seeds.push_back(damaged);
    PlayersFuzzInput fallback = sample;
    fallback.inFallback = true;
    fallback.faultStep = 3;
    seeds.push_back(fallback);
    PlayersFuzzInput crashing = sample;
    crashing.temporary = true;
    crashing.faultStep = 2;
    crashing.crash = true;
    seeds.push_back(crashing);
    PlayersFuzzInput held = damaged;
    held.locked = true;
    seeds.push_back(held);
    return WriteSeeds(output, "players", seeds, EncodePlayersFuzzInput);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: %s <data files output folder> <progress output folder> <players "
                     "output folder>\n",
                     argv[0]);
        return 2;
    }
    const fs::path output = argv[1];
    const fs::path work = fs::temp_directory_path() / "quickfigure-fuzz-seeds";
    fs::remove_all(work);
    fs::create_directories(work);

    std::vector<FuzzInput> seeds(3);
    const bool saved = SaveAndCheck(FuzzShellState(), work, seeds[0]) &&
                       SaveAndCheck(FullTable(), work, seeds[1]) &&
                       SaveAndCheck(PartlyFilled(), work, seeds[2]);
    const bool progress = WriteProgressSeeds(argv[2], work) && WritePlayersSeeds(argv[3], work);
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
    return WriteSeeds(output, "saved", seeds, EncodeFuzzInput) && progress ? 0 : 1;
}
