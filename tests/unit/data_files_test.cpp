// The two data files through the system's file store, each test in a fresh temporary
// folder: the exact bytes of a first save, a full round trip, the length check, damaged
// settings, a plain high-score file left by a crash, saves that fail or find a stale
// temporary file, files that cannot be read and files far too large to read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "shell/data_files.h"
#include "support/data_folder.h"
#include "support/shell_data.h"

namespace {

namespace fs = std::filesystem;

const std::string Marker = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\n";
const std::string HeaderLines = "11\nQuickfigure\n101\n0\n";
// Far beyond any data file the program writes.
constexpr std::uintmax_t HugeFileBytes = 100u << 20;

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

class DataFiles : public ::testing::Test {
  protected:
    DataFiles() : data(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    // A start: what is on disk into a fresh copy of the shell's data.
    ShellData Load() {
        ShellData loaded;
        DataFileState state;
        LoadDataFiles(loaded.Files(), state);
        return loaded;
    }
    // A whole session that ends with saved in memory: load at start, save at exit.
    void Session(ShellData saved) {
        ShellData scratch;
        DataFileState state;
        LoadDataFiles(scratch.Files(), state);
        SaveDataFiles(saved.Files(), state);
    }

    std::string ReadFile(const char* name) const {
        std::ifstream in(data.File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void WriteFile(const char* name, const std::string& bytes) const {
        std::ofstream(data.File(name), std::ios::binary) << bytes;
    }
    bool Exists(const char* name) const { return fs::exists(data.File(name)); }

    TemporaryDataFolder data;
};

} // namespace

TEST_F(DataFiles, FirstRunFindsNothingAndWritesTheExactBytesOfBothFiles) {
    ShellData state;
    state.ops[2] = false;
    DataFileState disk;
    LoadDataFiles(state.Files(), disk);
    EXPECT_TRUE(state.sound);
    EXPECT_TRUE(fs::is_empty(data.File(""))) << "nothing is created before the save";
    EXPECT_EQ(fs::path(DataFolderPath(disk)), data.File(""));

    SaveDataFiles(state.Files(), disk);
    EXPECT_EQ(ReadFile("highscores.dat"), Inverted(PlainTable())) << "71 bytes, inverted";
    EXPECT_EQ(ReadFile("settings.dat"),
              HeaderLines + Marker + "1\n1\n0\n1\n1\n" + Marker + "1\n71\n");
    EXPECT_FALSE(Exists("highscores.dat.tmp"));
    EXPECT_FALSE(Exists("settings.dat.tmp"));
}

TEST_F(DataFiles, RoundTripKeepsEverythingAndLeavesTheFilesAsWritten) {
    // Temporary files a crash left behind are cleared away at the start.
    WriteFile("highscores.dat.tmp", std::string(500, 'x'));
    WriteFile("settings.dat.tmp", "junk");
    const ShellData saved = FilledShellData();
    Session(saved);
    EXPECT_FALSE(Exists("highscores.dat.tmp"));
    EXPECT_FALSE(Exists("settings.dat.tmp"));
    const std::string written = ReadFile("highscores.dat");
    ExpectSameData(Load(), saved);
    EXPECT_EQ(ReadFile("highscores.dat"), written) << "loading never rewrites the file";
}

TEST_F(DataFiles, LengthCheckEmptiesScoresOnlyWhenTheLengthChanges) {
    Session(FilledShellData());
    std::string plain = Inverted(ReadFile("highscores.dat"));
    plain[plain.rfind("1000\n")] = '7';
    WriteFile("highscores.dat", Inverted(plain));
    EXPECT_EQ(Load().table[4].score, 7000u) << "same length: the edit is loaded";

    WriteFile("highscores.dat", Inverted(plain + "0\n"));
    ShellData expected = FilledShellData();
    for (HighScoreEntry& entry : expected.table) {
        entry.score = 0;
    }
    ExpectSameData(Load(), expected);

    fs::remove(data.File("settings.dat"));
    const ShellData withoutSettings = Load();
    EXPECT_EQ(withoutSettings.table[1].score, 0u);
    EXPECT_EQ(withoutSettings.table[1].level, 8);
}

TEST_F(DataFiles, PlainFileLeftByACrashIsRecovered) {
    const ShellData saved = FilledShellData();
    Session(saved);
    WriteFile("highscores.dat", Inverted(ReadFile("highscores.dat")));
    ExpectSameData(Load(), saved);
}

TEST_F(DataFiles, FailedHighScoreSaveKeepsThePreviousTableLoadable) {
    ShellData first = FilledShellData();
    Session(first);
    const std::string previous = ReadFile("highscores.dat");

    // The temporary file cannot be created, as on a full disk.
    fs::create_directory(data.File("highscores.dat.tmp"));
    ShellData second = FilledShellData();
    second.table[0].modeText = "a longer mode text than before";
    second.sound = true;
    Session(second);
    EXPECT_EQ(ReadFile("highscores.dat"), previous);

    first.sound = true; // the settings file was still written
    ExpectSameData(Load(), first);
}

TEST_F(DataFiles, BlockedSettingsTemporaryFileKeepsThePairAsItWas) {
    Session(FilledShellData());
    const std::string table = ReadFile("highscores.dat");
    const std::string settings = ReadFile("settings.dat");
    fs::create_directory(data.File("settings.dat.tmp"));
    ShellData longer = FilledShellData();
    longer.table[3].modeText = "a mode text that makes the table longer";
    Session(longer);
    EXPECT_EQ(ReadFile("highscores.dat"), table);
    EXPECT_EQ(ReadFile("settings.dat"), settings);
    EXPECT_FALSE(Exists("highscores.dat.tmp"));
    ExpectSameData(Load(), FilledShellData());

    fs::remove(data.File("settings.dat.tmp"));
    Session(longer);
    ExpectSameData(Load(), longer);
}

TEST_F(DataFiles, FilesThatCannotBeReadAreLeftAsTheyAre) {
    // A folder in a file's place reads as there but unreadable, as a locked file does.
    fs::create_directory(data.File("settings.dat"));
    Session(FilledShellData());
    EXPECT_TRUE(fs::is_directory(data.File("settings.dat")));
    EXPECT_FALSE(Exists("highscores.dat")) << "without the settings' length nothing is saved";
    fs::remove(data.File("settings.dat"));

    Session(FilledShellData());
    const std::string table = ReadFile("highscores.dat");
    fs::rename(data.File("highscores.dat"), data.File("moved"));
    fs::create_directory(data.File("highscores.dat"));
    ShellData changed = FilledShellData();
    changed.table[0].modeText = "a longer mode text than before";
    changed.sound = true;
    Session(changed);
    fs::remove(data.File("highscores.dat"));
    fs::rename(data.File("moved"), data.File("highscores.dat"));
    ShellData expected = FilledShellData();
    expected.sound = true; // the settings were saved alone, with the length read at start
    ExpectSameData(Load(), expected);
    EXPECT_EQ(ReadFile("highscores.dat"), table);
}

TEST_F(DataFiles, HugeFilesDoNotStopTheStartAndAreReplaced) {
    WriteFile("settings.dat", HeaderLines);
    WriteFile("highscores.dat", Inverted(PlainTable('5')));
    fs::resize_file(data.File("settings.dat"), HugeFileBytes);
    fs::resize_file(data.File("highscores.dat"), HugeFileBytes);
    ShellData loaded;
    loaded.sound = false;
    DataFileState disk;
    LoadDataFiles(loaded.Files(), disk);
    ShellData expected;
    expected.sound = false; // damaged settings keep what is in memory
    ExpectSameData(loaded, expected);

    SaveDataFiles(loaded.Files(), disk);
    EXPECT_EQ(ReadFile("highscores.dat"), Inverted(PlainTable()));
    ExpectSameData(Load(), expected);
}

TEST_F(DataFiles, AFolderThatDoesNotExistIsNotCreatedNorWritten) {
    SetDataFolderForTests(data.File("absent").string() + "\\");
    ShellData kept = FilledShellData();
    Session(kept);
    DataFileState disk;
    LoadDataFiles(kept.Files(), disk);
    EXPECT_FALSE(Exists("absent"));
    ExpectSameData(kept, FilledShellData());
}

TEST(DataBytes, SectionEndingEarlyKeepsTheGamesLaterDefaults) {
    ShellData state;
    LoadDataBytes(HeaderLines + Marker + "0\n1\n" + Marker + "0\n71\n", Inverted(PlainTable('5')),
                  state.Files());
    ShellData expected;
    expected.ops[0] = false;
    expected.sound = false;
    expected.table[4].score = 5; // the length after the section still matches
    ExpectSameData(state, expected);
}

TEST(DataBytes, SectionWithOneExtraValueMisreadsTheSoundSwitchAndLength) {
    // The extra value takes the closing marker's place; the marker reads as sound 0 and the
    // sound line as the length, which no longer matches.
    ShellData state;
    LoadDataBytes(HeaderLines + Marker + "0\n0\n0\n0\n2\n9\n" + Marker + "1\n71\n",
                  Inverted(PlainTable('5')), state.Files());
    ShellData expected;
    std::fill(expected.ops, expected.ops + 4, false);
    expected.difficulty = 2;
    expected.sound = false;
    ExpectSameData(state, expected);
}

TEST(DataBytes, MissingMarkerKeepsSettingsSoundAndLength) {
    ShellData state;
    state.sound = false;
    LoadDataBytes(HeaderLines + "0\n0\n0\n0\n2\n" + Marker + "1\n71\n", Inverted(PlainTable('5')),
                  state.Files());
    ShellData expected;
    expected.sound = false;
    ExpectSameData(state, expected); // length 0 against 71: the score is dropped
}
