// A file store in memory for the data-file tests and the fuzzer: folders and files in
// maps, files another program holds, and one fault injected at a chosen step (a failure,
// or a power cut after which nothing more happens). Paths use "\" between folders.
// Steps are the calls that change something: writes, flushes, moves, removals and folder
// creations, counted from 0.
#pragma once

#include <map>
#include <new>
#include <set>
#include <string>

#include "shell/file_store.h"

class MemoryFileStore : public FileStore {
  public:
    struct File {
        std::string bytes;
        bool flushed = true; // cleared by a write, set by a flush
    };

    ReadStatus Read(const std::string& path, std::size_t maxBytes, std::string& out) override;
    bool Write(const std::string& path, const std::string& bytes) override;
    bool Flush(const std::string& path) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool FolderWritable(const std::string& folder) override;
    bool CreateFolder(const std::string& folder) override;
    std::string UserDataFolder() override { return userFolder; }

    // The power comes back after a cut: a file written but not flushed since keeps only
    // the first half of its bytes. Clears the faults and the step count.
    void Restart();
    // A file's bytes, empty when there is none.
    std::string Bytes(const std::string& path) const;
    bool Has(const std::string& path) const { return files.count(path) != 0; }

    std::map<std::string, File> files;
    std::set<std::string> folders;         // folders that exist, each ending in "\"
    std::set<std::string> readOnlyFolders; // existing folders where nothing can be created
    // Paths another program holds: they cannot be read, written, replaced or removed.
    std::set<std::string> locked;
    std::string userFolder; // what UserDataFolder answers

    int failStep = -1;  // the step that fails; a failed write leaves half its bytes
    int crashStep = -1; // the step the power fails in: it and every later one do nothing
    int steps = 0;      // steps taken since the start or the last Restart

  private:
    enum class StepOutcome { Done, Cut, Skipped };
    StepOutcome NextStep();
    // A new file may appear at path: its folder exists and can be written, and no other
    // program holds the name.
    bool CanCreate(const std::string& path) const;
    bool powerCut = false;
};

// A store whose every read and write runs out of memory.
class ThrowingFileStore : public MemoryFileStore {
  public:
    ReadStatus Read(const std::string&, std::size_t, std::string&) override {
        throw std::bad_alloc();
    }
    bool Write(const std::string&, const std::string&) override { throw std::bad_alloc(); }
};
