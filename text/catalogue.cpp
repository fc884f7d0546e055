// Reading a .mo file: the magic number tells the byte order, then two tables of (length,
// offset) pairs, one for the English texts and one for their translations. Every length and
// offset is checked against the file before it is used.
#include "text/catalogue.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t MoMagic = 0x950412DE;
constexpr std::size_t HeaderSize = 28;
constexpr char ContextSeparator = '\x04';

class MoReader {
  public:
    explicit MoReader(const std::string& source) : bytes(source) {}

    // Reads the byte order and the table positions; false for anything not a .mo file.
    bool ReadHeader();
    std::uint32_t Count() const { return count; }
    // The i-th English text (isTranslation false) or translation, as it is stored; false when
    // its place lies outside the file or it has no terminating zero.
    bool Text(std::uint32_t i, bool isTranslation, std::string& out) const;

  private:
    bool Word(std::size_t offset, std::uint32_t& out) const;

    const std::string& bytes;
    bool swapped = false;
    std::uint32_t count = 0;
    std::uint32_t originals = 0;
    std::uint32_t translations = 0;
};

bool MoReader::Word(std::size_t offset, std::uint32_t& out) const {
    if (offset > bytes.size() || bytes.size() - offset < 4) {
        return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
    out = swapped ? (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                        (std::uint32_t{p[2]} << 8) | p[3]
                  : (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) |
                        (std::uint32_t{p[1]} << 8) | p[0];
    return true;
}

bool MoReader::ReadHeader() {
    std::uint32_t magic = 0;
    if (bytes.size() < HeaderSize || !Word(0, magic)) {
        return false;
    }
    if (magic != MoMagic) {
        swapped = true;
        if (!Word(0, magic) || magic != MoMagic) {
            return false;
        }
    }
    std::uint32_t revision = 0;
    Word(4, revision);
    Word(8, count);
    Word(12, originals);
    Word(16, translations);
    // Major revision 0 is the only one there is; a table must lie inside the file.
    const std::uint64_t tableBytes = std::uint64_t{count} * 8;
    return (revision >> 16) == 0 && originals + tableBytes <= bytes.size() &&
           translations + tableBytes <= bytes.size();
}

bool MoReader::Text(std::uint32_t i, bool isTranslation, std::string& out) const {
    const std::size_t entry = std::size_t{isTranslation ? translations : originals} + 8 * i;
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
    if (!Word(entry, length) || !Word(entry + 4, offset)) {
        return false;
    }
    // The text and the zero gettext stores after it.
    if (offset > bytes.size() || bytes.size() - offset <= length || bytes[offset + length] != 0) {
        return false;
    }
    out.assign(bytes, offset, length);
    return true;
}

// A plural entry stores its forms after zeros: only the first (singular) form is taken.
std::string FirstForm(const std::string& text) {
    return text.substr(0, std::strlen(text.c_str()));
}

} // namespace

Catalogue Catalogue::FromMo(const std::string& bytes, const CodePage& page) {
    Catalogue catalogue;
    MoReader reader(bytes);
    if (!reader.ReadHeader()) {
        return catalogue;
    }
    for (std::uint32_t i = 0; i < reader.Count(); ++i) {
        std::string english;
        std::string translated;
        if (!reader.Text(i, false, english) || !reader.Text(i, true, translated)) {
            return Catalogue();
        }
        english = FirstForm(english);
        translated = FirstForm(translated);
        if (!english.empty() && !translated.empty()) {
            catalogue.entries[FromUtf8(english, page)] = FromUtf8(translated, page);
        }
    }
    return catalogue;
}

const char* Catalogue::Find(const char* context, const char* english) const {
    if (english == nullptr) {
        return nullptr;
    }
    std::string key;
    if (context != nullptr && *context != '\0') {
        key = context;
        key += ContextSeparator;
    }
    key += english;
    const auto found = entries.find(key);
    return found != entries.end() ? found->second.c_str() : nullptr;
}
