// language.dat's format: the file header, then the language's code. It is read strictly:
// anything but what a save writes, or a code no choosable language has, is passed over.
#include "shell/language_file.h"

#include "shell/data_archive.h"
#include "text/translate.h"

namespace {

constexpr char LanguageFileName[] = "language.dat";

FoundFile ReadLanguageFile(FileStore& store, const DataFolders& run, KeptFileState& state) {
    const KeptFileSet set{{LanguageFileName}, MaxLanguageFileBytes, nullptr};
    FoundFile file = std::move(ReadKeptFiles(store, run, set, state).front());
    state.loaded = true;
    return file;
}

} // namespace

std::string LanguageFileBytes(const Language& language) {
    std::string header = LanguageFileHeader;
    int version = LanguageFileVersion;
    DataArchive archive;
    archive.OpenArchive(std::string(), header, version, ArchiveWrite);
    std::string code = language.code;
    archive.TransferString(code);
    return archive.CloseArchive();
}

const Language* ReadLanguageBytes(const std::string& bytes) {
    std::string header;
    int version = 0;
    DataArchive archive;
    archive.OpenArchive(bytes, header, version, ArchiveRead);
    std::string code;
    archive.TransferString(code);
    const Language* language = FindLanguage(code.c_str());
    // Writing what was read again and comparing proves the header, every line's form and
    // that nothing follows.
    return language != nullptr && LanguageFileBytes(*language) == bytes ? language : nullptr;
}

const Language* LoadLanguageChoice(FileStore& store, const DataFolders& run) {
    const Language* language = nullptr;
    KeptFileState state;
    WithoutThrowing([&]() {
        const FoundFile file = ReadLanguageFile(store, run, state);
        language = file.status == ReadStatus::Ok ? ReadLanguageBytes(file.bytes) : nullptr;
        return language != nullptr;
    });
    return language;
}

bool SaveLanguageChoice(FileStore& store, const DataFolders& run, const Language& language) {
    return WithoutThrowing([&]() {
        KeptFileState state;
        const FoundFile file = ReadLanguageFile(store, run, state);
        const std::string bytes = LanguageFileBytes(language);
        const bool same =
            file.status == ReadStatus::Ok && !state.fromFallback && file.bytes == bytes;
        return same || (ReadyToSave(store, state) &&
                        ReplaceKeptFile(store, state.folder + LanguageFileName, bytes));
    });
}

const Language& StartLanguage(const Language* saved, int windowsLanguageId) {
    return saved != nullptr ? *saved : LanguageForWindows(windowsLanguageId);
}

const Language& ShowNextLanguage() {
    const Language* next = &NextLanguage(ShownLanguage());
    while (!ShowLanguage(*next)) {
        // ShowLanguage has shown English instead; English always shows.
        next = &NextLanguage(*next);
    }
    return *next;
}
