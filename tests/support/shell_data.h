// What a shell and its game keep in the two data files, for the data-file tests: the
// table, the sound switch, and the game's section (four operation switches and the
// difficulty), with a filled example and comparisons that name what differs.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shell/data_files.h"

struct ShellData {
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

    bool SameTable(const ShellData& other) const {
        return std::equal(table, table + HighScoreCount, other.table,
                          [](const HighScoreEntry& a, const HighScoreEntry& b) {
                              return a.spareText == b.spareText && a.modeText == b.modeText &&
                                     a.difficultyText == b.difficultyText && a.score == b.score &&
                                     a.level == b.level;
                          });
    }
    bool SameSettings(const ShellData& other) const {
        return sound == other.sound && std::equal(ops, ops + 4, other.ops) &&
               difficulty == other.difficulty;
    }
};

// Five entries of every kind of text, a score above the int range, and settings that all
// differ from the defaults.
inline ShellData FilledShellData() {
    ShellData data;
    const char* difficulties[] = {"Hard", "Normal", "Easy", "Normal", "Hard"};
    for (int i = 0; i < HighScoreCount; ++i) {
        data.table[i] = {i == 2 ? "spare" : "", " +  x " + std::to_string(i), difficulties[i],
                         5000u - 1000u * static_cast<unsigned>(i), 9 - i};
    }
    data.table[0].score = 3000000000u; // stored as a negative line
    data.sound = false;
    data.ops[0] = false;
    data.difficulty = 0;
    return data;
}

inline void ExpectSameData(const ShellData& got, const ShellData& expected) {
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
