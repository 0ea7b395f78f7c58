#pragma once

#include <array>
#include <string>
#include <string_view>

namespace core {

// The two places the game's files live. The game folder (the executable's directory, or the
// installed data folder beside it) holds the images, levels, music and the default set.ini, and
// is only read. The player's folder holds set.ini, Rest.pa, st.data and records.dat, which are
// read and written there. Nothing else decides a path.
class GameFolders {
public:
    // The files the game writes, all in the player's folder.
    static constexpr std::array<const char*, 4> kPlayerFiles = {"Rest.pa", "set.ini", "st.data",
                                                                "records.dat"};
    // The game's name, which names the player's folder under the data home.
    static constexpr const char* kTitle = "Tovak Marudo";
    // The installed layout's game folder, relative to the executable's directory: the program
    // in games/ (or bin/), its data in share/games/tovak-marudo/.
    static constexpr const char* kInstalledGameFolder = "../share/games/tovak-marudo/";
    // A file every complete game folder holds: the first level.
    static constexpr const char* kGameFolderMark = "Board/1.dat";

    // Both folders end in exactly one separator.
    GameFolders(std::string gameFolder, std::string playerFolder);

    // The folders of the game in `gameFolder`. The player's folder is the game folder when that
    // is writable (build/dist, a portable copy); otherwise as InDataHome.
    static GameFolders Locate(const std::string& gameFolder);
    // The player's folder is the game's folder in the user's data home (platform::Folders),
    // made when missing and given the game folder's set.ini on first use. When that cannot be
    // made, the game folder it stays, and writes fail as they would there.
    static GameFolders InDataHome(const std::string& gameFolder);

    // The folders of the executable at `path`: Locate for data beside it, InDataHome for the
    // installed data folder or a game installed under the system's program folder.
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
    std::string RecordsFile() const { return player + "records.dat"; }

private:
    std::string game;
    std::string player;
};

} // namespace core
