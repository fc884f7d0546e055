// libFuzzer target for language.dat: arbitrary bytes as the file (in the save folder or the
// fallback one, held by another program or not, beside a leftover temporary file), in an
// in-memory store, go through the load; then a language is saved with a failure or power
// cut at a chosen step. Beyond the sanitizers it checks that a language is taken exactly
// when the strict reader takes the file, that a language read back is the one written, and
// that after a faulted save the next load finds the language loaded or the one saved, with
// no temporary file left.
// Input: flags (1 byte: bit 0 in the fallback folder, bit 1 held, bit 2 a temporary file,
// bit 3 a power cut rather than a failure), fault step (1, 255 for none), the index of the
// language saved (1, modulo the choosable languages), then the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/language_file.h"
#include "support/memory_file_store.h"

namespace {

const char SaveFolder[] = "C:\\users\\pupil\\Quickfigure\\";
const char FallbackFolder[] = "D:\\games\\quickfigure\\";
constexpr int NoFault = 255;
// Fault steps are taken modulo this, a little beyond the longest save.
constexpr int FaultSteps = 6;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "language file fuzzer: %s\n", what);
        std::abort();
    }
}

std::string LanguagePath(const char* folder) {
    return std::string(folder) + "language.dat";
}

const Language* Load(MemoryFileStore& store) {
    return LoadLanguageChoice(store, {SaveFolder, FallbackFolder});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int flags = data[0];
    const int faultStep = data[1];
    const Language& saved = ChoosableLanguages()[data[2] % ChoosableLanguageCount()];
    const std::string bytes(reinterpret_cast<const char*>(data + 3), size - 3);
    MemoryFileStore store;
    store.folders = {SaveFolder, FallbackFolder};
    const std::string file = LanguagePath((flags & 1) != 0 ? FallbackFolder : SaveFolder);
    store.files[file].bytes = bytes;
    if ((flags & 2) != 0) {
        store.locked.insert(file);
    }
    if ((flags & 4) != 0) {
        store.files[LanguagePath(SaveFolder) + ".tmp"].bytes = "left over";
    }

    const Language* loaded = Load(store);
    const Language* parsed = ReadLanguageBytes(bytes);
    const bool whole = (flags & 2) == 0 && bytes.size() <= MaxLanguageFileBytes;
    Require(loaded == (whole ? parsed : nullptr),
            "a file taken or passed over against the strict reader");
    Require(parsed == nullptr || LanguageFileBytes(*parsed) == bytes,
            "a file taken is not the one a save writes");
    Require(ReadLanguageBytes(LanguageFileBytes(saved)) == &saved,
            "a language read back is not the one written");

    if (faultStep != NoFault) {
        ((flags & 8) != 0 ? store.crashStep : store.failStep) =
            store.steps + faultStep % FaultSteps;
    }
    SaveLanguageChoice(store, {SaveFolder, FallbackFolder}, saved);
    store.Restart();
    const Language* next = Load(store);
    Require(next == loaded || next == &saved,
            "after a faulted save the language is neither the old one nor the new one");
    Require(!store.Has(LanguagePath(SaveFolder) + ".tmp"), "a temporary file stayed");
    return 0;
}
