// libFuzzer target for window.dat: arbitrary bytes as the file (in the save folder or the
// fallback one, held by another program or not, beside a leftover temporary file), in an
// in-memory store, go through the load; then a placement is saved with a failure or power
// cut at a chosen step. Beyond the sanitizers it checks that a placement is taken exactly
// when the strict reader takes the file, and that after a faulted save the next load finds
// the placement loaded or the one saved, with no temporary file left.
// Input: flags (1 byte: bit 0 in the fallback folder, bit 1 held, bit 2 a temporary file,
// bit 3 a power cut rather than a failure), fault step (1, 255 for none), then the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/window_file.h"
#include "support/memory_file_store.h"

namespace {

const char SaveFolder[] = "C:\\users\\pupil\\Quickfigure\\";
const char FallbackFolder[] = "D:\\games\\quickfigure\\";
constexpr int NoFault = 255;
// Fault steps are taken modulo this, a little beyond the longest save.
constexpr int FaultSteps = 6;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "window file fuzzer: %s\n", what);
        std::abort();
    }
}

std::string WindowPath(const char* folder) {
    return std::string(folder) + "window.dat";
}

WindowPlacement Load(MemoryFileStore& store) {
    return LoadWindowPlacement(store, {SaveFolder, FallbackFolder});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int flags = data[0];
    const int faultStep = data[1];
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    MemoryFileStore store;
    store.folders = {SaveFolder, FallbackFolder};
    const std::string file = WindowPath((flags & 1) != 0 ? FallbackFolder : SaveFolder);
    store.files[file].bytes = bytes;
    if ((flags & 2) != 0) {
        store.locked.insert(file);
    }
    if ((flags & 4) != 0) {
        store.files[WindowPath(SaveFolder) + ".tmp"].bytes = "left over";
    }

    const WindowPlacement loaded = Load(store);
    WindowPlacement parsed;
    const bool whole =
        (flags & 2) == 0 && bytes.size() <= MaxWindowFileBytes && ReadWindowBytes(bytes, parsed);
    Require(loaded.known == whole, "a file taken or passed over against the strict reader");
    Require(!whole || WindowFileBytes(loaded) == bytes, "a whole file was not taken as it is");

    WindowPlacement moved = loaded;
    moved.known = true;
    moved.normal = {loaded.normal.left + 7, 3, loaded.normal.left + 700, 500};
    moved.fullScreen = !loaded.fullScreen;
    if (faultStep != NoFault) {
        ((flags & 8) != 0 ? store.crashStep : store.failStep) =
            store.steps + faultStep % FaultSteps;
    }
    SaveWindowPlacement(store, {SaveFolder, FallbackFolder}, moved);
    store.Restart();
    const WindowPlacement next = Load(store);
    Require(!next.known || WindowFileBytes(next) == WindowFileBytes(loaded) ||
                WindowFileBytes(next) == WindowFileBytes(moved),
            "after a faulted save the placement is neither the old one nor the new one");
    Require(!store.Has(WindowPath(SaveFolder) + ".tmp"), "a temporary file stayed");
    return 0;
}
