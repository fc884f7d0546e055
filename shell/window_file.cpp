// window.dat's format: the file header, the normal rectangle's four edges, then the
// maximised and full-screen flags. It is read strictly: anything but what a save writes is
// passed over.
#include "shell/window_file.h"

#include "shell/data_archive.h"

namespace {

constexpr char WindowFileName[] = "window.dat";

void TransferPlacement(DataArchive& archive, WindowPlacement& placement) {
    archive.TransferInt(placement.normal.left);
    archive.TransferInt(placement.normal.top);
    archive.TransferInt(placement.normal.right);
    archive.TransferInt(placement.normal.bottom);
    archive.TransferBool(placement.maximised);
    archive.TransferBool(placement.fullScreen);
}

FoundFile ReadWindowFile(FileStore& store, const DataFolders& run, KeptFileState& state) {
    const KeptFileSet set{{WindowFileName}, MaxWindowFileBytes, nullptr};
    FoundFile file = std::move(ReadKeptFiles(store, run, set, state).front());
    state.loaded = true;
    return file;
}

} // namespace

std::string WindowFileBytes(const WindowPlacement& placement) {
    std::string header = WindowFileHeader;
    int version = WindowFileVersion;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    // The transfer serves both directions and assigns as it goes, so it works on a copy.
    WindowPlacement written = placement;
    TransferPlacement(archive, written);
    return archive.CloseArchive();
}

bool ReadWindowBytes(const std::string& bytes, WindowPlacement& placement) {
    std::string header;
    int version = 0;
    DataArchive archive;
    archive.OpenArchive(bytes, header, version, ArchiveRead);
    WindowPlacement read;
    TransferPlacement(archive, read);
    // Writing what was read again and comparing proves the header, every line's form and
    // that nothing follows.
    if (!HasArea(read.normal) || WindowFileBytes(read) != bytes) {
        return false;
    }
    read.known = true;
    placement = read;
    return true;
}

WindowPlacement LoadWindowPlacement(FileStore& store, const DataFolders& run) {
    WindowPlacement placement;
    KeptFileState state;
    WithoutThrowing([&]() {
        const FoundFile file = ReadWindowFile(store, run, state);
        return file.status == ReadStatus::Ok && ReadWindowBytes(file.bytes, placement);
    });
    return placement;
}

bool SaveWindowPlacement(FileStore& store, const DataFolders& run,
                         const WindowPlacement& placement) {
    return !placement.known || WithoutThrowing([&]() {
        KeptFileState state;
        const FoundFile file = ReadWindowFile(store, run, state);
        const std::string bytes = WindowFileBytes(placement);
        const bool same =
            file.status == ReadStatus::Ok && !state.fromFallback && file.bytes == bytes;
        return same || (ReadyToSave(store, state) &&
                        ReplaceKeptFile(store, state.folder + WindowFileName, bytes));
    });
}
