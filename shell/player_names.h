// Players' names as typed on the keyboard: Windows-1252 text of letters (the accented
// letters of Western European languages included), digits, spaces, hyphens and
// apostrophes, at most 16 characters, without spaces at either end. Two names are the
// same when they differ only in case.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t MaxPlayerNameLength = 16;

// Whether a typed character (a Windows-1252 code) may stand in a name.
bool NameCharacterAllowed(unsigned char code);
// name without the spaces at its ends.
std::string TrimmedName(const std::string& name);
// Whether a and b are the same name, ignoring case (accented letters included).
bool SameName(const std::string& a, const std::string& b);
