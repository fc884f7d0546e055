// The mutex name of a data folder: one short name for every spelling of the same folder.
#include "app/single_instance.h"

#include <cstdint>
#include <cstdio>

namespace {

// FNV-1a over the folder's letters folded to one case and one separator, so names stay
// short whatever the path's length.
std::uint64_t FolderHash(const std::string& folder) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : folder) {
        unsigned char byte = static_cast<unsigned char>(c == '/' ? '\\' : c);
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<unsigned char>(byte - 'A' + 'a');
        }
        hash = (hash ^ byte) * 1099511628211ull;
    }
    return hash;
}

} // namespace

std::string InstanceMutexName(const std::string& folder) {
    char name[64];
    std::snprintf(name, sizeof name, "Quickfigure-%016llx",
                  static_cast<unsigned long long>(FolderHash(folder)));
    return name;
}
