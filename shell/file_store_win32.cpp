// The file store on Windows: reads that tell a missing file from a locked or damaged one
// and stop at a size limit, writes flushed with FlushFileBuffers, MoveFileExA to replace a
// file in one step, a write probe with GetTempFileNameA, and the per-user data folder
// %LOCALAPPDATA%\Quickfigure\ from SHGetFolderPathA.
#include "shell/file_store.h"

#include "base/platform_win32.h"

#include <shlobj.h>

namespace {

// Largest single WriteFile call; bigger contents are written in several.
constexpr std::size_t WriteChunkBytes = 1u << 20;
// Bytes read per ReadFile call.
constexpr DWORD ReadChunkBytes = 4096;
// The per-user folder's name under the local application data folder.
constexpr char UserFolderName[] = "Quickfigure\\";

bool IsAbsentError(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Reads to the end of the file, giving up once more than maxBytes have come.
ReadStatus ReadOpenFile(HANDLE file, std::size_t maxBytes, std::string& out) {
    char chunk[ReadChunkBytes];
    DWORD got = 0;
    while (ReadFile(file, chunk, ReadChunkBytes, &got, nullptr)) {
        if (got == 0) {
            return ReadStatus::Ok;
        }
        out.append(chunk, got);
        if (out.size() > maxBytes) {
            return ReadStatus::TooLarge;
        }
    }
    return ReadStatus::Unreadable;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
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
    return true;
}

class Win32FileStore : public FileStore {
  public:
    ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) override {
        out.clear();
        // Shared as fopen shares, so a file another program merely has open still reads.
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return IsAbsentError(GetLastError()) ? ReadStatus::Missing : ReadStatus::Unreadable;
        }
        LARGE_INTEGER size;
        ReadStatus status = ReadStatus::Unreadable;
        if (GetFileSizeEx(file, &size)) {
            status = static_cast<unsigned long long>(size.QuadPart) > maxBytes
                         ? ReadStatus::TooLarge
                         : ReadOpenFile(file, maxBytes, out);
        }
        CloseHandle(file);
        if (status != ReadStatus::Ok) {
            out.clear();
        }
        return status;
    }

    bool Write(const std::string& path, const std::string& bytes) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool written = WriteAll(file, bytes);
        return CloseHandle(file) != FALSE && written;
    }

    // The system keeps one cache per file, so a new handle flushes what the writing one left.
    bool Flush(const std::string& path) override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool flushed = FlushFileBuffers(file) != FALSE;
        return CloseHandle(file) != FALSE && flushed;
    }

    bool MoveReplacing(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    }

    bool Remove(const std::string& path) override {
        return DeleteFileA(path.c_str()) != FALSE || IsAbsentError(GetLastError());
    }

    // Creating a file is the only sure test: attributes and access lists do not tell about
    // a read-only medium or a virtualised Program Files folder.
    bool FolderWritable(const std::string& folder) override {
        char probe[MAX_PATH];
        if (GetTempFileNameA(folder.c_str(), "qfw", 0, probe) == 0) {
            return false;
        }
        // Wine reports a name even when it could not create the file: only a file that is
        // there counts.
        const bool created = GetFileAttributesA(probe) != INVALID_FILE_ATTRIBUTES;
        DeleteFileA(probe);
        return created;
    }

    bool CreateFolder(const std::string& folder) override {
        return CreateDirectoryA(folder.c_str(), nullptr) != FALSE ||
               GetLastError() == ERROR_ALREADY_EXISTS;
    }

    std::string UserDataFolder() override {
        char base[MAX_PATH];
        if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base) !=
                S_OK ||
            base[0] == '\0') {
            return std::string();
        }
        std::string folder = base;
        if (folder.back() != '\\') {
            folder += '\\';
        }
        return folder + UserFolderName;
    }
};

} // namespace

FileStore& SystemFileStore() {
    static Win32FileStore store;
    return store;
}
