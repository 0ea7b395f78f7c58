#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

bool HandOver(const std::string& path) {
    namespace fs = std::filesystem;
    if (::lchown(path.c_str(), kNobody, kNoGroup) != 0) {
        return false;
    }
    std::error_code error;
    for (fs::recursive_directory_iterator it(path, error), end; !error && it != end;
         it.increment(error)) {
        if (::lchown(it->path().c_str(), kNobody, kNoGroup) != 0) {
            return false;
        }
    }
    return !error;
}

} // namespace

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

::testing::AssertionResult RunUnprivileged(const std::vector<std::string>& paths,
                                           const std::function<void()>& body) {
    for (const std::string& path : paths) {
        if (!HandOver(path)) {
            return ::testing::AssertionFailure() << "cannot hand " << path << " to nobody";
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    if (child < 0) {
        return ::testing::AssertionFailure() << "cannot fork";
    }
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kNoGroup, kNoGroup, kNoGroup) != 0 ||
            ::setresuid(kNobody, kNobody, kNobody) != 0) {
            std::fprintf(stderr, "cannot become nobody\n");
            ::_exit(3);
        }
        body();
        std::fflush(stdout);
        std::fflush(stderr);
        // Straight out: the parent owns the test's files and its report.
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        return ::testing::AssertionFailure() << "lost the child process";
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the run as nobody failed (" << (WIFEXITED(status) ? "exit " : "signal ")
           << (WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status))
           << "); its failures are printed above";
}
