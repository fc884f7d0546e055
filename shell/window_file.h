// window.dat: where the window stood at the last exit (its normal rectangle, maximised, full
// screen), beside the other data files of the computer, line-oriented through DataArchive
// with its own header and version. It holds nothing a player would miss, so a damaged file
// is simply passed over and replaced by the next save.
#pragma once

#include <cstddef>
#include <string>

#include "app/window_placement.h"
#include "shell/kept_files.h"

constexpr char WindowFileHeader[] = "Quickfigure window";
constexpr int WindowFileVersion = 1;
constexpr std::size_t MaxWindowFileBytes = 1024;

// The file's bytes for a known placement, and back: false (placement unchanged) for anything
// but the bytes WindowFileBytes writes for a placement with an area.
std::string WindowFileBytes(const WindowPlacement& placement);
bool ReadWindowBytes(const std::string& bytes, WindowPlacement& placement);

// The placement window.dat in the run's folders holds; unknown without a good file.
WindowPlacement LoadWindowPlacement(FileStore& store, const DataFolders& run);
// Writes a known placement into the save folder unless the file there already holds it;
// false when the write was needed and failed (the old file then stays as it was).
bool SaveWindowPlacement(FileStore& store, const DataFolders& run,
                         const WindowPlacement& placement);
