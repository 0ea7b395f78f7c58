#include <gtest/gtest.h>

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "OnWindows.h"
#include "TempDir.h"
#include "platform/FileSystem.h"

namespace {

namespace fs = std::filesystem;

// A live writer's lock on its temporary file, held as the system's own writers hold it.
class HeldLock {
public:
    explicit HeldLock(const std::string& path) {
#ifdef _WIN32
        file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        OVERLAPPED from{};
        held = file != INVALID_HANDLE_VALUE &&
               ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &from);
#else
        fd = ::open(path.c_str(), O_RDONLY);
        held = fd >= 0 && ::flock(fd, LOCK_EX) == 0;
#endif
    }
    ~HeldLock() {
        Release();
    }
    bool Held() const {
        return held;
    }
    void Release() {
#ifdef _WIN32
        if (file != INVALID_HANDLE_VALUE) {
            ::CloseHandle(file);
            file = INVALID_HANDLE_VALUE;
        }
#else
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
#endif
    }

private:
#ifdef _WIN32
    HANDLE file = INVALID_HANDLE_VALUE;
#else
    int fd = -1;
#endif
    bool held = false;
};

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
    // A player named 张伟 keeps the game's files under a folder of that name.
    const std::string folder = dir.File("\xE5\xBC\xA0\xE4\xBC\x9F/");
    fs::create_directory(fs::u8path(folder));
    ASSERT_TRUE(platform::WriteFileAtomically(folder + "st.data", "wide"));
    std::string bytes;
    EXPECT_EQ(platform::ReadWholeFile(folder + "st.data", bytes, 10), platform::ReadResult::Ok);
    EXPECT_EQ(bytes, "wide");
    ASSERT_TRUE(platform::WriteFileAtomically(folder + "st.data", "wider"));
    EXPECT_EQ(platform::ReadWholeFile(folder + "st.data", bytes, 10), platform::ReadResult::Ok);
    EXPECT_EQ(bytes, "wider");
    EXPECT_TRUE(platform::CanWriteAtomically(folder + "set.ini"));
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::u8path(folder)), fs::directory_iterator()),
              1);
    fs::remove_all(fs::u8path(folder));
    if (kOnWindows) {
        GTEST_SKIP() << "Windows files have no POSIX permission bits to keep";
    }
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
    // Not regular files: a folder and, where links are made without privileges, a link to a
    // file elsewhere.
    fs::create_directories(dir.File("Rest.pa.saving-folder/inner"));
    TempDir elsewhere;
    elsewhere.Write("target", "theirs");
    std::set<std::string> expected = kept;
    expected.insert("Rest.pa.saving-folder");
    if (!kOnWindows) {
        fs::create_symlink(elsewhere.File("target"), dir.File("Rest.pa.saving-linked"));
        expected.insert("Rest.pa.saving-linked");
    }
    // A writer that is still alive holds its temporary file locked.
    HeldLock writer(dir.File("Rest.pa.saving-Locked"));
    ASSERT_TRUE(writer.Held());

    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.Path(), "Rest.pa"), 2);
    writer.Release();

    EXPECT_EQ(Names(dir), expected);
    EXPECT_EQ(elsewhere.Read("target"), "theirs");
    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.File("none/"), "Rest.pa"), 0);

    // Once its writer is gone, the locked one is stale too.
    EXPECT_EQ(platform::RemoveStaleTemporaries(dir.Path(), "Rest.pa"), 1);
    EXPECT_FALSE(dir.Exists("Rest.pa.saving-Locked"));
}

} // namespace
