// progress.dat: the player's history (progress/progress_history.h) beside the other two data
// files, line-oriented through DataArchive with its own header and version. It is checked
// strictly, part by part: a file that is not exactly what a save would write for what it
// holds (damaged, cut short, oversized, from a newer version) gives the facts and games
// that read whole and valid before the damage, and is kept aside as progress.dat.bad (or
// .bad2, .bad3, ..., never over an earlier copy). Saves replace it in one step through a
// temporary file, so a crash leaves the old file or the new one. A file of an earlier
// version is read in full and upgraded at the next save, its bytes kept as progress.dat.v1
// (or .v2) until that save has succeeded.
#pragma once

#include <string>

#include "progress/progress_history.h"
#include "shell/kept_files.h"

// Largest progress file read: a full history is well under half of it.
constexpr std::size_t MaxProgressFileBytes = 1024 * 1024;

constexpr char ProgressHeader[] = "Quickfigure progress";
constexpr int ProgressVersion = 3;
// The version without the chosen facts and the games' facts and pace.
constexpr int FirstProgressVersion = 1;
// The version with those, but without the facts' recent answers and right-answer times, the
// games' numbers, the fluency threshold and the milestones.
constexpr int ChosenFactsVersion = 2;
// Longest facts text a game may hold: DescribeFacts gives well under half of it.
constexpr std::size_t MaxGameFactsBytes = 80;

// What the load learned about progress.dat; the saves rely on it.
struct ProgressFileState : KeptFileState {
    bool writable = false;  // clear: a file is there that could not be read or set aside
    std::string savedBytes; // as last loaded or saved; an unchanged history is not written
    // Where a file that could not be read whole is kept (set aside, or left where it was);
    // empty when none was found.
    std::string damagedFileKept;
    // A whole earlier version's bytes, kept as progress.dat.v1 (or .v2) by the save that
    // first replaces it; empty when there is none to keep.
    std::string olderBytes;
    int olderVersion = 0;
};

// The file's bytes for a history.
std::string ProgressFileBytes(const ProgressHistory& history);
// Reads bytes into history; false (history left as it was) for anything but the bytes
// ProgressFileBytes writes for some history, or a whole file of an earlier version: a first
// version's games without facts and not calm, the facts choice at its defaults; either
// earlier version's facts without recent answers, their times kept where they were times of
// right answers only (else the best right answer's alone), its games unnumbered, the
// threshold at its default and no milestones.
bool ReadProgressBytes(const std::string& bytes, ProgressHistory& history);
// Sets history to what bytes hold up to their first damage: the switches and the games
// played when they come before it, and every fact and game that reads whole and valid
// before it. True when there is no damage (history is then all the bytes hold).
bool RecoverProgressBytes(const std::string& bytes, ProgressHistory& history);

// Paths in a folder that ends in a separator.
std::string ProgressFilePath(const std::string& folder);
// An exported file of the history, beside progress.dat.
std::string ExportPath(const std::string& folder, const char* fileName);
constexpr char FactsCsvName[] = "progress-facts.csv";
constexpr char GamesCsvName[] = "progress-games.csv";
constexpr char MilestonesCsvName[] = "progress-milestones.csv";
// Where an earlier version's bytes wait while the save that upgrades it runs.
std::string OlderProgressPath(const std::string& folder, int version);

// Reads progress.dat from folder into history, or, when folder has none, from fallback
// (empty for none). A leftover temporary file of a cut-short save is removed first. A
// damaged file in folder is set aside and what was read of it saved in its place; one in
// fallback is left as it is.
void LoadProgressFile(FileStore& store, const std::string& folder, const std::string& fallback,
                      bool createFolder, ProgressHistory& history, ProgressFileState& state);
// Writes the history when it differs from the file's last known bytes; false when a
// needed write failed (the file on disk is then as it was). Over an earlier version's file
// it first keeps the old bytes as progress.dat.v1 (or .v2), then replaces progress.dat, then
// removes the copy; a failure keeping them fails the save before progress.dat is touched.
bool SaveProgressFile(FileStore& store, const ProgressHistory& history, ProgressFileState& state);
// Writes text to fileName beside progress.dat; false when it could not.
bool ExportProgressCsv(FileStore& store, const ProgressFileState& state, const char* fileName,
                       const std::string& text);
