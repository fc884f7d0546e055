// libFuzzer target for window.dat: arbitrary bytes as the file (in the save folder or the
// fallback one, held by another program or not, beside a leftover temporary file), in an
// in-memory store, go through the load; then a placement is saved with a failure or power
// cut at a chosen step. Beyond the sanitizers it checks that a placement is taken exactly
// when the strict reader takes the file, and that after a faulted save the next load finds
// the placement loaded or the one saved, with no temporary file left.
// Input: the head of fuzz/kept_file_fuzz.h, then the file.
#include <cstdint>
#include <string>

#include "fuzz/kept_file_fuzz.h"
#include "shell/window_file.h"

namespace {

void Require(bool holds, const char* what) {
    RequireOf("window file fuzzer", holds, what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < KeptFileHeadBytes) {
        return 0;
    }
    KeptFileCase input("window.dat", data, size, KeptFileHeadBytes);
    MemoryFileStore& store = input.store;
    const std::string& bytes = input.bytes;

    const WindowPlacement loaded = LoadWindowPlacement(store, KeptFileCase::Folders());
    WindowPlacement parsed;
    const bool whole =
        !input.Held() && bytes.size() <= MaxWindowFileBytes && ReadWindowBytes(bytes, parsed);
    Require(loaded.known == whole, "a file taken or passed over against the strict reader");
    Require(!whole || WindowFileBytes(loaded) == bytes, "a whole file was not taken as it is");

    WindowPlacement moved = loaded;
    moved.known = true;
    moved.normal = {loaded.normal.left + 7, 3, loaded.normal.left + 700, 500};
    moved.fullScreen = !loaded.fullScreen;
    input.ArmFault();
    SaveWindowPlacement(store, KeptFileCase::Folders(), moved);
    store.Restart();
    const WindowPlacement next = LoadWindowPlacement(store, KeptFileCase::Folders());
    Require(!next.known || WindowFileBytes(next) == WindowFileBytes(loaded) ||
                WindowFileBytes(next) == WindowFileBytes(moved),
            "after a faulted save the placement is neither the old one nor the new one");
    Require(!store.Has(input.TemporaryPath()), "a temporary file stayed");
    return 0;
}
