// The two data files, each test in a fresh temporary folder: the exact bytes of a first
// save, a full round trip, the length check, damaged settings, a plain high-score file left
// by a crash, and saves that fail or find a stale temporary file.
#include <gtest/gtest.h>

#include <algorithm>
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

// The plain high-score file of an empty table, with the last entry's score line set.
std::string PlainTable(char lastScore = '0') {
    std::string bytes = HeaderLines;
    for (int line = 0; line < HighScoreCount * 5; ++line) {
        bytes += "0\n";
    }
    bytes[bytes.size() - 4] = lastScore;
    return bytes;
}

// What the shell and its game keep in the files: the game transfers four operation
// switches and the chosen difficulty.
struct State {
    HighScoreEntry table[HighScoreCount];
    bool sound = true;
    bool ops[4] = {true, true, true, true};
    int difficulty = 1;

    DataFileSet Files() {
        DataFileSet files{"Quickfigure", 101, table, &sound, nullptr};
        files.serializeSettings = [this](DataArchive& archive) {
            for (bool& op : ops) {
                archive.TransferBool(op);
            }
            archive.TransferInt(difficulty);
        };
        return files;
    }
};

State FilledState() {
    State state;
    const char* difficulties[] = {"Hard", "Normal", "Easy", "Normal", "Hard"};
    for (int i = 0; i < HighScoreCount; ++i) {
        state.table[i] = {i == 2 ? "spare" : "", " +  x " + std::to_string(i), difficulties[i],
                          5000u - 1000u * static_cast<unsigned>(i), 9 - i};
    }
    state.table[0].score = 3000000000u; // above the int range: stored as a negative line
    state.sound = false;
    state.ops[0] = false;
    state.difficulty = 0;
    return state;
}

void ExpectSameState(const State& got, const State& expected) {
    for (int i = 0; i < HighScoreCount; ++i) {
        EXPECT_EQ(got.table[i].spareText, expected.table[i].spareText) << "entry " << i;
        EXPECT_EQ(got.table[i].modeText, expected.table[i].modeText) << "entry " << i;
        EXPECT_EQ(got.table[i].difficultyText, expected.table[i].difficultyText) << "entry " << i;
        EXPECT_EQ(got.table[i].score, expected.table[i].score) << "entry " << i;
        EXPECT_EQ(got.table[i].level, expected.table[i].level) << "entry " << i;
    }
    EXPECT_EQ(got.sound, expected.sound);
    EXPECT_TRUE(std::equal(got.ops, got.ops + 4, expected.ops));
    EXPECT_EQ(got.difficulty, expected.difficulty);
}

class DataFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("quickfigure-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        ASSERT_TRUE(fs::create_directories(folder));
        SetDataFolderForTests(folder.string() + "\\");
    }
    void TearDown() override {
        SetDataFolderForTests(std::string());
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string ReadFile(const char* name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteFile(const char* name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }

    fs::path folder;
};

} // namespace

TEST_F(DataFiles, FirstRunFindsNothingAndWritesTheExactBytesOfBothFiles) {
    State state;
    state.ops[2] = false;
    LoadDataFiles(state.Files());
    EXPECT_TRUE(state.sound);
    EXPECT_TRUE(fs::is_empty(folder)) << "nothing is created before the save";

    SaveDataFiles(state.Files());
    EXPECT_EQ(ReadFile("highscores.dat"), Inverted(PlainTable())) << "71 bytes, inverted";
    EXPECT_EQ(ReadFile("settings.dat"),
              HeaderLines + Marker + "1\n1\n0\n1\n1\n" + Marker + "1\n71\n");
    EXPECT_FALSE(fs::exists(folder / "highscores.dat.tmp"));
}

TEST_F(DataFiles, RoundTripKeepsEverythingAndLeavesTheFilesAsWritten) {
    // Temporary files a crash left behind are simply overwritten.
    WriteFile("highscores.dat.tmp", std::string(500, 'x'));
    WriteFile("settings.dat.tmp", "junk");
    State saved = FilledState();
    SaveDataFiles(saved.Files());
    EXPECT_FALSE(fs::exists(folder / "highscores.dat.tmp"));
    EXPECT_FALSE(fs::exists(folder / "settings.dat.tmp"));
    const std::string written = ReadFile("highscores.dat");
    State loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameState(loaded, saved);
    EXPECT_EQ(ReadFile("highscores.dat"), written) << "loading never rewrites the file";
}

