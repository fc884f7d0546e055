// ShellOpen: the test handler when one is set, else the system shell (shell_open_win32.cpp).
#include "ui/shell_open.h"

namespace {

ShellOpenHandler Handler = nullptr;

} // namespace

void ShellOpen(const char* address) {
    if (Handler != nullptr) {
        Handler(address);
        return;
    }
    AskShellToOpen(address);
}

void SetShellOpenHandler(ShellOpenHandler handler) {
    Handler = handler;
}
