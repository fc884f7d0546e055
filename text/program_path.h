// Paths of the program's data files: a bare file name becomes a path in the folder of the
// program's own executable, so the files live beside the program whatever the working
// directory is. The absolute-name rule and the folder cut are pure; ProgramFolder asks
// Windows for the executable's name.
#pragma once

#include <string>

// out = name when it is absolute, otherwise the program's folder followed by name.
void ResolveProgramPath(std::string& out, const char* name);
// True for a name longer than 3 characters that is a drive path ("C:\...") or starts with "\".
bool IsAbsoluteProgramPath(const char* name);
// The part of a full file path up to and including its last "\" (empty when there is none).
std::string FolderOfPath(const std::string& path);
// The folder of the program's executable, ending in "\" (empty when Windows cannot say).
std::string ProgramFolder();
