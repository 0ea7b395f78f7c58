#include "core/GameFolders.h"

#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Settings.h"

namespace core {

namespace {

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
    const std::string playerFolder = platform::Folders::UserData(kTitle);
    if (playerFolder.empty()) {
        return {gameFolder, gameFolder};
    }
    SeedSettings(gameFolder, playerFolder);
    return {gameFolder, playerFolder};
}

GameFolders GameFolders::ForExecutable(std::string_view path) {
    const std::string gameFolder = GameFolderOf(path);
    // The installed data folder is shared by every player and never written, even by one who
    // could (root, or the owner of a per-user install, or an administrator).
    if (gameFolder != DirectoryOf(path) || platform::Folders::InProgramFiles(gameFolder)) {
        return InDataHome(gameFolder);
    }
    return Locate(gameFolder);
}

std::string GameFolders::GameFolderOf(std::string_view path) {
    const std::string own = DirectoryOf(path);
    if (own.empty() || platform::Folders::IsFile(own + kGameFolderMark)) {
        return own;
    }
    const std::string installed = platform::Folders::Normal(own + kInstalledGameFolder);
    if (platform::Folders::IsFile(installed + kGameFolderMark)) {
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
