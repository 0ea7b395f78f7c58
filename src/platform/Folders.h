#pragma once

#include <string>
#include <string_view>

namespace platform {

// Questions about folders that each operating system answers in its own way. Paths are UTF-8
// and may use either separator.
class Folders {
public:
    static bool IsFile(std::string_view path);
    // `path` with "." and ".." parts resolved without looking at the disk.
    static std::string Normal(std::string_view path);
    // The folder for the files of the program called `title` in the user's data home, named in
    // the system's style and made (with any missing parent, private to the user) when missing:
    // $XDG_DATA_HOME/tovak-marudo/ (~/.local/share when the variable is unset, empty or
    // relative) for "Tovak Marudo" on Linux, %APPDATA%\Tovak Marudo\ on Windows. Ends in one
    // separator; empty when there is no data home or the folder cannot be made.
    static std::string UserData(std::string_view title);
    // Whether `folder` lies where the system installs programs for every user (Program Files
    // on Windows; nowhere on Linux, whose installed layout the game tells by its shape).
    static bool InProgramFiles(std::string_view folder);
};

} // namespace platform
