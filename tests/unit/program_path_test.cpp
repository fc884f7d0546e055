// Program paths: the absolute-name rule, the folder part of a long path, and the folder
// of the running test program itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/program_path.h"

TEST(ProgramPath, OnlyLongDriveAndBackslashNamesAreAbsolute) {
    const char* absolute[] = {"C:\\x", "D:\\Games\\settings.dat", "\\abc", "\\\\server\\a.dat"};
    for (const char* name : absolute) {
        EXPECT_TRUE(IsAbsoluteProgramPath(name)) << name;
    }
    // Three characters or fewer are always relative, even a drive root.
    const char* relative[] = {"C:\\",    "\\ab", "settings.dat", "C:/Games/a.dat", "C:a.dat",
                              "ab:\\cd", ""};
    for (const char* name : relative) {
        EXPECT_FALSE(IsAbsoluteProgramPath(name)) << name;
    }
    EXPECT_FALSE(IsAbsoluteProgramPath(nullptr));
}

TEST(ProgramPath, ResolveKeepsAbsoluteNamesAndPutsOthersInTheProgramFolder) {
    std::string out = "previous";
    ResolveProgramPath(out, "E:\\data\\settings.dat");
    EXPECT_EQ(out, "E:\\data\\settings.dat");
    ResolveProgramPath(out, "\\share\\highscores.dat");
    EXPECT_EQ(out, "\\share\\highscores.dat");
    ResolveProgramPath(out, "settings.dat");
    EXPECT_EQ(out, ProgramFolder() + "settings.dat");
    ResolveProgramPath(out, "C:\\");
    EXPECT_EQ(out, ProgramFolder() + "C:\\");
}

TEST(ProgramPath, FolderOfPathKeepsEverythingUpToTheLastBackslash) {
    EXPECT_EQ(FolderOfPath("C:\\Games\\Quickfigure\\quickfigure.exe"), "C:\\Games\\Quickfigure\\");
    EXPECT_EQ(FolderOfPath("quickfigure.exe"), "");
    // 999 characters: the most a 1000-byte buffer holds beside its terminating zero.
    std::string folder = "C:\\";
    while (folder.size() < 980) {
        folder += "abcdefghijklmno\\";
    }
    const std::string path = folder + std::string(999 - folder.size(), 'q');
    ASSERT_EQ(path.size(), 999u);
    EXPECT_EQ(FolderOfPath(path), folder);
}

TEST(ProgramPath, ProgramFolderNamesTheTestProgramsFolder) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(IsAbsoluteProgramPath(folder.c_str())) << folder;
    EXPECT_TRUE(std::filesystem::exists(folder + "quickfigure_tests.exe")) << folder;
}
