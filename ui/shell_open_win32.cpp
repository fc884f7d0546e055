// The shell's "open" through ShellExecuteExA, the program's one shell32 call.
#include "ui/shell_open.h"

#include "base/platform_win32.h"

void AskShellToOpen(const char* address) {
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    // A failure shows nothing: no error dialog from the shell.
    request.fMask = SEE_MASK_FLAG_NO_UI;
    request.hwnd = nullptr;
    request.lpVerb = "open";
    request.lpFile = address;
    request.lpParameters = "";
    request.lpDirectory = nullptr;
    request.nShow = SW_SHOWNORMAL;
    ShellExecuteExA(&request);
}
