// The system's file store on real files in a temporary folder: what each read reports,
// the write, flush, move and remove steps, the write probe, folder creation and the
// per-user folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "shell/file_store.h"
#include "support/data_folder.h"

namespace {

namespace fs = std::filesystem;

std::string FolderOf(const TemporaryDataFolder& data) {
    return data.File("").string();
}

std::string PathIn(const TemporaryDataFolder& data, const char* name) {
    return data.File(name).string();
}

} // namespace

TEST(SystemFileStore, ReadsTellWhatIsThere) {
    TemporaryDataFolder data("store-reads");
    FileStore& store = SystemFileStore();
    std::string bytes = "stale";
    EXPECT_EQ(store.Read(PathIn(data, "none"), 100, bytes), ReadStatus::Missing);
    EXPECT_EQ(store.Read(PathIn(data, "no-folder\\none"), 100, bytes), ReadStatus::Missing);
    fs::create_directory(data.File("folder"));
    EXPECT_EQ(store.Read(PathIn(data, "folder"), 100, bytes), ReadStatus::Unreadable);

    std::ofstream(data.File("ten"), std::ios::binary) << "0123456789";
    EXPECT_EQ(store.Read(PathIn(data, "ten"), 10, bytes), ReadStatus::Ok);
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_EQ(store.Read(PathIn(data, "ten"), 9, bytes), ReadStatus::TooLarge);
    EXPECT_EQ(bytes, "");

    std::ofstream(data.File("huge"), std::ios::binary) << "x";
    fs::resize_file(data.File("huge"), 100u << 20);
    EXPECT_EQ(store.Read(PathIn(data, "huge"), 64 * 1024, bytes), ReadStatus::TooLarge);
}

TEST(SystemFileStore, WriteFlushMoveAndRemove) {
    TemporaryDataFolder data("store-steps");
    FileStore& store = SystemFileStore();
    const std::string target = PathIn(data, "target");
    const std::string temporary = PathIn(data, "target.tmp");
    ASSERT_TRUE(store.Write(target, "old contents"));
    ASSERT_TRUE(store.Write(temporary, "new"));
    EXPECT_TRUE(store.Flush(temporary));
    EXPECT_FALSE(store.Flush(PathIn(data, "none")));
    EXPECT_TRUE(store.MoveReplacing(temporary, target));
    std::string bytes;
    EXPECT_EQ(store.Read(target, 100, bytes), ReadStatus::Ok);
    EXPECT_EQ(bytes, "new") << "the old, longer contents are gone";
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_FALSE(store.MoveReplacing(temporary, target));

    EXPECT_TRUE(store.Remove(target));
    EXPECT_TRUE(store.Remove(target)) << "nothing there is as good as removed";
    fs::create_directory(data.File("folder"));
    EXPECT_FALSE(store.Remove(PathIn(data, "folder")));
    EXPECT_FALSE(store.Write(PathIn(data, "folder"), "x"));
}

TEST(SystemFileStore, FoldersAreProbedCreatedAndFound) {
    TemporaryDataFolder data("store-folders");
    FileStore& store = SystemFileStore();
    EXPECT_TRUE(store.FolderWritable(FolderOf(data)));
    EXPECT_TRUE(fs::is_empty(data.File(""))) << "the probe leaves nothing behind";
    const std::string inner = PathIn(data, "inner") + "\\";
    EXPECT_FALSE(store.FolderWritable(inner));
    EXPECT_TRUE(store.CreateFolder(inner));
    EXPECT_TRUE(store.CreateFolder(inner)) << "an existing folder is fine";
    EXPECT_TRUE(store.FolderWritable(inner));

    const std::string user = store.UserDataFolder();
    const std::string name = "\\Quickfigure\\";
    ASSERT_GT(user.size(), name.size());
    EXPECT_EQ(user.substr(user.size() - name.size()), name);
    EXPECT_TRUE(fs::is_directory(user.substr(0, user.size() - name.size())))
        << "the per-user folder's parent is the system's";
}
