// Program paths: the absolute-name rule, the folder part of a long path, and the folder
// of the running test program itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "text/program_path.h"

TEST(ProgramPath, DrivePathsAndBackslashPathsAreAbsolute) {
    EXPECT_TRUE(IsAbsoluteProgramPath("C:\\x"));
    EXPECT_TRUE(IsAbsoluteProgramPath("D:\\Games\\settings.dat"));
    EXPECT_TRUE(IsAbsoluteProgramPath("\\abc"));
    EXPECT_TRUE(IsAbsoluteProgramPath("\\\\server\\share\\a.dat"));
}

TEST(ProgramPath, ShortAndOtherNamesAreRelative) {
    EXPECT_FALSE(IsAbsoluteProgramPath("C:\\")) << "three characters are always relative";
    EXPECT_FALSE(IsAbsoluteProgramPath("\\ab"));
    EXPECT_FALSE(IsAbsoluteProgramPath("settings.dat"));
    EXPECT_FALSE(IsAbsoluteProgramPath("C:/Games/a.dat")) << "only a backslash makes a drive path";
    EXPECT_FALSE(IsAbsoluteProgramPath("C:a.dat"));
    EXPECT_FALSE(IsAbsoluteProgramPath("ab:\\cd"));
    EXPECT_FALSE(IsAbsoluteProgramPath(""));
    EXPECT_FALSE(IsAbsoluteProgramPath(nullptr));
}

TEST(ProgramPath, AbsoluteNamesResolveUnchanged) {
    std::string out = "previous";
    ResolveProgramPath(out, "E:\\data\\settings.dat");
    EXPECT_EQ(out, "E:\\data\\settings.dat");
    ResolveProgramPath(out, "\\share\\highscores.dat");
    EXPECT_EQ(out, "\\share\\highscores.dat");
}

TEST(ProgramPath, RelativeNamesResolveInTheProgramFolder) {
    std::string out = "previous";
    ResolveProgramPath(out, "settings.dat");
    EXPECT_EQ(out, ProgramFolder() + "settings.dat");
    ResolveProgramPath(out, "C:\\");
    EXPECT_EQ(out, ProgramFolder() + "C:\\");
}

TEST(ProgramPath, FolderOfPathKeepsEverythingUpToTheLastBackslash) {
    EXPECT_EQ(FolderOfPath("C:\\Games\\Quickfigure\\quickfigure.exe"), "C:\\Games\\Quickfigure\\");
    EXPECT_EQ(FolderOfPath("C:\\quickfigure.exe"), "C:\\");
    EXPECT_EQ(FolderOfPath("quickfigure.exe"), "");
}

TEST(ProgramPath, FolderOfALongPathFillingTheWholeBuffer) {
    // 999 characters: the most a 1000-byte buffer holds beside its terminating zero.
    std::string folder = "C:\\";
    while (folder.size() < 980) {
        folder += "abcdefghijklmno\\";
    }
    const std::string fileName(999 - folder.size(), 'q');
    const std::string path = folder + fileName;
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
