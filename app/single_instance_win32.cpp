// The single-instance claim on Win32: a named mutex per data folder, and bringing the
// running copy's window to the front when the claim is refused.
#include "app/single_instance.h"

#include "base/platform_win32.h"

namespace {

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
