// Shared by the data-file fuzzer and its seed maker: how one fuzz input is laid out
// (a small fixed head, then the settings bytes, the settings temporary file's bytes and
// the high-score bytes) and the state a shell and its game keep in the two files.
// Head: settings length (2 bytes, little-endian), settings temporary length (2), score
// (4), level (1), difficulty (1, signed), mode choice (1), files (1: bit 0 a settings
// temporary file, bit 1 a high-score one), fault step (1, 255 for none), fault kind (1:
// even a failure, odd a power cut).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/data_files.h"

struct FuzzInput {
    std::string settingsBytes;
    std::string highScoreBytes;
    std::string settingsTempBytes;
    bool settingsTemp = false;
    bool highScoreTemp = false;
    std::uint32_t score = 0;
    int level = 0;
    int difficulty = 0;
    int modeChoice = 0;
    int faultStep = NoFault;
    bool crash = false;

    static constexpr int NoFault = 255;
};

constexpr std::size_t FuzzHeadBytes = 14;

inline std::size_t TakeLength(const std::uint8_t* data, std::size_t at, std::size_t left) {
    const std::size_t length = data[at] | (static_cast<std::size_t>(data[at + 1]) << 8);
    return length < left ? length : left;
}

inline FuzzInput DecodeFuzzInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input;
    if (size < FuzzHeadBytes) {
        input.highScoreBytes.assign(reinterpret_cast<const char*>(data), size);
        return input;
    }
    input.score = static_cast<std::uint32_t>(data[4]) | (static_cast<std::uint32_t>(data[5]) << 8) |
                  (static_cast<std::uint32_t>(data[6]) << 16) |
                  (static_cast<std::uint32_t>(data[7]) << 24);
    input.level = data[8];
    input.difficulty = static_cast<int>(data[9]) - 128;
    input.modeChoice = data[10];
    input.settingsTemp = (data[11] & 1) != 0;
    input.highScoreTemp = (data[11] & 2) != 0;
    input.faultStep = data[12];
    input.crash = (data[13] & 1) != 0;
    const char* body = reinterpret_cast<const char*>(data + FuzzHeadBytes);
    std::size_t left = size - FuzzHeadBytes;
    const std::size_t settingsLength = TakeLength(data, 0, left);
    input.settingsBytes.assign(body, settingsLength);
    body += settingsLength;
    left -= settingsLength;
    const std::size_t tempLength = TakeLength(data, 2, left);
    input.settingsTempBytes.assign(body, tempLength);
    input.highScoreBytes.assign(body + tempLength, left - tempLength);
    return input;
}

inline void AppendLength(std::string& bytes, std::size_t length) {
    bytes += static_cast<char>(length & 0xFF);
    bytes += static_cast<char>((length >> 8) & 0xFF);
}

inline std::string EncodeFuzzInput(const FuzzInput& input) {
    std::string bytes;
    AppendLength(bytes, input.settingsBytes.size());
    AppendLength(bytes, input.settingsTempBytes.size());
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((input.score >> shift) & 0xFF);
    }
    bytes += static_cast<char>(input.level & 0xFF);
    bytes += static_cast<char>((input.difficulty + 128) & 0xFF);
    bytes += static_cast<char>(input.modeChoice & 0xFF);
    bytes += static_cast<char>((input.settingsTemp ? 1 : 0) | (input.highScoreTemp ? 2 : 0));
    bytes += static_cast<char>(input.faultStep & 0xFF);
    bytes += static_cast<char>(input.crash ? 1 : 0);
    return bytes + input.settingsBytes + input.settingsTempBytes + input.highScoreBytes;
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

inline bool SameTable(const FuzzShellState& a, const FuzzShellState& b) {
    for (int i = 0; i < HighScoreCount; ++i) {
        if (!SameEntry(a.table[i], b.table[i])) {
            return false;
        }
    }
    return true;
}

inline bool SameSettings(const FuzzShellState& a, const FuzzShellState& b) {
    return a.sound == b.sound && a.game.add == b.game.add && a.game.subtract == b.game.subtract &&
           a.game.multiply == b.game.multiply && a.game.divide == b.game.divide &&
           a.game.difficulty == b.game.difficulty;
}

inline bool SameState(const FuzzShellState& a, const FuzzShellState& b) {
    return SameTable(a, b) && SameSettings(a, b);
}
