#include "platform/Folders.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative (the XDG rules say a
// relative path is invalid and must be ignored); "" when neither gives an absolute folder.
fs::path DataHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
        return data;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
        return fs::path(home) / ".local" / "share";
    }
    return {};
}

// Makes `folder` and any missing parent, each readable by its owner alone, as the XDG rules
// ask of the folders they name. True when it is a folder afterwards.
bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return true;
    }
    if (folder.has_parent_path() && folder.parent_path() != folder &&
        !MakeFolder(folder.parent_path())) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    return fs::is_directory(folder, error);
}

// "Tovak Marudo" becomes "tovak-marudo".
std::string FolderName(std::string_view title) {
    std::string name;
    for (const char c : title) {
        name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

} // namespace

bool Folders::IsFile(std::string_view path) {
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

std::string Folders::Normal(std::string_view path) {
    return fs::path(path).lexically_normal().string();
}

std::string Folders::UserData(std::string_view title) {
    const fs::path home = DataHome();
    if (home.empty() || !MakeFolder(home / FolderName(title))) {
        return {};
    }
    return (home / FolderName(title)).string() + "/";
}

bool Folders::InProgramFiles(std::string_view) {
    return false;
}

} // namespace platform
