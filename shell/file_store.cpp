// The file store of native builds without Windows (the fuzzing tools and their seed
// maker), on the C library alone: rename replaces in one step on POSIX. The C library
// cannot force bytes onto the disk nor name a per-user folder, so Flush only checks that
// the file is there and the data files stay in the program's (working) folder.
// Windows builds use shell/file_store_win32.cpp instead.
#include "shell/file_store.h"

#ifndef _WIN32
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Bytes read per call while loading a file.
constexpr std::size_t ReadChunkBytes = 4096;

class NativeFileStore : public FileStore {
  public:
    ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) override {
        out.clear();
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        }
        char chunk[ReadChunkBytes];
        std::size_t got = 0;
        ReadStatus status = ReadStatus::Ok;
        while (status == ReadStatus::Ok && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
            out.append(chunk, got);
            if (out.size() > maxBytes) {
                status = ReadStatus::TooLarge;
            }
        }
        if (status == ReadStatus::Ok && std::ferror(file) != 0) {
            status = ReadStatus::Unreadable;
        }
        std::fclose(file);
        if (status != ReadStatus::Ok) {
            out.clear();
        }
        return status;
    }

    bool Write(const std::string& path, const std::string& bytes) override {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        return std::fclose(file) == 0 && written;
    }

    bool Flush(const std::string& path) override {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        return file != nullptr && std::fclose(file) == 0;
    }

    bool MoveReplacing(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }

    bool Remove(const std::string& path) override {
        return std::remove(path.c_str()) == 0 || errno == ENOENT;
    }

    // Without a per-user folder there is nowhere else to go, so the answer changes nothing.
    bool FolderWritable(const std::string&) override { return true; }
    bool CreateFolder(const std::string& folder) override {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        return std::filesystem::is_directory(folder, error);
    }
    std::string UserDataFolder() override { return std::string(); }
};

} // namespace

FileStore& SystemFileStore() {
    static NativeFileStore store;
    return store;
}
#endif
