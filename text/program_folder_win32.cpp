// The folder of the program's executable, from the module file name Windows reports.
#include "text/program_path.h"

#include "base/platform_win32.h"

namespace {
// Room for the executable's full path and its terminating zero.
constexpr DWORD ModuleNameBufferBytes = 1000;
} // namespace

std::string ProgramFolder() {
    char buffer[ModuleNameBufferBytes];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, ModuleNameBufferBytes);
    // A length equal to the buffer size means the name was cut short: its last "\" could
    // then name some parent folder, so no folder is better than a wrong one.
    if (length == 0 || length >= ModuleNameBufferBytes) {
        return std::string();
    }
    return FolderOfPath(std::string(buffer, length));
}
