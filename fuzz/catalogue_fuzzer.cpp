// libFuzzer target for the compiled catalogues: arbitrary bytes read as a .mo file in
// Windows-1252, then looked up with texts cut from the input. Beyond the sanitizers it checks
// that the turn from UTF-8 never lengthens a text (each character becomes at most one byte)
// and that a text found is found again the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/catalogue.h"

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "catalogue fuzzer: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Catalogue catalogue = Catalogue::FromMo(bytes, Windows1252());
    Require(FromUtf8(bytes, Windows1252()).size() <= bytes.size(), "UTF-8 grew longer");
    // Texts of the file itself are the likeliest keys: every zero-ended run after the header.
    for (std::size_t at = 28; at < size; at += std::strlen(bytes.c_str() + at) + 1) {
        const std::string key = FromUtf8(bytes.c_str() + at, Windows1252());
        const char* found = catalogue.Find(nullptr, key.c_str());
        if (found != nullptr) {
            const std::string first = found;
            Require(first == catalogue.Find(nullptr, key.c_str()),
                    "a text changed when found again");
        }
    }
    return 0;
}