TEST_F(DataFiles, LengthCheckEmptiesScoresOnlyWhenTheLengthChanges) {
    State saved = FilledState();
    SaveDataFiles(saved.Files());
    std::string plain = Inverted(ReadFile("highscores.dat"));
    plain[plain.rfind("1000\n")] = '7';
    WriteFile("highscores.dat", Inverted(plain));
    State edited;
    LoadDataFiles(edited.Files());
    EXPECT_EQ(edited.table[4].score, 7000u) << "same length: the edit is loaded";

    WriteFile("highscores.dat", Inverted(plain + "0\n"));
    State grown;
    LoadDataFiles(grown.Files());
    State expected = FilledState();
    for (HighScoreEntry& entry : expected.table) {
        entry.score = 0;
    }
    ExpectSameState(grown, expected);

    fs::remove(folder / "settings.dat");
    State withoutSettings;
    LoadDataFiles(withoutSettings.Files());
    EXPECT_EQ(withoutSettings.table[1].score, 0u);
    EXPECT_EQ(withoutSettings.table[1].level, 8);
}

TEST_F(DataFiles, PlainFileLeftByACrashIsRecovered) {
    State saved = FilledState();
    SaveDataFiles(saved.Files());
    WriteFile("highscores.dat", Inverted(ReadFile("highscores.dat")));
    State loaded;
    LoadDataFiles(loaded.Files());
    ExpectSameState(loaded, saved);
}

TEST_F(DataFiles, FailedHighScoreSaveKeepsThePreviousTableLoadable) {
    State first = FilledState();
    SaveDataFiles(first.Files());
    const std::string previous = ReadFile("highscores.dat");

    // The temporary file cannot be created, as on a full disk or a crash mid-write.
    fs::create_directory(folder / "highscores.dat.tmp");
    State second = FilledState();
    second.table[0].modeText = "a longer mode text than before";
    second.sound = true;
    SaveDataFiles(second.Files());
    EXPECT_EQ(ReadFile("highscores.dat"), previous);

    State loaded;
    LoadDataFiles(loaded.Files());
    first.sound = true; // the settings file was still written
    ExpectSameState(loaded, first);
}

TEST_F(DataFiles, UnwritableFilesAreSkippedAndTheOtherIsStillWritten) {
    fs::create_directory(folder / "settings.dat");
    State state;
    SaveDataFiles(state.Files());
    EXPECT_TRUE(fs::is_directory(folder / "settings.dat"));
    EXPECT_EQ(ReadFile("highscores.dat"), Inverted(PlainTable()));

    SetDataFolderForTests((folder / "absent").string() + "\\");
    State kept = FilledState();
    SaveDataFiles(kept.Files());
    LoadDataFiles(kept.Files());
    EXPECT_FALSE(fs::exists(folder / "absent"));
    ExpectSameState(kept, FilledState());
}

TEST(DataBytes, SectionEndingEarlyKeepsTheGamesLaterDefaults) {
    State state;
    LoadDataBytes(HeaderLines + Marker + "0\n1\n" + Marker + "0\n71\n", Inverted(PlainTable('5')),
                  state.Files());
    State expected;
    expected.ops[0] = false;
    expected.sound = false;
    expected.table[4].score = 5; // the length after the section still matches
    ExpectSameState(state, expected);
}

TEST(DataBytes, SectionWithOneExtraValueMisreadsTheSoundSwitchAndLength) {
    // The extra value takes the closing marker's place; the marker reads as sound 0 and the
    // sound line as the length, which no longer matches.
    State state;
    LoadDataBytes(HeaderLines + Marker + "0\n0\n0\n0\n2\n9\n" + Marker + "1\n71\n",
                  Inverted(PlainTable('5')), state.Files());
    State expected;
    std::fill(expected.ops, expected.ops + 4, false);
    expected.difficulty = 2;
    expected.sound = false;
    ExpectSameState(state, expected);
}

TEST(DataBytes, MissingMarkerKeepsSettingsSoundAndLength) {
    State state;
    state.sound = false;
    LoadDataBytes(HeaderLines + "0\n0\n0\n0\n2\n" + Marker + "1\n71\n", Inverted(PlainTable('5')),
                  state.Files());
    State expected;
    expected.sound = false;
    ExpectSameState(state, expected); // length 0 against 71: the score is dropped
}
