#include "platform/RegistryStore.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "formats/RegistryFile.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

constexpr std::size_t kMaxKeyFileBytes = 1 << 20;

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// The store's root folder. Backslashes are refused because the file helpers read them as
// separators.
bool Root(std::string& root) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (IsAbsolute(config)) {
        root = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!IsAbsolute(home)) {
            return false;
        }
        root = std::string(home) + "/.config";
    }
    return root.find('\\') == std::string::npos;
}

bool IsValidPart(std::string_view part) {
    return !part.empty() && part != "." && part != ".." &&
           part.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Folders are private to the user, as configuration folders should be.
bool MakeFolder(const std::string& path) {
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(path));
}

bool MakeEmptyFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST && IsRegularFile(path);
    }
    return ::close(fd) == 0;
}

using formats::RegistryFile;
using Values = RegistryFile::Values;

// The key file's path and the folders above it, outermost first, below the store's root.
struct KeyLocation {
    std::vector<std::string> folders;
    std::string file;
};

bool Locate(std::string_view keyPath, KeyLocation& location) {
    std::string path;
    if (!Root(path)) {
        return false;
    }
    location.folders = {path};
    for (;;) {
        const std::size_t end = keyPath.find('\\');
        const std::string_view part = keyPath.substr(0, end);
        if (!IsValidPart(part)) {
            return false;
        }
        path += '/';
        path += part;
        if (end == std::string_view::npos) {
            break;
        }
        location.folders.push_back(path);
        keyPath.remove_prefix(end + 1);
    }
    location.file = path + ".reg";
    return true;
}

bool ReadValues(const std::string& file, Values& values) {
    std::string text;
    if (ReadWholeFile(file, text, kMaxKeyFileBytes) != ReadResult::Ok) {
        return false;
    }
    RegistryFile::Parse(text, values);
    return true;
}

} // namespace

bool RegistryStore::KeyExists(std::string_view keyPath) const {
    KeyLocation location;
    return Locate(keyPath, location) && IsRegularFile(location.file);
}

bool RegistryStore::CreateKey(std::string_view keyPath) {
    KeyLocation location;
    if (!Locate(keyPath, location)) {
        return false;
    }
    for (const std::string& folder : location.folders) {
        if (!MakeFolder(folder)) {
            return false;
        }
    }
    return MakeEmptyFile(location.file);
}

bool RegistryStore::SetString(std::string_view keyPath, std::string_view name,
                              std::string_view value) {
    KeyLocation location;
    Values values;
    if (!RegistryFile::IsValidName(name) || !RegistryFile::IsValidValue(value) ||
        !Locate(keyPath, location) || !IsRegularFile(location.file) ||
        !ReadValues(location.file, values)) {
        return false;
    }
    bool replaced = false;
    for (auto& [oldName, oldValue] : values) {
        if (oldName == name) {
            oldValue = value;
            replaced = true;
        }
    }
    if (!replaced) {
        values.emplace_back(name, value);
    }
    return WriteFileAtomically(location.file, RegistryFile::Format(values));
}

bool RegistryStore::GetString(std::string_view keyPath, std::string_view name,
                              std::string& value) const {
    KeyLocation location;
    Values values;
    if (!RegistryFile::IsValidName(name) || !Locate(keyPath, location) ||
        !IsRegularFile(location.file) || !ReadValues(location.file, values)) {
        return false;
    }
    // The last of repeated names counts, as a later line of a hand-edited file would.
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        if (it->first == name) {
            value = it->second;
            return true;
        }
    }
    return false;
}

} // namespace platform
