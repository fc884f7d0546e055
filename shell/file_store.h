// The disk side of the data files, behind a small interface: capped reads that tell a
// missing file from one that cannot be read, and the steps a safe replace is built from
// (write, flush, move over, remove). The Windows store is in shell/file_store_win32.cpp,
// a C-library one for native builds without Windows (the fuzzing tools) in
// shell/file_store.cpp; tests put an in-memory store with injected faults in its place.
#pragma once

#include <cstddef>
#include <string>

// How a read ended.
enum class ReadStatus {
    Ok,         // the whole file was read
    Missing,    // there is no such file (or folder)
    Unreadable, // something is there but cannot be read: locked, an I/O error, a folder
    TooLarge,   // larger than the caller's limit; not read
};

class FileStore {
  public:
    virtual ~FileStore() = default;
    // The whole file into out when it holds at most maxBytes; out is empty on any other
    // result. A larger file is reported without being read whole.
    virtual ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) = 0;
    // Creates the file, or empties an existing one, and writes bytes to it.
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
    // Forces the file's written bytes onto the disk.
    virtual bool Flush(const std::string& path) = 0;
    // Renames from to to in one step, replacing a file already at to.
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
    // True when no file is left at path, also when there was none.
    virtual bool Remove(const std::string& path) = 0;
    // Whether a new file can be created in folder (a path ending in a separator).
    virtual bool FolderWritable(const std::string& folder) = 0;
    // Creates folder (ending in a separator) unless it exists; true when it exists after.
    virtual bool CreateFolder(const std::string& folder) = 0;
    // The current user's own folder for this program's data, ending in a separator; empty
    // when the system has none.
    virtual std::string UserDataFolder() = 0;
};

// The store of the system the program runs on.
FileStore& SystemFileStore();
