// Shared by the data-file fuzzer and its seed maker: how one fuzz input is laid out
// (a small fixed head, then the settings bytes, then the high-score bytes) and the state
// a shell and its game keep in the two files.
// Head: settings length (2 bytes, little-endian), score (4), level (1), difficulty (1,
// signed), mode choice (1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/data_files.h"

struct FuzzInput {
    std::string settingsBytes;
    std::string highScoreBytes;
    std::uint32_t score = 0;
    int level = 0;
    int difficulty = 0;
    int modeChoice = 0;
};

constexpr std::size_t FuzzHeadBytes = 9;

inline FuzzInput DecodeFuzzInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input;
    if (size < FuzzHeadBytes) {
        input.highScoreBytes.assign(reinterpret_cast<const char*>(data), size);
        return input;
    }
    const std::size_t settingsLength = data[0] | (static_cast<std::size_t>(data[1]) << 8);
    input.score = static_cast<std::uint32_t>(data[2]) | (static_cast<std::uint32_t>(data[3]) << 8) |
                  (static_cast<std::uint32_t>(data[4]) << 16) |
                  (static_cast<std::uint32_t>(data[5]) << 24);
    input.level = data[6];
    input.difficulty = static_cast<int>(data[7]) - 128;
    input.modeChoice = data[8];
    const char* body = reinterpret_cast<const char*>(data + FuzzHeadBytes);
    const std::size_t bodySize = size - FuzzHeadBytes;
    const std::size_t split = settingsLength < bodySize ? settingsLength : bodySize;
    input.settingsBytes.assign(body, split);
    input.highScoreBytes.assign(body + split, bodySize - split);
    return input;
}

inline std::string EncodeFuzzInput(const FuzzInput& input) {
    std::string bytes;
    const std::size_t length = input.settingsBytes.size();
    bytes += static_cast<char>(length & 0xFF);
    bytes += static_cast<char>((length >> 8) & 0xFF);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((input.score >> shift) & 0xFF);
    }
    bytes += static_cast<char>(input.level & 0xFF);
    bytes += static_cast<char>((input.difficulty + 128) & 0xFF);
    bytes += static_cast<char>(input.modeChoice & 0xFF);
    return bytes + input.settingsBytes + input.highScoreBytes;
}

// The game's settings as it transfers them: four operation switches, then the difficulty.
struct FuzzGameSettings {
    bool add = true;
    bool subtract = true;
    bool multiply = true;
    bool divide = true;
    int difficulty = 1;
};

struct FuzzShellState {
    HighScoreEntry table[HighScoreCount];
    bool sound = true;
    FuzzGameSettings game;
};

inline DataFileSet FilesOf(FuzzShellState& state) {
    DataFileSet files;
    files.header = "Quickfigure";
    files.version = 101;
    files.highScores = state.table;
    files.soundEnabled = &state.sound;
    FuzzGameSettings* game = &state.game;
    files.serializeSettings = [game](DataArchive& archive) {
        archive.TransferBool(game->add);
        archive.TransferBool(game->subtract);
        archive.TransferBool(game->multiply);
        archive.TransferBool(game->divide);
        archive.TransferInt(game->difficulty);
    };
    return files;
}

inline bool SameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return a.spareText == b.spareText && a.modeText == b.modeText &&
           a.difficultyText == b.difficultyText && a.score == b.score && a.level == b.level;
}

inline bool SameState(const FuzzShellState& a, const FuzzShellState& b) {
    for (int i = 0; i < HighScoreCount; ++i) {
        if (!SameEntry(a.table[i], b.table[i])) {
            return false;
        }
    }
    return a.sound == b.sound && a.game.add == b.game.add && a.game.subtract == b.game.subtract &&
           a.game.multiply == b.game.multiply && a.game.divide == b.game.divide &&
           a.game.difficulty == b.game.difficulty;
}
