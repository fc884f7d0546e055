// ProgressFeature: progress.dat loaded and saved with the other two files, a finished
// game's record, and the progress screen's damage line, keys and export.
#include "game/progress_feature.h"

#include "base/key_translation.h"
#include "progress/fluency.h"
#include "progress/milestones.h"
#include "progress/progress_export.h"
#include "text/program_path.h"
#include "text/translate.h"
#include "ui/shell_open.h"

namespace {

struct ExportedFile {
    const char* name;
    std::string (*text)(const ProgressHistory&);
};
constexpr ExportedFile ExportedFiles[] = {
    {FactsCsvName, FactsCsvText},
    {GamesCsvName, GamesCsvText},
    {MilestonesCsvName, MilestonesCsvText},
};

// The date part of a game's "2026-12-08 19:52".
std::string DateOf(const std::string& when) {
    return when.substr(0, when.find(' '));
}

} // namespace

void ProgressFeature::Load(const DataFileState& dataFiles) {
    // Without a file the first load keeps the history in memory, as the other files' load
    // does; a later one (another player's files) starts from an empty history, so nobody
    // sees another's games. Without a known folder nothing is saved into the last one.
    if (loadedBefore) {
        history = ProgressHistory();
    }
    loadedBefore = true;
    file = ProgressFileState();
    if (!dataFiles.loaded) {
        return;
    }
    LoadProgressFile(DataStoreForThisRun(), DataFolderPath(dataFiles), dataFiles.fallbackFolder,
                     dataFiles.createFolder, history, file);
    savedOptions = history.options;
}

void ProgressFeature::Save() {
    SaveProgressFile(DataStoreForThisRun(), history, file);
}

void ProgressFeature::SaveOptionsIfChanged() {
    if (history.options != savedOptions) {
        savedOptions = history.options;
        Save();
    }
}

void ProgressFeature::RecordGame(const GameRecord& game) {
    history.RecordGame(game);
    EarnMilestones(history, DateOf(game.when));
    Save();
}

void ProgressFeature::OpenScreen() {
    screen.message.clear();
    screen.ClearExportNote();
    // Said once, the first time the screen opens after the load found damage.
    if (!file.damagedFileKept.empty()) {
        const std::string& kept = file.damagedFileKept;
        // Short enough to fit beside the title at 640 pixels: the damaged file's copy is
        // named, not its folder.
        screen.message = FormatText(Tr("Damaged: {1}"), {kept.substr(FolderOfPath(kept).size())});
        file.damagedFileKept.clear();
    }
    screen.Summarise(history);
}

void ProgressFeature::Export() {
    for (const ExportedFile& exported : ExportedFiles) {
        if (!ExportProgressCsv(DataStoreForThisRun(), file, exported.name,
                               exported.text(history))) {
            // Translators: {1} is a file's name; the folder follows on the next line
            const char* failed =
                file.folder.empty() ? Tr("Could not write {1}") : Tr("Could not write {1} in");
            screen.ShowExportNote(FormatText(failed, {exported.name}), file.folder);
            return;
        }
    }
    // Translators: the folder follows on the next line
    screen.ShowExportNote(Tr("Saved to"), file.folder);
}

void ProgressFeature::NextFluentThreshold() {
    history.options.fluentSeconds = NextFluentSeconds(history.options.fluentSeconds);
    SaveOptionsIfChanged();
    screen.Summarise(history);
}

void ProgressFeature::OpenFolder() {
    if (screen.FolderOpenable()) {
        ShellOpen(file.folder.c_str());
    }
}

bool ProgressFeature::ReadScreenLatches() {
    const bool back = screen.backButton.WasClicked();
    if (screen.exportButton.WasClicked()) {
        Export();
    }
    if (screen.gridButton.WasClicked()) {
        screen.SwitchGrid();
    }
    if (screen.fluentButton.WasClicked()) {
        NextFluentThreshold();
    }
    if (screen.openFolderButton.WasClicked()) {
        OpenFolder();
    }
    return back;
}

bool ProgressFeature::OnScreenKey(int key) {
    switch (key) {
    case '0':
    case KeyCode::Escape: return true;
    case '1': screen.SwitchGrid(); return false;
    case '2': Export(); return false;
    case '3': NextFluentThreshold(); return false;
    case '4': OpenFolder(); return false;
    default: return false;
    }
}
