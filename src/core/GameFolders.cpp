#include "core/GameFolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Settings.h"

namespace core {

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

// A player's folder without set.ini gets the game folder's. An existing one, whatever it holds
// and even when it cannot be read, stays: the player's settings are never overwritten.
void SeedSettings(const std::string& gameFolder, const std::string& playerFolder) {
    std::string bytes;
    if (platform::ReadWholeFile(playerFolder + "set.ini", bytes,
                                platform::Settings::kMaxFileSize) !=
        platform::ReadResult::Missing) {
        return;
    }
    if (platform::ReadWholeFile(gameFolder + "set.ini", bytes, platform::Settings::kMaxFileSize) ==
        platform::ReadResult::Ok) {
        platform::WriteFileAtomically(playerFolder + "set.ini", bytes);
    }
}

} // namespace

GameFolders::GameFolders(std::string gameFolder, std::string playerFolder)
    : game(std::move(gameFolder)), player(std::move(playerFolder)) {}

GameFolders GameFolders::Locate(const std::string& gameFolder) {
    // Writability is found out by trying: the probe makes and removes the very temporary file a
    // save makes, so whatever would refuse a save (permissions, ACLs, a read-only mount, a
    // security module) refuses the probe, and what root may write it may. access(W_OK) checks
    // the real user's permission bits instead, and can answer otherwise.
    if (platform::CanWriteAtomically(gameFolder + "set.ini")) {
        return {gameFolder, gameFolder};
    }
    return InDataHome(gameFolder);
}

GameFolders GameFolders::InDataHome(const std::string& gameFolder) {
    const fs::path home = DataHome();
    if (home.empty() || !MakeFolder(home / kDataFolderName)) {
        return {gameFolder, gameFolder};
    }
    const std::string playerFolder = (home / kDataFolderName).string() + "/";
    SeedSettings(gameFolder, playerFolder);
    return {gameFolder, playerFolder};
}

GameFolders GameFolders::ForExecutable(std::string_view path) {
    const std::string gameFolder = GameFolderOf(path);
    // The installed data folder is shared by every player and never written, even by one who
    // could (root, or the owner of a per-user install).
    if (gameFolder != DirectoryOf(path)) {
        return InDataHome(gameFolder);
    }
    return Locate(gameFolder);
}

std::string GameFolders::GameFolderOf(std::string_view path) {
    const std::string own = DirectoryOf(path);
    std::error_code error;
    if (own.empty() || fs::is_regular_file(own + kGameFolderMark, error)) {
        return own;
    }
    const std::string installed = fs::path(own + kInstalledGameFolder).lexically_normal().string();
    if (fs::is_regular_file(installed + kGameFolderMark, error)) {
        return installed;
    }
    return own;
}

std::string GameFolders::DirectoryOf(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last == std::string_view::npos) {
        return {};
    }
    std::string_view dir = path.substr(0, last);
    while (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) {
        dir.remove_suffix(1);
    }
    return std::string(dir) + path[last];
}

std::string GameFolders::GameFile(std::string_view relative) const {
    return game + std::string(relative);
}

} // namespace core
