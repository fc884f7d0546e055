// ProgressFeature: progress.dat loaded and saved with the other two files, a finished
// game's record, and the progress screen's damage line, keys and export.
#include "game/progress_feature.h"

#include "base/key_translation.h"
#include "progress/progress_export.h"
#include "progress/progress_summary.h"
#include "text/program_path.h"

namespace {

// Short enough to fit beside the title at 640 pixels: the damaged file's copy is named,
// not its folder.
constexpr char DamagedHistoryText[] = "Damaged: ";
constexpr char CombinedCsvName[] = "progress.csv";

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
    const ProgressOptions& now = history.options;
    if (now.weakFacts != savedOptions.weakFacts || now.showAnswer != savedOptions.showAnswer ||
        now.facts != savedOptions.facts) {
        savedOptions = now;
        Save();
    }
}

void ProgressFeature::RecordGame(const GameRecord& game) {
    history.RecordGame(game);
    Save();
}

void ProgressFeature::OpenScreen() {
    screen.message.clear();
    // Said once, the first time the screen opens after the load found damage.
    if (!file.damagedFileKept.empty()) {
        const std::string& kept = file.damagedFileKept;
        screen.message = DamagedHistoryText + kept.substr(FolderOfPath(kept).size());
        file.damagedFileKept.clear();
    }
    screen.Summarise(history);
}

void ProgressFeature::Export() {
    const std::string path = ExportPath(file.folder, CombinedCsvName);
    if (ExportProgressCsv(DataStoreForThisRun(), file, CombinedCsvName, ProgressCsvText(history))) {
        screen.message = "Saved " + path;
    } else {
        screen.message = "Could not write " + path;
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
    return back;
}

bool ProgressFeature::OnScreenKey(int key) {
    switch (key) {
    case '0':
    case KeyCode::Escape: return true;
    case '1': screen.SwitchGrid(); return false;
    case '2': Export(); return false;
    default: return false;
    }
}
