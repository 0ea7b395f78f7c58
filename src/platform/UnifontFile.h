#pragma once

#include <string>

namespace platform {

// Where the game's text font, GNU Unifont, is on this system.
class UnifontFile {
public:
    // On Linux, the file fontconfig gives for the family "Unifont" when the match really is
    // Unifont, otherwise the first of Debian's Unifont paths that exists. On Windows, which has
    // no Unifont of its own, kShippedPath in the program's folder. Empty when there is none.
    static std::string Find();

    // The font file the Windows game folder ships, with its licence beside it.
    static constexpr const char* kShippedPath = "Fonts/unifont.otf";
};

} // namespace platform
