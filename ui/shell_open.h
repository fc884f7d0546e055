// Opening an address (a web site or a file) with the system shell's "open" action, which
// starts the user's browser or the file's program. Fire-and-forget: nothing waits for or
// reports the result. Tests reroute requests through the handler seam below.
#pragma once

// Asks the shell to open address.
void ShellOpen(const char* address);

// Test seam, off (null) by default: while set, ShellOpen hands the address to the handler
// instead of the shell, so no browser is started.
using ShellOpenHandler = void (*)(const char* address);
void SetShellOpenHandler(ShellOpenHandler handler);

// The system's side of ShellOpen (shell_open_win32.cpp): the shell's "open" for address.
void AskShellToOpen(const char* address);
