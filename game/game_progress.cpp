// The game's side of the progress history: progress.dat loaded and saved with the other
// two files, a finished game's record, and the progress screen with its keys and export.
#include "base/key_translation.h"
#include "base/system_clock.h"
#include "game/arithmetic_game.h"
#include "progress/progress_summary.h"
#include "text/program_path.h"
#include "text/text.h"

namespace {

// Short enough to fit beside the title at 640 pixels: the damaged file's copy is named,
// not its folder.
constexpr char DamagedHistoryText[] = "Damaged: ";

} // namespace

void ArithmeticGame::LoadGameFiles() {
    if (!dataFileState.loaded) {
        return; // without a known folder nothing is read, and so nothing saved
    }
    LoadProgressFile(SystemFileStore(), DataFolderPath(dataFileState), dataFileState.fallbackFolder,
                     dataFileState.createFolder, progress, progressFile);
    savedOptions = progress.options;
}

void ArithmeticGame::SaveGameFiles() {
    SaveProgressFile(SystemFileStore(), progress, progressFile);
}

void ArithmeticGame::RecordFinishedGame() {
    GameRecord game = answers.Result();
    game.when = LocalDateTimeText();
    game.difficulty = dealer.difficulty;
    game.operations = DescribeOperations(dealer.ops);
    game.score = score;
    game.level = level;
    progress.RecordGame(game);
    SaveGameFiles(); // now, so a game-over screen never dismissed loses nothing of it
}

void ArithmeticGame::OpenProgress() {
    progressShown = true;
    progressScreen.message.clear();
    // Said once, the first time the screen opens after the load found damage.
    if (!progressFile.damagedFileKept.empty()) {
        const std::string& kept = progressFile.damagedFileKept;
        progressScreen.message = DamagedHistoryText + kept.substr(FolderOfPath(kept).size());
        progressFile.damagedFileKept.clear();
    }
    progressScreen.Summarise(progress);
}

void ArithmeticGame::CloseProgress() {
    progressShown = false;
}

void ArithmeticGame::ExportProgress() {
    const std::string path = ProgressCsvPath(progressFile.folder);
    if (ExportProgressCsv(SystemFileStore(), progressFile, ProgressCsvText(progress))) {
        progressScreen.message = "Saved " + path;
    } else {
        progressScreen.message = "Could not write " + path;
    }
}

void ArithmeticGame::ReadProgressLatches() {
    if (progressButton.WasClicked()) {
        OpenProgress();
    }
    if (progressScreen.backButton.WasClicked()) {
        CloseProgress();
    }
    if (progressScreen.exportButton.WasClicked()) {
        ExportProgress();
    }
    if (progressScreen.gridButton.WasClicked()) {
        progressScreen.SwitchGrid();
    }
}

void ArithmeticGame::DrawProgressFrame() {
    SelectShellFont();
    progressScreen.Draw(width, height);
}

bool ArithmeticGame::OnProgressKey(int key) {
    switch (key) {
    case '0':
    case KeyCode::Escape: CloseProgress(); return true;
    case '1': progressScreen.SwitchGrid(); return true;
    case '2': ExportProgress(); return true;
    default: return false;
    }
}
