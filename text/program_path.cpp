// The pure half of program paths: which names are absolute, and the folder part of a
// full path. The executable's own folder comes from text/program_folder_win32.cpp.
#include "text/program_path.h"

#include <cstring>

bool IsAbsoluteProgramPath(const char* name) {
    // Three characters or fewer is always relative, even "C:\" itself.
    if (name == nullptr || std::strlen(name) <= 3) {
        return false;
    }
    const bool drivePath = name[1] == ':' && name[2] == '\\';
    return drivePath || name[0] == '\\';
}

void ResolveProgramPath(std::string& out, const char* name) {
    if (IsAbsoluteProgramPath(name)) {
        out = name;
        return;
    }
    out = ProgramFolder();
    if (name != nullptr) {
        out += name;
    }
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t lastSeparator = path.rfind('\\');
    if (lastSeparator == std::string::npos) {
        return std::string();
    }
    return path.substr(0, lastSeparator + 1);
}
