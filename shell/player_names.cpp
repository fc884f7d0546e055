// Names in Windows-1252: the letters outside ASCII are those of the Western European
// languages, most of them in the block 0xC0-0xFF whose capitals sit 0x20 below their
// small letters; the few outside it (S, O-E and Z with a caron, Y with a diaeresis) pair
// up by hand.
#include "shell/player_names.h"

namespace {

constexpr unsigned char Multiplication = 0xD7;
constexpr unsigned char Division = 0xF7;
constexpr unsigned char SmallSharpS = 0xDF;

// Capitals outside the block, each with its small letter.
struct LetterPair {
    unsigned char capital;
    unsigned char small;
};
constexpr LetterPair OtherLetters[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

bool AsciiLetterOrDigit(unsigned char code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
           (code >= '0' && code <= '9');
}

bool BlockLetter(unsigned char code) {
    return code >= 0xC0 && code != Multiplication && code != Division;
}

bool OtherLetter(unsigned char code) {
    for (const LetterPair& pair : OtherLetters) {
        if (code == pair.capital || code == pair.small) {
            return true;
        }
    }
    return false;
}

unsigned char SmallLetter(unsigned char code) {
    if ((code >= 'A' && code <= 'Z') ||
        (code >= 0xC0 && code < SmallSharpS && code != Multiplication)) {
        return static_cast<unsigned char>(code + 0x20);
    }
    for (const LetterPair& pair : OtherLetters) {
        if (code == pair.capital) {
            return pair.small;
        }
    }
    return code;
}

} // namespace

bool NameCharacterAllowed(unsigned char code) {
    return AsciiLetterOrDigit(code) || code == ' ' || code == '-' || code == '\'' ||
           BlockLetter(code) || OtherLetter(code);
}

std::string TrimmedName(const std::string& name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        // Most characters match as they are; only the others need their case folded.
        if (a[i] != b[i] && SmallLetter(static_cast<unsigned char>(a[i])) !=
                                SmallLetter(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}
