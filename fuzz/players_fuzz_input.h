// Shared by the players-file fuzzer and its seed maker: how one fuzz input is laid out.
// Head: files (1: bit 0 a players.dat, bit 1 a leftover temporary file, bit 2 the file in
// the fallback folder rather than the save folder, bit 3 the file held by another
// program), the player folders holding a file (1: bit i for PlayerFolderChoices[i]), the
// fault step (1, 255 for none), the fault kind (1: even a failure, odd a power cut). Then
// players.dat's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/player_roster.h"

// Folders a player's file may be found in: the data folder itself, low and high numbers.
constexpr int PlayerFolderChoices[] = {0, 1, 2, 7, 39, 40, MaxPlayerFolder, MaxPlayerFolder + 1};

struct PlayersFuzzInput {
    std::string playersBytes;
    bool present = false;
    bool temporary = false;
    bool inFallback = false;
    bool locked = false;
    std::uint8_t folders = 0;
    int faultStep = NoFault;
    bool crash = false;

    static constexpr int NoFault = 255;
};

constexpr std::size_t PlayersFuzzHeadBytes = 4;

inline PlayersFuzzInput DecodePlayersFuzzInput(const std::uint8_t* data, std::size_t size) {
    PlayersFuzzInput input;
    if (size < PlayersFuzzHeadBytes) {
        input.present = true;
        input.playersBytes.assign(reinterpret_cast<const char*>(data), size);
        return input;
    }
    input.present = (data[0] & 1) != 0;
    input.temporary = (data[0] & 2) != 0;
    input.inFallback = (data[0] & 4) != 0;
    input.locked = (data[0] & 8) != 0;
    input.folders = data[1];
    input.faultStep = data[2];
    input.crash = (data[3] & 1) != 0;
    input.playersBytes.assign(reinterpret_cast<const char*>(data + PlayersFuzzHeadBytes),
                              size - PlayersFuzzHeadBytes);
    return input;
}

inline std::string EncodePlayersFuzzInput(const PlayersFuzzInput& input) {
    std::string bytes;
    bytes += static_cast<char>((input.present ? 1 : 0) | (input.temporary ? 2 : 0) |
                               (input.inFallback ? 4 : 0) | (input.locked ? 8 : 0));
    bytes += static_cast<char>(input.folders);
    bytes += static_cast<char>(input.faultStep & 0xFF);
    bytes += static_cast<char>(input.crash ? 1 : 0);
    return bytes + input.playersBytes;
}
