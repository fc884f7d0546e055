// Shared by the progress-file fuzzer and its seed maker: how one fuzz input is laid out.
// Head: progress.dat's length (2 bytes, little-endian), files (1: bit 0 a progress.dat,
// bit 1 a leftover temporary file, bit 2 the file in the fallback folder rather than the
// save folder, bit 3 the file held by another program), fault step (1, 255 for none),
// fault kind (1: even a failure, odd a power cut), fill (1: FillFacts to fill the
// history up to its fact bound after the load). Then progress.dat's bytes, then the
// session's plays, four bytes each (see ProgressPlay), at most MaxProgressPlays of them: a
// play costs a search of the history's facts, and a long session finds nothing more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One step of the session the fuzzer plays after the load. kind's low two bits pick the
// operation, bits 2 and 3 the verdict (0 right, 1 wrong, 2 skipped, 3 the game ends and
// the next begins); with bit 4 the operation is the raw byte a instead, with bit 5 the
// game number is b - 128 rather than the current game's; a wrong verdict with bit 6 is
// followed by the right answer. At a game's end, bit 0 steps the fluency threshold, bit 4
// earns a milestone from b and time, bit 5 numbers the game b - 128, bit 6 gives it facts
// chosen from the other bytes (and chooses them for the history when valid), bit 7 makes
// it calm. The operands are a - 128 and b;
// the answer time is time * 2400 ms, which reaches beyond the longest time kept.
struct ProgressPlay {
    std::uint8_t kind = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    std::uint8_t time = 0;
};

struct ProgressFuzzInput {
    std::string progressBytes;
    bool present = false;
    bool temporary = false;
    bool inFallback = false;
    bool locked = false;
    int faultStep = NoFault;
    bool crash = false;
    bool fill = false;
    std::vector<ProgressPlay> plays;

    static constexpr int NoFault = 255;
    static constexpr std::uint8_t FillFacts = 0xF5;
};

constexpr std::size_t ProgressFuzzHeadBytes = 6;
constexpr std::size_t ProgressPlayBytes = 4;
constexpr std::size_t MaxProgressPlays = 128;

inline ProgressFuzzInput DecodeProgressFuzzInput(const std::uint8_t* data, std::size_t size) {
    ProgressFuzzInput input;
    if (size < ProgressFuzzHeadBytes) {
        input.present = true;
        input.progressBytes.assign(reinterpret_cast<const char*>(data), size);
        return input;
    }
    std::size_t length = data[0] | (static_cast<std::size_t>(data[1]) << 8);
    const std::size_t left = size - ProgressFuzzHeadBytes;
    length = length < left ? length : left;
    input.present = (data[2] & 1) != 0;
    input.temporary = (data[2] & 2) != 0;
    input.inFallback = (data[2] & 4) != 0;
    input.locked = (data[2] & 8) != 0;
    input.faultStep = data[3];
    input.crash = (data[4] & 1) != 0;
    input.fill = data[5] == ProgressFuzzInput::FillFacts;
    const std::uint8_t* body = data + ProgressFuzzHeadBytes;
    input.progressBytes.assign(reinterpret_cast<const char*>(body), length);
    for (std::size_t at = length;
         at + ProgressPlayBytes <= left && input.plays.size() < MaxProgressPlays;
         at += ProgressPlayBytes) {
        input.plays.push_back({body[at], body[at + 1], body[at + 2], body[at + 3]});
    }
    return input;
}

inline std::string EncodeProgressFuzzInput(const ProgressFuzzInput& input) {
    const std::size_t length = input.progressBytes.size();
    std::string bytes;
    bytes += static_cast<char>(length & 0xFF);
    bytes += static_cast<char>((length >> 8) & 0xFF);
    bytes += static_cast<char>((input.present ? 1 : 0) | (input.temporary ? 2 : 0) |
                               (input.inFallback ? 4 : 0) | (input.locked ? 8 : 0));
    bytes += static_cast<char>(input.faultStep & 0xFF);
    bytes += static_cast<char>(input.crash ? 1 : 0);
    bytes += static_cast<char>(input.fill ? ProgressFuzzInput::FillFacts : 0);
    bytes += input.progressBytes;
    for (const ProgressPlay& play : input.plays) {
        bytes += static_cast<char>(play.kind);
        bytes += static_cast<char>(play.a);
        bytes += static_cast<char>(play.b);
        bytes += static_cast<char>(play.time);
    }
    return bytes;
}
