// libFuzzer target for language.dat: arbitrary bytes as the file (in the save folder or the
// fallback one, held by another program or not, beside a leftover temporary file), in an
// in-memory store, go through the load; then a language is saved with a failure or power
// cut at a chosen step. Beyond the sanitizers it checks that a language is taken exactly
// when the strict reader takes the file, that a language read back is the one written, and
// that after a faulted save the next load finds the language loaded or the one saved, with
// no temporary file left.
// Input: the head of fuzz/kept_file_fuzz.h, the index of the language saved (1 byte, modulo
// the choosable languages), then the file.
#include <cstdint>
#include <string>

#include "fuzz/kept_file_fuzz.h"
#include "shell/language_file.h"

namespace {

void Require(bool holds, const char* what) {
    RequireOf("language file fuzzer", holds, what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < KeptFileHeadBytes + 1) {
        return 0;
    }
    const Language& saved = ChoosableLanguages()[data[2] % ChoosableLanguageCount()];
    KeptFileCase input("language.dat", data, size, KeptFileHeadBytes + 1);
    MemoryFileStore& store = input.store;
    const std::string& bytes = input.bytes;

    const Language* loaded = LoadLanguageChoice(store, KeptFileCase::Folders());
    const Language* parsed = ReadLanguageBytes(bytes);
    const bool whole = !input.Held() && bytes.size() <= MaxLanguageFileBytes;
    Require(loaded == (whole ? parsed : nullptr),
            "a file taken or passed over against the strict reader");
    Require(parsed == nullptr || LanguageFileBytes(*parsed) == bytes,
            "a file taken is not the one a save writes");
    Require(ReadLanguageBytes(LanguageFileBytes(saved)) == &saved,
            "a language read back is not the one written");

    input.ArmFault();
    SaveLanguageChoice(store, KeptFileCase::Folders(), saved);
    store.Restart();
    const Language* next = LoadLanguageChoice(store, KeptFileCase::Folders());
    Require(next == loaded || next == &saved,
            "after a faulted save the language is neither the old one nor the new one");
    Require(!store.Has(input.TemporaryPath()), "a temporary file stayed");
    return 0;
}
