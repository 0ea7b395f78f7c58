#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

ReadResult ReadWholeFile(std::string_view path, std::string& contents, std::size_t maxBytes) {
    contents.clear();
    FilePtr file = OpenFile(path, "rb");
    if (!file) {
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    // Read in one go at the size the file has now, then go on in chunks in case it grew.
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode)) {
        if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
            return ReadResult::Failed;
        }
        contents.resize(static_cast<std::size_t>(info.st_size));
        contents.resize(std::fread(contents.data(), 1, contents.size(), file.get()));
    }
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (contents.size() + got > maxBytes) {
            contents.clear();
            return ReadResult::Failed;
        }
        contents.append(chunk, got);
    }
    if (std::ferror(file.get())) {
        contents.clear();
        return ReadResult::Failed;
    }
    return ReadResult::Ok;
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

} // namespace

bool WriteFileAtomically(std::string_view path, std::string_view data) {
    const std::string target = NativePath(path);
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) {
        return true;
    }
    ::unlink(temp.c_str());
    return false;
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
