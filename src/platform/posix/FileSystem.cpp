#include "platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/SavingFileName.h"

namespace platform {

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

FilePtr OpenFile(std::string_view path, const char* mode) {
    return FilePtr(std::fopen(NativePath(path).c_str(), mode));
}

bool FileExists(std::string_view path) {
    struct stat info {};
    return ::stat(NativePath(path).c_str(), &info) == 0;
}

namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes and locks a temporary file beside `target`. A cleaner may unlink the file between its
// creation and the lock; then it is made again. -1 when no file can be made.
int CreateLockedTemporary(const std::string& target, std::string& temp) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        temp = target + std::string(SavingFileName::kMark) +
               std::string(SavingFileName::kSuffixLength, 'X');
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) {
            return -1;
        }
        struct stat info {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) {
            return fd;
        }
        ::close(fd);
    }
    return -1;
}

// Removes `entry` of the open folder when it is a regular file no writer holds locked.
bool RemoveIfStale(int folderFd, const char* entry) {
    const int fd = ::openat(folderFd, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool stale =
        ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // Unlinked while the lock is held, so a writer that locks it next sees it gone.
    const bool removed = stale && ::unlinkat(folderFd, entry, 0) == 0;
    ::close(fd);
    return removed;
}

} // namespace

bool WriteFileAtomically(std::string_view path, std::string_view data) {
    const std::string target = NativePath(path);
    std::string temp;
    const int fd = CreateLockedTemporary(target, temp);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    // Renamed before the descriptor, and with it the lock, goes.
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
    }
    // fsync has reported the data written; closing cannot lose it any more.
    ::close(fd);
    return ok;
}

bool CanWriteAtomically(std::string_view path) {
    std::string temp;
    const int fd = CreateLockedTemporary(NativePath(path), temp);
    if (fd < 0) {
        return false;
    }
    ::unlink(temp.c_str());
    ::close(fd);
    return true;
}

int RemoveStaleTemporaries(std::string_view folder, std::string_view name) {
    const std::string native = NativePath(folder);
    DIR* dir = ::opendir(native.empty() ? "." : native.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (SavingFileName::IsOf(entry->d_name, name) &&
            RemoveIfStale(::dirfd(dir), entry->d_name)) {
            ++removed;
        }
    }
    ::closedir(dir);
    return removed;
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace platform
