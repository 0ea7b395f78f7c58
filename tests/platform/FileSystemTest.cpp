#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "TempDir.h"
#include "platform/FileSystem.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const TempDir& dir) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir.Path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(FileSystemTest, ReadsWholeFilesWithinTheirLimit) {
    TempDir dir;
    std::string bytes = "old";
    EXPECT_EQ(platform::ReadWholeFile(dir.File("none"), bytes, 10), platform::ReadResult::Missing);
    EXPECT_EQ(bytes, "");
    dir.Write("ten", "0123456789");
    EXPECT_EQ(platform::ReadWholeFile(dir.File("ten"), bytes, 10), platform::ReadResult::Ok);
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_EQ(platform::ReadWholeFile(dir.File("ten"), bytes, 9), platform::ReadResult::Failed)
        << "too large is a failure, never a truncated read";
    EXPECT_EQ(bytes, "");
    fs::create_directory(dir.File("folder"));
    EXPECT_EQ(platform::ReadWholeFile(dir.File("folder"), bytes, 10), platform::ReadResult::Failed);
}

TEST(FileSystemTest, AtomicWritesKeepPermissionsAndLeaveNothingBeside) {
    TempDir dir;
    ASSERT_TRUE(platform::WriteFileAtomically(dir.File("Rest.pa"), "first"));
    struct stat info {};
    ASSERT_EQ(::stat(dir.File("Rest.pa").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u) << "a new file";
    ASSERT_EQ(::chmod(dir.File("Rest.pa").c_str(), 0640), 0);
    ASSERT_TRUE(platform::WriteFileAtomically(dir.File("Rest.pa"), "second"));
    EXPECT_EQ(dir.Read("Rest.pa"), "second");
    ASSERT_EQ(::stat(dir.File("Rest.pa").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Names(dir), std::set<std::string>{"Rest.pa"});
    EXPECT_FALSE(platform::WriteFileAtomically(dir.File("missing/Rest.pa"), "x"));
}

TEST(FileSystemTest, StaleTemporariesGoAndEverythingElseStays) {
    TempDir dir;
    // A player's own copies, named much like the temporary files, are never touched.
    const std::set<std::string> kept = {"Rest.pa",
                                        "Rest.pa.backup",
                                        "Rest.pa.a1B2c3",
                                        "Rest.pa.saving-abcde",
                                        "Rest.pa.saving-abcdefg",
                                        "Rest.pa.saving-abc-de",
                                        "set.ini.saving-a1B2c3",
                                        "xRest.pa.saving-a1B2c3",
                                        "Rest.pa.saving-Locked"};
    for (const std::string& name : kept) {
        dir.Write(name, "keep");
    }
    dir.Write("Rest.pa.saving-a1B2c3", "stale");
    dir.Write("Rest.pa.saving-ZZZZZZ", "");
    // Not regular files: a folder and a link to a file elsewhere.
    fs::create_directories(dir.File("Rest.pa.saving-folder/inner"));
    TempDir elsewhere;
    elsewhere.Write("target", "theirs");
    fs::create_symlink(elsewhere.File("target"), dir.File("Rest.pa.saving-linked"));
    // A writer that is still alive holds its temporary file locked.
    const int writer = ::open(dir.File("Rest.pa.saving-Locked").c_str(), O_RDONLY);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.Path(), "Rest.pa"), 2);
    ::close(writer);

    std::set<std::string> expected = kept;
    expected.insert({"Rest.pa.saving-folder", "Rest.pa.saving-linked"});
    EXPECT_EQ(Names(dir), expected);
    EXPECT_EQ(elsewhere.Read("target"), "theirs");
    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.File("none/"), "Rest.pa"), 0);

    // Once its writer is gone, the locked one is stale too.
    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.Path(), "Rest.pa"), 1);
    EXPECT_FALSE(dir.Exists("Rest.pa.saving-Locked"));
}

} // namespace
