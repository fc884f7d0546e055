// Reading whole files with the C library, the temporary name of a file being replaced,
// and, for native builds without Windows (the fuzzing tools), a replace built on the
// C library's rename. Windows builds replace files in shell/file_store_win32.cpp.
#include "shell/file_store.h"

#include <cstdio>

namespace {
// Bytes read per call while loading a file.
constexpr std::size_t ReadChunkBytes = 4096;
} // namespace

bool ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char chunk[ReadChunkBytes];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        out.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        out.clear();
    }
    return !failed;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

#ifndef _WIN32
bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryPathFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    // POSIX rename replaces an existing target in one step.
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
#endif
