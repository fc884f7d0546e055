// Shared by the fuzzers of the small files kept beside the data files (window.dat,
// language.dat): the two folders, the input's head and the in-memory store it sets up.
// Head: flags (1 byte: bit 0 the file in the fallback folder, bit 1 held by another program,
// bit 2 a leftover temporary file, bit 3 a power cut rather than a failure), then the save's
// fault step (1, 255 for none).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/kept_files.h"
#include "support/memory_file_store.h"

constexpr std::size_t KeptFileHeadBytes = 2;

struct KeptFileCase {
    static constexpr const char* SaveFolder = "C:\\users\\pupil\\Quickfigure\\";
    static constexpr const char* FallbackFolder = "D:\\games\\quickfigure\\";
    static constexpr int NoFault = 255;
    // Fault steps are taken modulo this, a little beyond the longest save.
    static constexpr int FaultSteps = 6;

    // Reads the head, then puts the file's bytes in the store where the flags say.
    KeptFileCase(const char* fileName, const std::uint8_t* data, std::size_t size,
                 std::size_t fileAt)
        : name(fileName), flags(data[0]), faultStep(data[1]),
          bytes(reinterpret_cast<const char*>(data + fileAt), size - fileAt) {
        store.folders = {SaveFolder, FallbackFolder};
        const std::string file = PathIn((flags & 1) != 0 ? FallbackFolder : SaveFolder);
        store.files[file].bytes = bytes;
        if (Held()) {
            store.locked.insert(file);
        }
        if ((flags & 4) != 0) {
            store.files[TemporaryPath()].bytes = "left over";
        }
    }

    static DataFolders Folders() { return {SaveFolder, FallbackFolder}; }
    std::string PathIn(const char* folder) const { return std::string(folder) + name; }
    std::string TemporaryPath() const { return PathIn(SaveFolder) + ".tmp"; }
    bool Held() const { return (flags & 2) != 0; }

    // Makes the next save fail, or the power go, at the step the head asks for.
    void ArmFault() {
        if (faultStep != NoFault) {
            ((flags & 8) != 0 ? store.crashStep : store.failStep) =
                store.steps + faultStep % FaultSteps;
        }
    }

    const char* name;
    int flags;
    int faultStep;
    std::string bytes;
    MemoryFileStore store;
};

// Stops the run with what failed, named after the fuzzer.
inline void RequireOf(const char* fuzzer, bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s: %s\n", fuzzer, what);
        std::abort();
    }
}
