// The single-instance claim: a named mutex per data folder, and bringing the running
// copy's window to the front when the claim is refused.
#include "app/single_instance.h"

#include <cstdint>
#include <cstdio>

#include "base/platform_win32.h"

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

void BringToFront(const std::string& windowClass) {
    HWND running = FindWindowA(windowClass.c_str(), nullptr);
    if (running == nullptr) {
        return; // still starting up; it will show itself
    }
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
    }
    SetForegroundWindow(running);
}

} // namespace

std::string InstanceMutexName(const std::string& folder) {
    char name[64];
    std::snprintf(name, sizeof name, "Quickfigure-%016llx",
                  static_cast<unsigned long long>(FolderHash(folder)));
    return name;
}

bool SingleInstance::Claim(const std::string& folder, const std::string& windowClass) {
    HANDLE claimed = CreateMutexA(nullptr, TRUE, InstanceMutexName(folder).c_str());
    if (claimed != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(claimed);
        BringToFront(windowClass);
        return false;
    }
    mutex = claimed; // a mutex that cannot be made at all does not stop the game
    return true;
}

SingleInstance::~SingleInstance() {
    if (mutex != nullptr) {
        ReleaseMutex(static_cast<HANDLE>(mutex));
        CloseHandle(static_cast<HANDLE>(mutex));
    }
}
