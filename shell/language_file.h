// language.dat: the language the computer's players last chose on the options screen, beside
// window.dat in the data folder all players share, line-oriented through DataArchive with its
// own header and version, then the language's code. Without a good file the program follows
// the Windows display language; a damaged one is passed over and replaced by the next choice.
#pragma once

#include <cstddef>
#include <string>

#include "shell/kept_files.h"
#include "text/languages.h"

constexpr char LanguageFileHeader[] = "Quickfigure language";
constexpr int LanguageFileVersion = 1;
constexpr std::size_t MaxLanguageFileBytes = 256;

// The file's bytes for a language, and back: the choosable language the bytes name, or null
// for anything but the bytes LanguageFileBytes writes for one.
std::string LanguageFileBytes(const Language& language);
const Language* ReadLanguageBytes(const std::string& bytes);

// The language language.dat in the run's folders names; null without a good file.
const Language* LoadLanguageChoice(FileStore& store, const DataFolders& run);
// Writes the language into the save folder unless the file there already names it; false
// when the write was needed and failed (the old file then stays as it was).
bool SaveLanguageChoice(FileStore& store, const DataFolders& run, const Language& language);

// The language a start shows: the one chosen and saved, or else the one serving Windows'
// display language (English when none does).
const Language& StartLanguage(const Language* saved, int windowsLanguageId);
// Shows the language after the shown one, passing over those whose catalogue cannot be
// read, and returns the one shown (English after the last).
const Language& ShowNextLanguage();
