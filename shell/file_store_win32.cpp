// Replacing a data file on Windows: the new bytes are written to a temporary file, flushed
// to disk with FlushFileBuffers and closed, then moved over the target with MoveFileExA,
// which swaps the name in one step. The target is never deleted first.
#include "shell/file_store.h"

#include "app/win32.h"

namespace {

// Largest single WriteFile call; bigger contents are written in several.
constexpr std::size_t WriteChunkBytes = 1u << 20;

bool WriteAllAndFlush(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = static_cast<DWORD>(left < WriteChunkBytes ? left : WriteChunkBytes);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written != chunk) {
            return false;
        }
        done += written;
    }
    return FlushFileBuffers(file) != FALSE;
}

// Writes the temporary file; a stale one left by a crash is truncated and reused.
bool WriteTemporaryFile(const std::string& temporary, const std::string& bytes) {
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAllAndFlush(file, bytes);
    const bool closed = CloseHandle(file) != FALSE;
    return written && closed;
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryPathFor(path);
    if (WriteTemporaryFile(temporary, bytes) &&
        MoveFileExA(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    // Only our own temporary file is removed; the target keeps its old contents.
    DeleteFileA(temporary.c_str());
    return false;
}
