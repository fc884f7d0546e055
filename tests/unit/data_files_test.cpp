// The two data files on disk, each test in a fresh temporary folder: the exact bytes of a
// first save, full round trips, the length check, damaged settings, a plain high-score
// file left by a crash, and saves that fail or find a stale temporary file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/data_files.h"

namespace {

namespace fs = std::filesystem;

const std::string Marker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";
const std::string HeaderLines = "11\nQuickfigure\n101\n0\n";

std::string Inverted(std::string bytes) {
    for (char& byte : bytes) {
        byte = static_cast<char>(255 - static_cast<unsigned char>(byte));
    }
    return bytes;
}

// The plain high-score file of an empty table: the header, then five entries of five 0s.
std::string PlainEmptyTable() {
    std::string bytes = HeaderLines;
    for (int line = 0; line < HighScoreCount * 5; ++line) {
        bytes += "0\n";
    }
    return bytes;
}

// The game's own settings: four operation switches and the chosen difficulty.
struct GameSettings {
    bool add = true;
    bool subtract = true;
    bool multiply = true;
    bool divide = true;
    int difficulty = 1;

    void Serialize(DataArchive& archive) {
        archive.TransferBool(add);
        archive.TransferBool(subtract);
        archive.TransferBool(multiply);
        archive.TransferBool(divide);
        archive.TransferInt(difficulty);
    }
};

// What the shell owns: the table, the sound switch and the game's settings.
struct ShellState {
    HighScoreEntry table[HighScoreCount];
    bool sound = true;
    GameSettings game;

