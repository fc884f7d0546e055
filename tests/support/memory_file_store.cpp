// The in-memory file store's steps and faults. A step that is cut (the failing one, or
// the one the power fails in) does nothing, except that a write leaves the first half of
// its bytes, as a full disk or a power cut mid-write does.
#include "support/memory_file_store.h"

#include "text/program_path.h"

MemoryFileStore::StepOutcome MemoryFileStore::NextStep() {
    const int step = steps++;
    if (powerCut) {
        return StepOutcome::Skipped;
    }
    if (step == crashStep) {
        powerCut = true;
        return StepOutcome::Cut;
    }
    return step == failStep ? StepOutcome::Cut : StepOutcome::Done;
}

bool MemoryFileStore::CanCreate(const std::string& path) const {
    const std::string folder = FolderOfPath(path);
    return folders.count(folder) != 0 && readOnlyFolders.count(folder) == 0 &&
           locked.count(path) == 0;
}

ReadStatus MemoryFileStore::Read(const std::string& path, std::size_t maxBytes, std::string& out) {
    out.clear();
    if (locked.count(path) != 0) {
        return ReadStatus::Unreadable;
    }
    const auto found = files.find(path);
    if (found == files.end()) {
        return ReadStatus::Missing;
    }
    if (found->second.bytes.size() > maxBytes) {
        return ReadStatus::TooLarge;
    }
    out = found->second.bytes;
    return ReadStatus::Ok;
}

bool MemoryFileStore::Write(const std::string& path, const std::string& bytes) {
    const StepOutcome outcome = NextStep();
    if (outcome == StepOutcome::Skipped || !CanCreate(path)) {
        return false;
    }
    const bool whole = outcome == StepOutcome::Done;
    files[path] = {whole ? bytes : bytes.substr(0, bytes.size() / 2), false};
    return whole;
}

bool MemoryFileStore::Flush(const std::string& path) {
    const auto found = files.find(path);
    if (NextStep() != StepOutcome::Done || found == files.end() || locked.count(path) != 0) {
        return false;
    }
    found->second.flushed = true;
    return true;
}

bool MemoryFileStore::MoveReplacing(const std::string& from, const std::string& to) {
    const auto found = files.find(from);
    if (NextStep() != StepOutcome::Done || found == files.end() || locked.count(from) != 0 ||
        !CanCreate(to)) {
        return false;
    }
    File moved = found->second;
    files.erase(found);
    files[to] = moved;
    return true;
}

bool MemoryFileStore::Remove(const std::string& path) {
    if (NextStep() != StepOutcome::Done || locked.count(path) != 0) {
        return false;
    }
    files.erase(path);
    return true;
}

bool MemoryFileStore::FolderWritable(const std::string& folder) {
    return folders.count(folder) != 0 && readOnlyFolders.count(folder) == 0;
}

bool MemoryFileStore::CreateFolder(const std::string& folder) {
    if (NextStep() != StepOutcome::Done) {
        return false;
    }
    folders.insert(folder);
    return true;
}

void MemoryFileStore::Restart() {
    if (powerCut) {
        for (auto& entry : files) {
            File& file = entry.second;
            if (!file.flushed) {
                file.bytes.resize(file.bytes.size() / 2);
                file.flushed = true;
            }
        }
    }
    powerCut = false;
    failStep = -1;
    crashStep = -1;
    steps = 0;
}

std::string MemoryFileStore::Bytes(const std::string& path) const {
    const auto found = files.find(path);
    return found == files.end() ? std::string() : found->second.bytes;
}
