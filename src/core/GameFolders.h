#pragma once

#include <array>
#include <string>
#include <string_view>

namespace core {

// The two places the game's files live. The game folder (the executable's directory, or the
// installed data folder beside it) holds the images, levels, music and the default set.ini, and
// is only read. The player's folder holds
// set.ini, Rest.pa and st.data, which are read and written there. Nothing else decides a path.
class GameFolders {
public:
    // The files the game writes, all in the player's folder.
    static constexpr std::array<const char*, 3> kPlayerFiles = {"Rest.pa", "set.ini", "st.data"};
    // The player's folder's name under the data home.
    static constexpr const char* kDataFolderName = "tovak-marudo";
    // The installed layout's game folder, relative to the executable's directory: the program
    // in games/ (or bin/), its data in share/games/tovak-marudo/.
    static constexpr const char* kInstalledGameFolder = "../share/games/tovak-marudo/";
    // A file every complete game folder holds: the first level.
    static constexpr const char* kGameFolderMark = "Board/1.dat";

    // Both folders end in exactly one separator.
    GameFolders(std::string gameFolder, std::string playerFolder);

    // The folders of the game in `gameFolder`. The player's folder is the game folder when that
    // is writable (a portable copy, a per-user install); otherwise "tovak-marudo" under the XDG
    // data home, made when missing and given the game folder's set.ini on first use. When that
    // cannot be made either, the game folder it stays, and writes fail as they would there.
    static GameFolders Locate(const std::string& gameFolder);

    // Locate for the game folder of the executable at `path`.
    static GameFolders ForExecutable(std::string_view path);

    // The game folder of the executable at `path`: its own directory when the game's data is
    // there (build/dist, a portable copy, which wins), else the installed data folder beside it
    // when that holds the data, else its own directory. Ends in exactly one separator.
    static std::string GameFolderOf(std::string_view path);

    // The directory part of `path`, ending in exactly one separator ("" when there is none).
    static std::string DirectoryOf(std::string_view path);

    const std::string& Game() const { return game; }
    const std::string& Player() const { return player; }
    // A file shipped with the game; `relative` may use backslashes.
    std::string GameFile(std::string_view relative) const;
    std::string SettingsFile() const { return player + "set.ini"; }
    std::string ProgressFile() const { return player + "Rest.pa"; }
    std::string LeaderboardFile() const { return player + "st.data"; }

private:
    std::string game;
    std::string player;
};

} // namespace core