    DataFileSet Files() {
        DataFileSet files;
        files.header = "Quickfigure";
        files.version = 101;
        files.highScores = table;
        files.soundEnabled = &sound;
        files.serializeSettings = [this](DataArchive& archive) { game.Serialize(archive); };
        return files;
    }
};

void FillTable(ShellState& state) {
    const char* difficulties[] = {"Hard", "Normal", "Easy", "Normal", "Hard"};
    for (int i = 0; i < HighScoreCount; ++i) {
        state.table[i].spareText = i == 2 ? "spare" : "";
        state.table[i].modeText = " +  x " + std::to_string(i);
        state.table[i].difficultyText = difficulties[i];
        state.table[i].score = 5000u - 1000u * static_cast<unsigned>(i);
        state.table[i].level = 9 - i;
    }
    state.table[0].score = 3000000000u; // above the int range: stored as a negative line
}

void ExpectSameTables(const ShellState& got, const ShellState& expected) {
    for (int i = 0; i < HighScoreCount; ++i) {
        EXPECT_EQ(got.table[i].spareText, expected.table[i].spareText) << "entry " << i;
        EXPECT_EQ(got.table[i].modeText, expected.table[i].modeText) << "entry " << i;
        EXPECT_EQ(got.table[i].difficultyText, expected.table[i].difficultyText) << "entry " << i;
        EXPECT_EQ(got.table[i].score, expected.table[i].score) << "entry " << i;
        EXPECT_EQ(got.table[i].level, expected.table[i].level) << "entry " << i;
    }
}

class DataFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::temp_directory_path() / ("quickfigure-data-files-" + name);
        fs::remove_all(folder);
        ASSERT_TRUE(fs::create_directories(folder));
        SetDataFolderForTests(folder.string() + "\\");
    }
    void TearDown() override {
        SetDataFolderForTests(std::string());
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    fs::path PathOf(const char* name) const { return folder / name; }

    std::string ReadFile(const char* name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteFile(const char* name, const std::string& bytes) const {
        std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    fs::path folder;
};

} // namespace

TEST_F(DataFiles, FirstStartFindsNothingAndCreatesNothing) {
    ShellState state;
    state.game.difficulty = 2;
    LoadDataFiles(state.Files());
    EXPECT_TRUE(state.sound);
    EXPECT_EQ(state.game.difficulty, 2);
    EXPECT_EQ(state.table[0].score, 0u);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(DataFiles, FirstSaveWritesTheExactBytesOfBothFiles) {
    ShellState state;
    state.game.multiply = false;
    SaveDataFiles(state.Files());

    const std::string highScores = ReadFile("highscores.dat");
    EXPECT_EQ(highScores.size(), 71u);
    EXPECT_EQ(highScores, Inverted(PlainEmptyTable())) << "stored with every byte inverted";
    EXPECT_EQ(ReadFile("settings.dat"),
              HeaderLines + Marker + "1\n1\n0\n1\n1\n" + Marker + "1\n71\n");
    EXPECT_FALSE(fs::exists(PathOf("highscores.dat.tmp")));
    EXPECT_FALSE(fs::exists(PathOf("settings.dat.tmp")));
}

TEST_F(DataFiles, RoundTripKeepsTheTableTheSettingsAndTheSoundSwitch) {
    ShellState saved;
    FillTable(saved);
    saved.sound = false;
    saved.game = {false, true, false, true, 0};
    SaveDataFiles(saved.Files());

    ShellState loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameTables(loaded, saved);
    EXPECT_FALSE(loaded.sound);
    EXPECT_FALSE(loaded.game.add);
    EXPECT_TRUE(loaded.game.subtract);
    EXPECT_FALSE(loaded.game.multiply);
    EXPECT_TRUE(loaded.game.divide);
    EXPECT_EQ(loaded.game.difficulty, 0);
}

TEST_F(DataFiles, LoadingLeavesTheFilesOnDiskAsTheyWere) {
    ShellState saved;
    FillTable(saved);
    SaveDataFiles(saved.Files());
    const std::string before = ReadFile("highscores.dat");
    ShellState loaded;
    LoadDataFiles(loaded.Files());
    EXPECT_EQ(ReadFile("highscores.dat"), before);
}

TEST_F(DataFiles, HighScoresWithoutTheirSettingsLoseOnlyTheScores) {
    ShellState saved;
    FillTable(saved);
    SaveDataFiles(saved.Files());
    fs::remove(PathOf("settings.dat"));

    ShellState loaded;
    LoadDataFiles(loaded.Files());
    ShellState expected;
    FillTable(expected);
    for (HighScoreEntry& entry : expected.table) {
        entry.score = 0;
    }
    ExpectSameTables(loaded, expected);
}

TEST_F(DataFiles, LengthCheckCatchesAddedBytesButNotAnEditedDigit) {
    ShellState saved;
    FillTable(saved);
    saved.table[4].score = 1000;
    SaveDataFiles(saved.Files());
    std::string plain = Inverted(ReadFile("highscores.dat"));
    const std::size_t digit = plain.rfind("1000\n");
    ASSERT_NE(digit, std::string::npos);
    plain[digit] = '7';
    WriteFile("highscores.dat", Inverted(plain));

    ShellState edited;
    LoadDataFiles(edited.Files());
    EXPECT_EQ(edited.table[4].score, 7000u) << "same length: the edit is loaded";

    WriteFile("highscores.dat", Inverted(plain + "0\n"));
    ShellState grown;
    LoadDataFiles(grown.Files());
    for (const HighScoreEntry& entry : grown.table) {
        EXPECT_EQ(entry.score, 0u);
    }
    EXPECT_EQ(grown.table[1].level, 8) << "levels and texts stay";
    EXPECT_EQ(grown.table[1].difficultyText, "Normal");
}

TEST_F(DataFiles, PlainFileLeftByACrashIsRecovered) {
    ShellState saved;
    FillTable(saved);
    SaveDataFiles(saved.Files());
    WriteFile("highscores.dat", Inverted(ReadFile("highscores.dat")));

    ShellState loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameTables(loaded, saved);
}

TEST_F(DataFiles, StaleTemporaryFilesAreOverwritten) {
    WriteFile("highscores.dat.tmp", std::string(500, 'x'));
    WriteFile("settings.dat.tmp", "junk");
    ShellState saved;
    FillTable(saved);
    SaveDataFiles(saved.Files());
    EXPECT_FALSE(fs::exists(PathOf("highscores.dat.tmp")));
    EXPECT_FALSE(fs::exists(PathOf("settings.dat.tmp")));

    ShellState loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameTables(loaded, saved);
}

TEST_F(DataFiles, FailedHighScoreSaveKeepsThePreviousTableLoadable) {
    ShellState first;
    FillTable(first);
    SaveDataFiles(first.Files());
    const std::string previous = ReadFile("highscores.dat");

    // The temporary file cannot be created, as on a full disk or a crash mid-write.
    fs::create_directory(PathOf("highscores.dat.tmp"));
    ShellState second;
    FillTable(second);
    second.table[0].modeText = "a longer mode text than before";
    second.sound = false;
    SaveDataFiles(second.Files());
    EXPECT_EQ(ReadFile("highscores.dat"), previous);

    ShellState loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameTables(loaded, first);
    EXPECT_FALSE(loaded.sound) << "the settings file was still written";
}

TEST_F(DataFiles, UnwritableSettingsStillLetTheHighScoresBeWritten) {
    fs::create_directory(PathOf("settings.dat"));
    ShellState saved;
    SaveDataFiles(saved.Files());
    EXPECT_TRUE(fs::is_directory(PathOf("settings.dat")));
    EXPECT_EQ(ReadFile("highscores.dat"), Inverted(PlainEmptyTable()));
}

TEST_F(DataFiles, MissingFolderWritesNothingAndKeepsWhatIsInMemory) {
    SetDataFolderForTests((folder / "absent").string() + "\\");
    ShellState state;
    FillTable(state);
    SaveDataFiles(state.Files());
    EXPECT_FALSE(fs::exists(folder / "absent"));
    LoadDataFiles(state.Files());
    ShellState expected;
    FillTable(expected);
    ExpectSameTables(state, expected);
}

TEST(DataBytes, SectionEndingEarlyKeepsTheGamesLaterDefaults) {
    ShellState state;
    std::string plain = PlainEmptyTable();
    plain.replace(plain.size() - 4, 1, "5"); // the last entry's score line; same length
    LoadDataBytes(HeaderLines + Marker + "0\n1\n" + Marker + "0\n71\n", Inverted(plain),
                  state.Files());
    EXPECT_FALSE(state.game.add);
    EXPECT_TRUE(state.game.subtract);
    EXPECT_TRUE(state.game.multiply);
    EXPECT_EQ(state.game.difficulty, 1);
    EXPECT_FALSE(state.sound);
    EXPECT_EQ(state.table[4].score, 5u) << "the length after the section still matches";
}

TEST(DataBytes, SectionWithOneExtraValueMisreadsTheSoundSwitchAndLength) {
    ShellState state;
    std::string plain = PlainEmptyTable();
    plain.replace(plain.size() - 4, 1, "5");
    // The extra value takes the closing marker's place; the marker reads as sound 0 and
    // the sound line as the length, which no longer matches.
    LoadDataBytes(HeaderLines + Marker + "0\n0\n0\n0\n2\n9\n" + Marker + "1\n71\n", Inverted(plain),
                  state.Files());
    EXPECT_FALSE(state.game.divide);
    EXPECT_EQ(state.game.difficulty, 2);
    EXPECT_FALSE(state.sound);
    EXPECT_EQ(state.table[4].score, 0u);
}

TEST(DataBytes, MissingMarkerKeepsSettingsSoundAndLengthAtTheirDefaults) {
    ShellState state;
    state.sound = false;
    LoadDataBytes(HeaderLines + "0\n0\n0\n0\n2\n" + Marker + "1\n71\n", Inverted(PlainEmptyTable()),
                  state.Files());
    EXPECT_TRUE(state.game.add);
    EXPECT_EQ(state.game.difficulty, 1);
    EXPECT_FALSE(state.sound);
}

TEST(DataBytes, SettingsWithoutTheGamesSectionHandlerStillReadTheirTail) {
    ShellState state;
    DataFileSet files = state.Files();
    files.serializeSettings = nullptr;
    state.sound = true;
    LoadDataBytes(HeaderLines + Marker + Marker + "0\n71\n", Inverted(PlainEmptyTable()), files);
    EXPECT_FALSE(state.sound);
    EXPECT_EQ(SettingsFileBytes(files, 71), HeaderLines + Marker + Marker + "0\n71\n");
}
