#include "platform/FileSystem.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>

namespace platform {

ReadResult ReadWholeFile(std::string_view path, std::string& contents, std::size_t maxBytes) {
    contents.clear();
    FilePtr file = OpenFile(path, "rb");
    if (!file) {
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    // Read in one go at the size the file has now, then go on in chunks in case it grew. Every
    // read lands in the string or the chunk: a stdio buffer would only be allocated and copied
    // through.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
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

} // namespace platform
