// A fresh, empty folder for the data files while it exists; the shell reads and writes
// settings.dat and highscores.dat there instead of beside the test program.
#pragma once

#include <filesystem>
#include <string>

#include "shell/data_files.h"

class TemporaryDataFolder {
  public:
    explicit TemporaryDataFolder(const std::string& name) {
        folder = std::filesystem::temp_directory_path() / ("quickfigure-" + name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        // With the separator of the system the tests run on.
        SetDataFolderForTests((folder / "").string());
    }
    ~TemporaryDataFolder() {
        SetDataFolderForTests("");
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TemporaryDataFolder(const TemporaryDataFolder&) = delete;
    TemporaryDataFolder& operator=(const TemporaryDataFolder&) = delete;

    std::filesystem::path File(const char* name) const { return folder / name; }

  private:
    std::filesystem::path folder;
};
