#include <gtest/gtest.h>

#include "platform/SystemDocumentOpener.h"
#include "platform/memory/RecordingDocumentOpener.h"

#include "OnWindows.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;

constexpr const char* kXdgOpen = "Linux starts xdg-open; the Windows shell is not run by tests";
using platform::RecordingDocumentOpener;
using platform::SystemDocumentOpener;

// Waits up to ten seconds for `ready`; the opened program runs on its own.
template <typename Condition>
bool WaitFor(Condition ready) {
    for (int i = 0; i < 1000; ++i) {
        if (ready()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// A PATH holding only a fake `xdg-open` that reports, in files beside itself, how it was run.
class SystemDocumentOpenerTest : public testing::Test {
protected:
    void SetUp() override {
        SKIP_ON_WINDOWS(kXdgOpen);
        // Its own PATH for the tools it uses: the test's PATH holds only the fake.
        const std::string script = R"sh(#!/bin/sh
PATH=/usr/bin:/bin
out="$(dirname "$0")/.."
echo call >> "$out/calls"
printf '%s' "$#" > "$out/count"
printf '%s' "$1" > "$out/argument"
fd=/proc/$$/fd
printf '%s %s %s' "$(readlink $fd/0)" "$(readlink $fd/1)" "$(readlink $fd/2)" > "$out/streams"
ls -l $fd/ | grep -c held-open > "$out/inherited"
echo noise; echo noise >&2
printf '%s' "$$" > "$out/pid" && mv "$out/pid" "$out/done"
)sh";
        dir.Write("bin/xdg-open", script);
        fs::permissions(dir.File("bin/xdg-open"), fs::perms::owner_all);
    }

    bool WaitForRun() const {
        return WaitFor([this] { return dir.Exists("done"); });
    }

    TempDir dir;
    ScopedEnv path{"PATH", dir.File("bin")};
    SystemDocumentOpener opener;
};

TEST_F(SystemDocumentOpenerTest, TextArrivesAsOneUnchangedArgumentWithoutAShell) {
    const std::string text = "https://example.org/a b?q=\"x\" 'y';touch $HOME/x `id` $(id) & | > *";
    // A descriptor the game holds open without close-on-exec must not reach the program.
    std::FILE* held = std::fopen(dir.File("held-open").c_str(), "w");
    ASSERT_NE(held, nullptr);
    const bool opened = opener.Open(text);
    std::fclose(held);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(WaitForRun());
    EXPECT_EQ(dir.Read("count"), "1");
    EXPECT_EQ(dir.Read("argument"), text);
    EXPECT_EQ(dir.Read("streams"), "/dev/null /dev/null /dev/null");
    EXPECT_EQ(dir.Read("inherited"), "0\n");
    EXPECT_EQ(dir.Read("calls"), "call\n");
}

TEST_F(SystemDocumentOpenerTest, FinishedProgramIsReaped) {
    ASSERT_TRUE(opener.Open("/tmp/some file.txt"));
    ASSERT_TRUE(WaitForRun());
    const std::string proc = "/proc/" + dir.Read("done");
    // A child nobody waits for stays listed as a zombie.
    EXPECT_TRUE(WaitFor([&proc] { return !fs::exists(proc); })) << proc << " was not reaped";
}

TEST_F(SystemDocumentOpenerTest, RefusedTextStartsNothing) {
    EXPECT_FALSE(opener.Open(""));
    EXPECT_FALSE(opener.Open("--version"));
    EXPECT_FALSE(opener.Open(std::string("a\0b", 3)));
    ASSERT_TRUE(opener.Open("ok"));
    ASSERT_TRUE(WaitForRun());
    EXPECT_EQ(dir.Read("argument"), "ok");
    EXPECT_EQ(dir.Read("calls"), "call\n");
}

TEST(SystemDocumentOpenerMissingTest, MissingOrUnusableProgramIsAQuietFailure) {
    SKIP_ON_WINDOWS(kXdgOpen);
    TempDir dir;
    ScopedEnv path("PATH", dir.File("bin"));
    SystemDocumentOpener opener;
    EXPECT_FALSE(opener.Open("https://example.org/"));
    dir.Write("bin/xdg-open", "#!/bin/sh\ntouch ran\n");
    fs::permissions(dir.File("bin/xdg-open"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(opener.Open("https://example.org/"));
}

// What the system's program is handed: the text itself, but on Windows a file of the game
// folder named relative to it becomes a file:// address there, its fragment kept.
TEST(SystemDocumentOpenerTargetTest, OnlyGameFolderFilesAreResolved) {
    for (const char* text : {"https://example.org/a#b", "file:///C:/Games/x.html", "mailto:a@b.c",
                             "C:\\Games\\x.html", "\\\\server\\share\\x.html"}) {
        EXPECT_EQ(SystemDocumentOpener::Target(text), text);
    }
    std::string folder = platform::ExecutablePath();
    folder.resize(folder.find_last_of("\\/") + 1);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    const std::string help = SystemDocumentOpener::Target("Help/index.html#keys");
    if (kOnWindows) {
        EXPECT_EQ(help, "file:///" + folder + "Help/index.html#keys");
    } else {
        EXPECT_EQ(help, "Help/index.html#keys");
    }
}

TEST(RecordingDocumentOpenerTest, RemembersEveryTextAndAnswersLikeTheDesktop) {
    RecordingDocumentOpener opener;
    EXPECT_TRUE(opener.Open("https://example.org/"));
    EXPECT_FALSE(opener.Open(""));
    EXPECT_FALSE(opener.Open("-x"));
    EXPECT_TRUE(opener.Open("a b"));
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"https://example.org/", "", "-x", "a b"}));
}

} // namespace
