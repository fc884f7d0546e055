// Catalogue: one language's translations of the program's shown texts, read from a compiled
// gettext catalogue (the .mo format msgfmt writes, little- or big-endian) whose texts are
// UTF-8. Each English text, with its context when it has one, maps to its translation in the
// language's code page. The bytes come from the program's own resources, but are read as
// untrusted all the same: a damaged catalogue gives an empty one, never a crash.
#pragma once

#include <string>
#include <unordered_map>

#include "text/code_page.h"

class Catalogue {
  public:
    // An empty catalogue when bytes are not a whole, well-formed .mo file. Entries without a
    // translation, and the header entry, are left out.
    static Catalogue FromMo(const std::string& bytes, const CodePage& page);

    // The translation of english in context (null or "" for none), or null when there is none.
    const char* Find(const char* context, const char* english) const;
    bool Empty() const { return entries.empty(); }
    std::size_t Size() const { return entries.size(); }

  private:
    // Keyed as gettext keys them: "context\x04english", or the English text alone. Both the
    // keys and the translations are in the code page's bytes.
    std::unordered_map<std::string, std::string> entries;
};
