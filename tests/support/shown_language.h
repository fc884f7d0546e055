// Translations made in a test: the bytes of a compiled catalogue (the .mo format tools/po.py
// writes) from English and translated pairs in UTF-8, and a guard that shows a language while
// it lives and English again after, so a failed ASSERT leaves no language behind.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/translate.h"

using TextPairs = std::vector<std::pair<std::string, std::string>>;

// A little-endian .mo file of pairs; a key "context\x04english" carries a context.
inline std::string MoBytes(const TextPairs& pairs) {
    const auto count = static_cast<std::uint32_t>(pairs.size());
    std::string tables;
    std::string data;
    const std::uint32_t dataAt = 28 + 16 * count;
    auto word = [](std::string& out, std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            out += static_cast<char>((value >> shift) & 0xFF);
        }
    };
    std::string translations;
    for (int side = 0; side < 2; ++side) {
        for (const auto& pair : pairs) {
            const std::string& text = side == 0 ? pair.first : pair.second;
            word(side == 0 ? tables : translations, static_cast<std::uint32_t>(text.size()));
            word(side == 0 ? tables : translations,
                 dataAt + static_cast<std::uint32_t>(data.size()));
            data += text;
            data += '\0';
        }
    }
    std::string bytes;
    for (std::uint32_t value : {0x950412DEu, 0u, count, 28u, 28 + 8 * count, 0u, 0u}) {
        word(bytes, value);
    }
    return bytes + tables + translations + data;
}

// Shows language with a catalogue of pairs while the guard lives.
class ShownLanguageGuard {
  public:
    ShownLanguageGuard(const Language& language, const TextPairs& pairs) {
        ShowLanguageWith(language, Catalogue::FromMo(MoBytes(pairs), *language.page));
    }
    // Shows language from the program's own resources.
    explicit ShownLanguageGuard(const Language& language) { shown = ShowLanguage(language); }
    ~ShownLanguageGuard() { ShowLanguage(English()); }
    ShownLanguageGuard(const ShownLanguageGuard&) = delete;
    ShownLanguageGuard& operator=(const ShownLanguageGuard&) = delete;

    // Whether the resources held the language's catalogue.
    bool shown = true;
};
